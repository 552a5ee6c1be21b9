#include "platform/db/TClientDataSet.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/core/FormDataContext.h"
#include "platform/db/TField.h"

#include <algorithm>

namespace ger {

GER_REGISTER_COMPONENT(TClientDataSet)

namespace {

bool is(const QString& name, const char* wanted) {
    return name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0;
}

} // namespace

TClientDataSet::TClientDataSet(TComponent* AOwner)
    : TDataSet(AOwner) {}

TClientDataSet::~TClientDataSet() = default;

QByteArray TClientDataSet::Data() const {
    CheckActive(QStringLiteral("Data"));
    return m_store.ToPacket();
}

void TClientDataSet::SetData(const QByteArray& packet) {
    RecordStore store = RecordStore::FromPacket(packet);
    CheckFieldsBindable(store.Columns(), QStringLiteral("SetData"));
    Close();
    CheckInactive(QStringLiteral("SetData"));
    m_store = std::move(store);
    m_log.Merge();
    m_hasData = true;
    Open();
}

QByteArray TClientDataSet::Delta() const {
    CheckActive(QStringLiteral("Delta"));
    return m_log.Delta(m_store.Columns());
}

int TClientDataSet::ChangeCount() const {
    return Active() ? m_log.Count() : 0;
}

TUpdateStatus TClientDataSet::UpdateStatus() const {
    const int record = ReadRecord();
    return record < 0 ? usUnmodified : m_log.StatusOf(m_store.Row(record));
}

void TClientDataSet::MergeChangeLog() {
    CheckActive(QStringLiteral("MergeChangeLog"));
    m_log.Merge();
}

void TClientDataSet::CancelUpdates() {
    CheckActive(QStringLiteral("CancelUpdates"));
    Cancel();
    m_log.Undo(m_store);
    Resync();
}

std::vector<PacketField> TClientDataSet::definedColumns() const {
    std::vector<PacketField> columns;
    if (m_fieldDefs.Count() > 0) {
        for (int i = 0; i < m_fieldDefs.Count(); ++i)
            columns.push_back({m_fieldDefs.Items(i).Name, m_fieldDefs.Items(i).Size});
        return columns;
    }
    for (int i = 0; i < FieldCount(); ++i)
        columns.push_back({Fields(i)->FieldName(), Fields(i)->Size() > 0 ? Fields(i)->Size() : 20});
    return columns;
}

void TClientDataSet::CreateDataSet() {
    CheckInactive(QStringLiteral("CreateDataSet"));
    std::vector<PacketField> columns = definedColumns();
    if (columns.empty())
        Error(QStringLiteral("CreateDataSet"), QStringLiteral("No field definitions"));
    for (const PacketField& column : columns)
        if (column.name.isEmpty())
            Error(QStringLiteral("CreateDataSet"), QStringLiteral("A field has no FieldName"));
    CheckFieldsBindable(columns, QStringLiteral("CreateDataSet"));
    m_store.Reset(std::move(columns), {});
    m_log.Merge();
    m_hasData = true;
    Open();
}

void TClientDataSet::EmptyDataSet() {
    CheckBrowseMode();
    m_store.Clear();
    m_log.Merge();
    ResetCursor();
}

void TClientDataSet::SetLogChanges(bool logChanges) {
    if (!logChanges && !m_log.IsEmpty())
        Error(QStringLiteral("SetLogChanges"),
              QStringLiteral("Cannot stop logging while the change log holds changes"));
    m_logChanges = logChanges;
}

void TClientDataSet::InternalOpen() {
    if (!m_hasData)
        Error(QStringLiteral("Open"), QStringLiteral("Missing data provider or data packet"));
    BindFields(m_store.Columns());
}

void TClientDataSet::InternalClose() {
    m_log.Merge();
    m_store = RecordStore();
    m_hasData = false;
}

std::optional<QString> TClientDataSet::InternalGetValue(int record, int column) const {
    return m_store.Row(record).Value(column);
}

void TClientDataSet::InternalInsert(int position, const RecordValues& values) {
    PackedRecord record = PackedRecord::FromValues(values);
    const PackedRecordView view = record.View();
    m_store.Insert(position, std::move(record));
    if (m_logChanges)
        m_log.Inserted(position, view);
}

void TClientDataSet::InternalUpdate(int record, const RecordValues& values) {
    PackedRecord updated = PackedRecord::FromValues(values);
    const PackedRecordView view = updated.View();
    PackedRecord previous = m_store.Replace(record, std::move(updated));
    if (m_logChanges)
        m_log.Modified(record, std::move(previous), view);
}

void TClientDataSet::InternalDelete(int record) {
    PackedRecord removed = m_store.Take(record);
    if (m_logChanges)
        m_log.Deleted(record, std::move(removed));
}

// Exact and prefix matches compare UTF-8 bytes in place, building no string per row; only a
// case-insensitive search decodes values.
int TClientDataSet::InternalLocate(const std::vector<LocateKey>& keys,
                                   TLocateOptions options) const {
    if (options.Contains(loCaseInsensitive))
        return TDataSet::InternalLocate(keys, options);
    struct ByteKey {
        int column;
        bool isNull;
        QByteArray utf8;
        std::string_view bytes() const {
            return {utf8.constData(), static_cast<size_t>(utf8.size())};
        }
    };
    std::vector<ByteKey> byteKeys;
    for (const LocateKey& key : keys)
        byteKeys.push_back(
            {key.column, !key.value, key.value ? key.value->toUtf8() : QByteArray()});
    const bool partial = options.Contains(loPartialKey);
    const size_t header = PackedRecordView::HeaderSize(m_store.ColumnCount());
    const int count = m_store.RowCount();
    auto matches = [&](PackedRecordView row, const ByteKey& key) {
        if (key.isNull)
            return row.IsNull(key.column);
        const std::string_view bytes = row.BytesWithHeader(key.column, header);
        return partial ? bytes.starts_with(key.bytes()) : bytes == key.bytes();
    };
    if (byteKeys.size() == 1 && !byteKeys[0].isNull && !partial) {
        const int column = byteKeys[0].column;
        const std::string_view wanted = byteKeys[0].bytes();
        for (int record = 0; record < count; ++record)
            if (m_store.Row(record).BytesWithHeader(column, header) == wanted)
                return record;
        return -1;
    }
    for (int record = 0; record < count; ++record) {
        const PackedRecordView row = m_store.Row(record);
        if (std::all_of(byteKeys.begin(), byteKeys.end(),
                        [&](const ByteKey& k) { return matches(row, k); }))
            return record;
    }
    return -1;
}

void TClientDataSet::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    const QString& name = property.name;
    const FormDataValue& value = property.value;
    if (is(name, "FieldDefs"))
        m_fieldDefs.Read(property);
    else if (is(name, "ReadOnly"))
        m_readOnly = value.asBoolean(name);
    else if (is(name, "StoreDefs"))
        value.asBoolean(name); // the definitions are always kept
    else if (is(name, "Aggregates") || is(name, "Params") || is(name, "IndexDefs")) {
        if (value.kind != FormDataValue::Kind::Collection || !value.collection.empty())
            throw EFormDataError(
                QStringLiteral("%1.%2: only an empty collection is supported").arg(Name(), name));
    } else if (is(name, "ProviderName")) {
        if (!value.asString(name).isEmpty())
            throw EFormDataError(
                QStringLiteral("%1.%2: providers are not supported").arg(Name(), name));
    } else
        TDataSet::ReadProperty(property, context);
}

} // namespace ger
