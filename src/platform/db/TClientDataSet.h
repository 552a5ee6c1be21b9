#pragma once
// The in-memory dataset the screens hold the server's data in. Its content comes whole from a
// data packet (SetData) or empty from its field definitions (CreateDataSet); every post and
// delete is recorded in a change log until MergeChangeLog accepts it (after the server took
// it) or CancelUpdates undoes it.
//
//   cds.SetData(packet);              // replaces everything, opens, cursor on the first row
//   cds.Edit(); cds.FieldByName("IDLIBERADO")->SetAsString("N"); cds.Post();
//   cds.ChangeCount();                // 1
//   server.Send(cds.Delta());         // the unmerged changes as a delta packet
//   cds.MergeChangeLog();             // accepted: ChangeCount 0, current values are originals
//
// Change log (see ChangeLog.h): one entry per changed row, {kind, original values, current
// values}. Every post logs, even one that changes no value, as on the platform: the row is
// then a modification whose values equal the originals. Data() is the current content only,
// without the log.
//
// Fields: with persistent fields, loading binds them by name; packet columns that no field
// declares are kept (Data and Delta carry them) but have no field; a declared field missing
// from the packet raises and leaves the dataset as it was. Without persistent fields the
// dataset creates one string field per packet column on opening.
//
// Closing drops the data: a closed client dataset opens again only through SetData or
// CreateDataSet ("Missing data provider or data packet" otherwise).
//
// EmptyDataSet removes every row and clears the change log: the removals are not logged as
// deletes, since what is emptied is a local view the server never held as such.

#include "platform/db/ChangeLog.h"
#include "platform/db/RecordStore.h"
#include "platform/db/TDataSet.h"
#include "platform/db/TFieldDefs.h"

#include <QByteArray>

namespace ger {

class TClientDataSet : public TDataSet {
public:
    explicit TClientDataSet(TComponent* AOwner);
    ~TClientDataSet() override;

    QString ClassName() const override { return QStringLiteral("TClientDataSet"); }

    // The current rows as a data packet. Raises when closed.
    QByteArray Data() const;
    // Decodes the packet strictly (a malformed one raises and changes nothing), then closes,
    // replaces rows and columns, clears the change log and opens on the first row.
    void SetData(const QByteArray& packet);
    // The unmerged changes as a delta packet over all columns. Raises when closed.
    QByteArray Delta() const;
    // Rows with unmerged changes; 0 when closed.
    int ChangeCount() const;
    TUpdateStatus UpdateStatus() const override;
    void MergeChangeLog();
    // Cancels an edit in progress, then undoes every unmerged change.
    void CancelUpdates();
    // Opens empty with the FieldDefs, or with the persistent fields when there are none.
    void CreateDataSet();
    void EmptyDataSet();

    bool LogChanges() const { return m_logChanges; }
    // Logging cannot be switched off while the log holds changes (they could no longer be
    // undone in order); merge or cancel them first.
    void SetLogChanges(bool logChanges);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool CanModify() const override { return !m_readOnly; }

    TFieldDefs& FieldDefs() { return m_fieldDefs; }
    const TFieldDefs& FieldDefs() const { return m_fieldDefs; }

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

protected:
    void InternalOpen() override;
    void InternalClose() override;
    int InternalRecordCount() const override { return m_store.RowCount(); }
    int InternalColumnCount() const override { return m_store.ColumnCount(); }
    std::optional<QString> InternalGetValue(int record, int column) const override;
    void InternalInsert(int position, const RecordValues& values) override;
    void InternalUpdate(int record, const RecordValues& values) override;
    void InternalDelete(int record) override;
    int InternalLocate(const std::vector<LocateKey>& keys, TLocateOptions options) const override;

private:
    std::vector<PacketField> definedColumns() const;

    RecordStore m_store;
    ChangeLog m_log;
    TFieldDefs m_fieldDefs;
    bool m_hasData = false;
    bool m_logChanges = true;
    bool m_readOnly = false;
};

} // namespace ger
