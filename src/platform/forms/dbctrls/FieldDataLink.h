#pragma once
// FieldDataLink: the data link of a control that shows one field of the current record (a
// data-aware edit, a data-aware label). The field is found by FieldName while the data source
// is active. The control hears, through the callbacks:
//   OnDataChange     the field's value on the current record may have changed (show it again)
//   OnEditingChange  the dataset entered or left edit or insert
//   OnUpdateData     write what the control holds into the field (only when Modified)
//   OnFocusControl   someone asked for the focus on this field; true when the control took it
// Modified tells that the control holds text not yet written; any reload clears it.

#include "platform/db/TDataLink.h"

#include <QString>
#include <functional>

namespace ger {

class FieldDataLink : public TDataLink {
public:
    const QString& FieldName() const { return m_fieldName; }
    void SetFieldName(const QString& name);
    // The field while the data source is active, or null.
    TField* Field() const;
    // The field may be changed through this link: not read-only, a field that can be modified.
    bool CanModify() const;
    bool Modified() const { return m_modified; }
    void SetModified() { m_modified = true; }
    // Puts the dataset into edit through the data source when the field may change.
    bool EditField();
    // Drops what the control holds and shows the field again.
    void Reset();

    std::function<void()> OnDataChange;
    std::function<void()> OnEditingChange;
    std::function<void()> OnUpdateData;
    std::function<bool(TField*)> OnFocusControl;

protected:
    void ActiveChanged() override;
    void EditingChanged() override;
    void FocusControl(TField*& Field) override;
    void LayoutChanged() override;
    void RecordChanged(TField* Field) override;
    void UpdateData() override;

private:
    void dataChange();

    QString m_fieldName;
    bool m_modified = false;
};

} // namespace ger
