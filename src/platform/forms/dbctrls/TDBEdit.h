#pragma once
// TDBEdit: an edit showing one field of the data source's current record (DataSource,
// DataField). It follows the record: moving, editing by code and cancelling show the field
// again. Without the focus it shows the field's DisplayText; with the focus, the Text to edit.
// A field with an EditMask lends it to the edit, which then shows the value through it.
//
// Typing first puts the dataset into edit through the data source (AutoEdit); it is refused
// when the edit or the field is read-only, the dataset cannot be modified or there is no
// field. What was typed is written to the field (SetText) when the record is posted or the
// focus leaves the edit; Escape gives the field's text back. A disabled edit just shows.

#include "platform/forms/TCustomMaskEdit.h"
#include "platform/forms/dbctrls/FieldDataLink.h"

namespace ger {

class TDataSource;
class TField;

class TDBEdit : public TCustomMaskEdit {
    Q_OBJECT
public:
    explicit TDBEdit(TComponent* AOwner);
    ~TDBEdit() override;
    QString ClassName() const override { return QStringLiteral("TDBEdit"); }

    TDataSource* DataSource() const { return m_link.DataSource(); }
    void SetDataSource(TDataSource* dataSource);
    const QString& DataField() const { return m_link.FieldName(); }
    void SetDataField(const QString& name) { m_link.SetFieldName(name); }
    TField* Field() const { return m_link.Field(); }

    void DoEnter() override;
    void DoExit() override;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

protected:
    void Change() override;
    void DefaultKeyDown(Word& key, TShiftState shift) override;
    void DefaultKeyPress(QChar& key) override;

private:
    void dataChange();
    void updateData();
    bool focusControl(TField* field);

    FieldDataLink m_link;
    bool m_focused = false;
    bool m_showingField = false;
};

} // namespace ger
