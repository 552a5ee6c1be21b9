// The change log of a client dataset (platform/db ChangeLog, TClientDataSet): a data packet
// from arbitrary bytes is loaded as a screen loads the server's answer, then edited by a
// script of dataset operations, and what the log holds is checked whenever the script asks
// and at its end:
//
// - the delta it sends decodes, over the loaded columns, with one change per changed row;
// - applying the delta to the rows as loaded (or as last merged) gives the current rows;
// - CancelUpdates gives back the packet as loaded (or as last merged), byte for byte.
//
// Input: a 2-byte big-endian length n, n bytes of packet, then one operation per byte, some
// followed by their operands.

#include "FuzzSupport.h"
#include "platform/db/DataPacket.h"
#include "platform/db/EDatabaseError.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

#include <algorithm>

namespace {

using ger::fuzz::require;

class Script {
public:
    Script(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size) {}
    bool atEnd() const { return m_pos >= m_size; }
    quint8 next() { return atEnd() ? 0 : m_data[m_pos++]; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

std::vector<ger::PacketRow> sorted(std::vector<ger::PacketRow> rows) {
    std::sort(rows.begin(), rows.end());
    return rows;
}

class Run {
public:
    explicit Run(const QByteArray& packet)
        : m_dataSet(nullptr) {
        m_dataSet.SetData(packet);
        keepBaseline();
    }

    void step(Script& script) {
        const quint8 op = script.next();
        try {
            apply(op % 13, script);
        } catch (const ger::EDatabaseError&) {
            // an operation the dataset refuses in its state, which must leave the log whole
        }
    }

    void finish() {
        check();
        m_dataSet.CancelUpdates();
        require(m_dataSet.ChangeCount() == 0, "nothing is left to send after CancelUpdates");
        require(m_dataSet.Data() == m_baseline, "CancelUpdates restores the rows exactly");
    }

private:
    void apply(int op, Script& script) {
        switch (op) {
        case 0:
            m_dataSet.Next();
            break;
        case 1:
            m_dataSet.Prior();
            break;
        case 2:
            m_dataSet.First();
            break;
        case 3:
            m_dataSet.Last();
            break;
        case 4:
            m_dataSet.Edit();
            assign(script);
            break;
        case 5:
            if (script.next() & 1)
                m_dataSet.Append();
            else
                m_dataSet.Insert();
            assign(script);
            break;
        case 6:
            assign(script);
            break;
        case 7:
            m_dataSet.Delete();
            break;
        case 8:
            m_dataSet.Post();
            break;
        case 9:
            m_dataSet.Cancel();
            break;
        case 10:
            m_dataSet.CheckBrowseMode();
            m_dataSet.MergeChangeLog();
            require(m_dataSet.ChangeCount() == 0, "nothing is left to send after a merge");
            keepBaseline();
            break;
        case 11:
            m_dataSet.CancelUpdates();
            require(m_dataSet.Data() == m_baseline, "CancelUpdates restores the rows exactly");
            break;
        default:
            check();
        }
    }

    void assign(Script& script) {
        ger::TField* field = m_dataSet.Fields(script.next() % m_dataSet.FieldCount());
        static const QString values[] = {
            QString(),
            QStringLiteral("S"),
            QStringLiteral("N"),
            QStringLiteral("0001"),
            QStringLiteral("Operação"),
            QStringLiteral("\uFEFF0301"),
            QStringLiteral("a value longer than the narrowest fields"),
        };
        const quint8 choice = script.next() % 8;
        if (choice == 7)
            field->Clear();
        else
            field->SetAsString(values[choice]);
    }

    void keepBaseline() {
        m_baseline = m_dataSet.Data();
        m_baselinePacket = ger::DataPacket::Decode(m_baseline);
    }

    void check() {
        m_dataSet.CheckBrowseMode();
        const ger::DataPacket current = ger::DataPacket::Decode(m_dataSet.Data());
        require(current.fields == m_baselinePacket.fields, "edits keep the columns");
        require(m_dataSet.RecordCount() == int(current.rows.size()), "one record per row");
        const ger::DeltaPacket delta = ger::DeltaPacket::Decode(m_dataSet.Delta());
        require(delta.fields == m_baselinePacket.fields, "the delta has the loaded columns");
        require(int(delta.changes.size()) == m_dataSet.ChangeCount(), "one change per row");
        std::vector<ger::PacketRow> rows = sorted(m_baselinePacket.rows);
        for (const ger::PacketChange& change : delta.changes) {
            if (change.kind != ger::ChangeKind::Insert) {
                const auto original = std::lower_bound(rows.begin(), rows.end(), change.original);
                require(original != rows.end() && *original == change.original,
                        "a change's original values are a row as loaded");
                rows.erase(original);
            }
            if (change.kind != ger::ChangeKind::Delete)
                rows.insert(std::upper_bound(rows.begin(), rows.end(), change.current),
                            change.current);
        }
        require(rows == sorted(current.rows), "the delta turns the loaded rows into the current");
    }

    ger::TClientDataSet m_dataSet;
    QByteArray m_baseline;
    ger::DataPacket m_baselinePacket;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const size_t length = std::min<size_t>(size - 2, (size_t(data[0]) << 8) | data[1]);
    const QByteArray packet = ger::fuzz::bytesOf(data + 2, length);
    try {
        ger::DataPacket::Decode(packet);
    } catch (const ger::EDatabaseError&) {
        return 0; // fuzz_data_packet covers the bytes that are no packet
    }
    Run run(packet);
    Script script(data + 2 + length, size - 2 - length);
    while (!script.atEnd())
        run.step(script);
    run.finish();
    return 0;
}
