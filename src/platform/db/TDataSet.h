#pragma once
// The dataset: a cursor over rows of fields, with the platform's states and events. Storage is
// abstract (TClientDataSet keeps rows in memory; a query keeps a result); this class owns the
// state machine, the cursor, the buffer of the record being edited or inserted, the fields and
// the notification of data sources.
//
// States: dsInactive (closed), dsBrowse, dsEdit (the current record is being changed in a
// buffer), dsInsert (a new record stands at the cursor, not yet stored). Every state change
// goes to the data sources (OnStateChange) and their links.
//
// Cursor, worked example, on rows A B C:
//   Open                     -> on A, Bof true, Eof false, RecNo 1
//   Next, Next               -> on C, RecNo 3
//   Next                     -> still on C, Eof true (a move past the end sets Eof)
//   Prior                    -> on B, Bof and Eof false
//   Insert                   -> dsInsert: rows A [new] B C, cursor on [new], RecNo 2,
//                               RecordCount still 3 (only stored rows count)
//   Cancel                   -> dsBrowse: rows A B C, back on B
//   Append, set fields, Post -> rows A B C D, on D
//   Delete                   -> rows A B C, on C (deleting the last row moves to the new last)
//   First, Delete            -> rows B C, on B
//
// Order of events, as on the platform (a Before event that raises, EAbort included, leaves
// everything as it was; the raising ends the operation):
//   Open:   BeforeOpen, state dsBrowse, AfterOpen, AfterScroll (if rows)
//   Close:  BeforeClose, state dsInactive (an unposted edit is discarded), AfterClose
//   Insert: CheckBrowseMode, BeforeInsert, BeforeScroll, new record, state dsInsert,
//           OnNewRecord (values it sets do not make the record Modified; if it raises, the
//           record is dropped and the state is dsBrowse again),
//           AfterInsert, AfterScroll. Append is the same with the new record at the end.
//   Edit:   CheckBrowseMode, BeforeEdit, state dsEdit, AfterEdit. Edit on an empty dataset
//           is an Insert; Edit while editing or inserting does nothing.
//   Post:   controls write their data, BeforePost, required fields checked, record stored at
//           the cursor, state dsBrowse, AfterPost
//   Cancel: BeforeCancel, state dsBrowse (the edit buffer is dropped; a new record
//           disappears and the cursor returns where it was), AfterCancel
//   Delete: (while inserting: Cancel instead) BeforeDelete, BeforeScroll, record removed (an
//           edit in progress is dropped), state dsBrowse, AfterDelete, AfterScroll
//   First/Last/Next/Prior/MoveBy/Locate: CheckBrowseMode, BeforeScroll, move, AfterScroll;
//           AfterScroll is skipped when nothing could move (Next at Eof, Prior at Bof) and
//           when Locate finds no match
// CheckBrowseMode posts a modified edit or insert and cancels an unmodified one.
//
// Errors are EDatabaseError "<dataset>.<operation>: <reason>", from Check* guards.

#include "platform/core/TComponent.h"
#include "platform/db/DataPacket.h"
#include "platform/db/DbTypes.h"
#include "platform/db/PackedRecord.h"

#include <QVariant>
#include <optional>
#include <span>
#include <vector>

namespace ger {

class TDataSource;
class TField;

class TDataSet : public TComponent {
public:
    explicit TDataSet(TComponent* AOwner);
    ~TDataSet() override;

    QString ClassName() const override { return QStringLiteral("TDataSet"); }

    TDataSetState State() const { return m_state; }
    bool Active() const { return m_state != dsInactive; }
    void SetActive(bool active);
    void Open();
    void Close();
    // True once a field of the record being edited or inserted was assigned.
    bool Modified() const { return m_modified; }
    // The posted change the record read now holds (the row a grid draws, else the current
    // one): usUnmodified for datasets that log no changes, and for a record being inserted.
    virtual TUpdateStatus UpdateStatus() const { return usUnmodified; }
    virtual bool CanModify() const { return true; }

    void First();
    void Last();
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }
    // Moves up to `distance` rows; returns how far it moved.
    int MoveBy(int distance);
    // 1-based position of the current record (the new one while inserting); 0 when none.
    int RecNo() const { return m_cursor + 1; }
    void SetRecNo(int recNo);
    // Stored rows; a record being inserted is not counted until it is posted.
    int RecordCount() const;
    bool Bof() const { return m_bof; }
    bool Eof() const { return m_eof; }
    bool IsEmpty() const { return DisplayRecordCount() == 0; }

    void Insert();
    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    void CheckBrowseMode();
    // Lets the controls write what they hold into the fields (before a post).
    void UpdateRecord();

    // Moves to the first record whose fields (names separated by ';') match the values (one
    // QVariant, or a QVariantList with one per field). Without options a match is exact and
    // case-sensitive; loPartialKey matches a prefix, loCaseInsensitive ignores case. A null
    // QVariant matches NULL only; a string compares with the value as AsString reads it.
    // Returns false and leaves the cursor where it was when nothing matches.
    bool Locate(const QString& keyFields, const QVariant& keyValues, TLocateOptions options = {});

    int FieldCount() const { return static_cast<int>(m_fields.size()); }
    TField* Fields(int index) const { return m_fields.at(static_cast<size_t>(index)); }
    // Raises EDatabaseError for an unknown name; names compare without regard to case.
    TField* FieldByName(const QString& name) const;
    TField* FindField(const QString& name) const;
    // True while the fields are the ones the dataset created itself on opening.
    bool DefaultFields() const { return m_defaultFields; }

    // While disabled (counted), data sources and their links hear nothing; the last
    // EnableControls sends what they missed: the state if it changed, then one
    // DataSetChanged (or LayoutChanged).
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return m_disableCount > 0; }

    class DisabledControlsScope {
    public:
        explicit DisabledControlsScope(TDataSet& dataSet)
            : m_dataSet(dataSet) {
            m_dataSet.DisableControls();
        }
        ~DisabledControlsScope() { m_dataSet.EnableControls(); }
        DisabledControlsScope(const DisabledControlsScope&) = delete;
        DisabledControlsScope& operator=(const DisabledControlsScope&) = delete;

    private:
        TDataSet& m_dataSet;
    };

    // Rows a grid shows: the stored rows plus the record being inserted.
    int DisplayRecordCount() const;
    // 0-based display row of the current record; -1 when there is none.
    int ActiveRecord() const { return m_cursor; }

    // While it lives, fields read their values from another display row, as a grid does to
    // draw each row; no event fires and the cursor does not move. Assigning a field while it
    // points elsewhere than the current record raises.
    class ActiveRecordScope {
    public:
        ActiveRecordScope(TDataSet& dataSet, int displayRow);
        ~ActiveRecordScope() { m_dataSet.m_readRow = m_previous; }
        ActiveRecordScope(const ActiveRecordScope&) = delete;
        ActiveRecordScope& operator=(const ActiveRecordScope&) = delete;

    private:
        TDataSet& m_dataSet;
        int m_previous;
    };

    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeEdit, AfterEdit;
    TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
    TDataSetNotifyEvent BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
    TDataSetNotifyEvent OnNewRecord;

    // Every dataset event by its form data name, in declaration order.
    struct EventMember {
        const char* name;
        TDataSetNotifyEvent TDataSet::*member;
    };
    static std::span<const EventMember> Events();

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

protected:
    // The stored position of the record read now; -1 for none or for a record being inserted.
    int ReadRecord() const;
    // Storage. Records are addressed by stored position (0-based), values by storage column.
    // InternalOpen makes the data ready and calls BindFields; it may raise (the dataset then
    // stays closed).
    virtual void InternalOpen() = 0;
    virtual void InternalClose() = 0;
    virtual int InternalRecordCount() const = 0;
    virtual int InternalColumnCount() const = 0;
    virtual std::optional<QString> InternalGetValue(int record, int column) const = 0;
    virtual void InternalInsert(int position, const RecordValues& values) = 0;
    virtual void InternalUpdate(int record, const RecordValues& values) = 0;
    virtual void InternalDelete(int record) = 0;
    // The first stored record at or after `from` matching the keys, or -1. The default asks
    // InternalGetValue row by row; storage may do better.
    struct LocateKey {
        int column;
        std::optional<QString> value;
    };
    virtual int InternalLocate(const std::vector<LocateKey>& keys, TLocateOptions options) const;
    static bool ValueMatches(const std::optional<QString>& value, const LocateKey& key,
                             TLocateOptions options);

    // Binds persistent fields to the columns by name (a missing one raises) or, with none,
    // creates one string field per column.
    void BindFields(const std::vector<PacketField>& columns);
    // Raises as BindFields would, changing nothing.
    void CheckFieldsBindable(const std::vector<PacketField>& columns,
                             const QString& operation = QStringLiteral("Open")) const;
    bool HasPersistentFields() const { return !m_defaultFields && !m_fields.empty(); }

    void CheckActive(const QString& operation) const;
    void CheckInactive(const QString& operation) const;
    [[noreturn]] void Error(const QString& operation, const QString& message) const;

    void DataEvent(TDataEvent event, TField* field = nullptr, int distance = 0);
    // Tells the controls that rows changed under the cursor; puts the cursor back in range.
    void Resync();
    // For storage that replaces its rows while open (EmptyDataSet, CancelUpdates).
    void ResetCursor();
    void Loaded() override;

private:
    friend class TField;
    friend class TDataSource;

    void SetState(TDataSetState state);
    void DoEvent(const TDataSetNotifyEvent& event) {
        if (event)
            event(this);
    }
    void DoInsertAppend(bool append);
    void FinishInsert();
    int MoveCursor(int distance);
    int StoredIndex(int displayRow) const;
    int ReadRow() const { return m_readRow >= 0 ? m_readRow : m_cursor; }
    void CheckRequiredFields();
    void CheckCanModify(const QString& operation) const;
    void FreeFields();
    void UnbindFields();

    // Used by TField.
    std::optional<QString> FieldValue(const TField* field) const;
    void SetFieldValue(TField* field, std::optional<QString> value, const QString& operation);
    void AddField(TField* field);
    void RemoveField(TField* field);
    void MoveField(TField* field, int index);
    void FocusControlEvent(TField* field);

    // Used by TDataSource.
    void AddDataSource(TDataSource* source);
    void RemoveDataSource(TDataSource* source);

    std::vector<TField*> m_fields;
    std::vector<TDataSource*> m_dataSources;
    RecordValues m_buffer; // the record being edited or inserted, by storage column
    TDataSetState m_state = dsInactive;
    TDataSetState m_disableState = dsInactive;
    TDataEvent m_enableEvent = TDataEvent::deDataSetChange;
    int m_cursor = -1; // display row of the current record
    int m_cursorBeforeInsert = -1;
    int m_readRow = -1; // display row fields read from, while a scope is active
    int m_disableCount = 0;
    bool m_bof = true;
    bool m_eof = true;
    bool m_modified = false;
    bool m_defaultFields = false;
    bool m_streamedActive = false;
    bool m_destroying = false;
};

} // namespace ger
