#include "platform/db/ChangeLog.h"

#include "platform/db/PacketWriter.h"
#include "platform/db/RecordStore.h"

namespace ger {

void ChangeLog::Inserted(int position, PackedRecordView row) {
    m_journal.push_back({ChangeKind::Insert, position, {}});
    m_entryOfLiveBlock[row.Block()] = m_entries.size();
    m_entries.push_back({ChangeKind::Insert, PackedRecordView(), row});
    ++m_liveEntries;
}

void ChangeLog::Deleted(int position, PackedRecord removed) {
    const PackedRecordView row = removed.View();
    m_journal.push_back({ChangeKind::Delete, position, std::move(removed)});
    auto it = m_entryOfLiveBlock.find(row.Block());
    if (it == m_entryOfLiveBlock.end()) {
        m_entries.push_back({ChangeKind::Delete, row, PackedRecordView()});
        ++m_liveEntries;
        return;
    }
    Entry& entry = m_entries[it->second];
    m_entryOfLiveBlock.erase(it);
    if (entry.kind == ChangeKind::Insert) {
        entry.cancelled = true;
        --m_liveEntries;
    } else {
        entry.kind = ChangeKind::Delete;
        entry.current = PackedRecordView();
    }
}

void ChangeLog::Modified(int position, PackedRecord previous, PackedRecordView current) {
    const PackedRecordView old = previous.View();
    m_journal.push_back({ChangeKind::Modify, position, std::move(previous)});
    auto it = m_entryOfLiveBlock.find(old.Block());
    if (it == m_entryOfLiveBlock.end()) {
        m_entryOfLiveBlock[current.Block()] = m_entries.size();
        m_entries.push_back({ChangeKind::Modify, old, current});
        ++m_liveEntries;
        return;
    }
    const size_t index = it->second;
    m_entryOfLiveBlock.erase(it);
    m_entryOfLiveBlock[current.Block()] = index;
    m_entries[index].current = current;
}

TUpdateStatus ChangeLog::StatusOf(PackedRecordView row) const {
    const auto it = m_entryOfLiveBlock.find(row.Block());
    if (it == m_entryOfLiveBlock.end())
        return usUnmodified;
    return m_entries[it->second].kind == ChangeKind::Insert ? usInserted : usModified;
}

void ChangeLog::Merge() {
    m_journal.clear();
    m_entries.clear();
    m_entryOfLiveBlock.clear();
    m_liveEntries = 0;
}

void ChangeLog::Undo(RecordStore& store) {
    for (auto step = m_journal.rbegin(); step != m_journal.rend(); ++step) {
        switch (step->kind) {
        case ChangeKind::Insert:
            store.Take(step->position);
            break;
        case ChangeKind::Delete:
            store.Insert(step->position, std::move(step->kept));
            break;
        case ChangeKind::Modify:
            store.Replace(step->position, std::move(step->kept));
            break;
        }
    }
    Merge();
}

QByteArray ChangeLog::Delta(const std::vector<PacketField>& columns) const {
    PacketWriter writer(PacketKind::Delta, columns);
    const int count = static_cast<int>(columns.size());
    auto appendRow = [&](PackedRecordView row) {
        for (int column = 0; column < count; ++column) {
            if (row.IsNull(column))
                writer.AppendNull();
            else
                writer.AppendUtf8(row.Bytes(column));
        }
    };
    for (const Entry& entry : m_entries) {
        if (entry.cancelled)
            continue;
        writer.BeginChange(entry.kind);
        if (entry.kind != ChangeKind::Insert)
            appendRow(entry.original);
        if (entry.kind != ChangeKind::Delete)
            appendRow(entry.current);
    }
    return writer.Finish();
}

} // namespace ger
