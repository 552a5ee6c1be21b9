#pragma once
// The observer a data-aware control keeps to follow a data source: subclass it and override
// the notifications you need. They arrive only while the data source is active (except
// ActiveChanged and EditingChanged, which report the transitions) and never while the
// dataset's controls are disabled.
//
//   ActiveChanged          the dataset opened or closed (Active())
//   EditingChanged         the dataset entered or left edit/insert (Editing())
//   DataSetChanged         rows or the cursor changed as a whole
//   DataSetScrolled(n)     the cursor moved n rows (Next, Prior, MoveBy)
//   RecordChanged(field)   a field of the current record was assigned (field), or the record
//                          changed as a whole (nullptr, e.g. on Edit)
//   LayoutChanged          display properties of the fields changed
//   UpdateData             write what the control holds into its field (before a post)
//   FocusControl(field)    take the focus if you show `field`, then set it to nullptr
//   CheckBrowseMode        the dataset is about to leave the current record
//
// A link does not own its data source; either may be destroyed first.

#include "platform/db/DbTypes.h"

namespace ger {

class TDataSource;

class TDataLink {
public:
    TDataLink() = default;
    virtual ~TDataLink();
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    TDataSource* DataSource() const { return m_dataSource; }
    void SetDataSource(TDataSource* dataSource);
    TDataSet* DataSet() const;
    bool Active() const { return m_active; }
    bool Editing() const { return m_editing; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    // 0-based display row of the dataset's current record (see TDataSet::ActiveRecord).
    int ActiveRecord() const;
    // Rows the control can show (stored rows plus a record being inserted).
    int RecordCount() const;

    // Puts the dataset into edit through the data source (honouring AutoEdit); true when the
    // dataset is now being edited or inserted.
    bool Edit();
    // Runs UpdateData, guarded so that the field writes it makes do not echo back as
    // RecordChanged to this link.
    void UpdateRecord();

protected:
    virtual void ActiveChanged() {}
    virtual void CheckBrowseMode() {}
    virtual void DataSetChanged() { RecordChanged(nullptr); }
    virtual void DataSetScrolled(int Distance);
    virtual void EditingChanged() {}
    virtual void FocusControl(TField*& Field);
    virtual void LayoutChanged() { DataSetChanged(); }
    virtual void RecordChanged(TField* Field);
    virtual void UpdateData() {}

private:
    friend class TDataSource;

    void DataEvent(TDataEvent event, TField* field, int distance);
    void UpdateState();
    void SetActive(bool active);
    void SetEditing(bool editing);

    TDataSource* m_dataSource = nullptr;
    bool m_active = false;
    bool m_editing = false;
    bool m_readOnly = false;
    bool m_updating = false;
};

} // namespace ger
