#pragma once
// TDBText: a label showing the DisplayText of one field of the data source's current record
// (DataSource, DataField); empty without a field. Like any label it never takes the focus.

#include "platform/forms/TLabel.h"
#include "platform/forms/dbctrls/FieldDataLink.h"

namespace ger {

class TDataSource;
class TField;

class TDBText : public TLabel {
    Q_OBJECT
public:
    explicit TDBText(TComponent* AOwner);
    ~TDBText() override;
    QString ClassName() const override { return QStringLiteral("TDBText"); }

    TDataSource* DataSource() const { return m_link.DataSource(); }
    void SetDataSource(TDataSource* dataSource);
    const QString& DataField() const { return m_link.FieldName(); }
    void SetDataField(const QString& name) { m_link.SetFieldName(name); }
    TField* Field() const { return m_link.Field(); }

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

private:
    void dataChange();

    FieldDataLink m_link;
};

} // namespace ger
