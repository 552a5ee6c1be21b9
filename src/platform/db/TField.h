#pragma once
// A column of a dataset as code and controls see it: its name, display properties and the
// value it has on the dataset's current record. A field holds no value itself; it reads and
// writes through its DataSet, which keeps the record.
//
// Persistent fields are declared in form data nested inside their dataset and owned by the
// form; the loader's SetParentComponent(dataset) attaches them. A dataset without persistent
// fields creates its own (owned by the dataset, unnamed) when it opens and frees them when it
// closes.
//
// Values: IsNull tells NULL from the empty string. AsString is the one accessor that reads a
// NULL as the empty string, as the platform does; AsVariant gives a null QVariant for NULL.
// Assigning needs the dataset in edit or insert state ("Dataset not in edit or insert mode"
// otherwise) and a field that is not ReadOnly.

#include "platform/core/TComponent.h"
#include "platform/db/DbTypes.h"

#include <QStringList>
#include <QVariant>
#include <optional>

namespace ger {

class TField : public TComponent {
public:
    explicit TField(TComponent* AOwner);
    ~TField() override;

    QString ClassName() const override { return QStringLiteral("TField"); }
    virtual TFieldType DataType() const { return ftUnknown; }

    TDataSet* DataSet() const { return m_dataSet; }
    // Moves the field to another dataset (or none); neither may be open.
    void SetDataSet(TDataSet* dataSet);
    // Position among the dataset's fields, 0-based; -1 without a dataset.
    int Index() const;
    void SetIndex(int index);

    const QString& FieldName() const { return m_fieldName; }
    void SetFieldName(const QString& name);
    int Size() const { return m_size; }
    void SetSize(int size);
    // DisplayLabel falls back to FieldName when none was set.
    QString DisplayLabel() const;
    void SetDisplayLabel(const QString& label);
    QString DisplayName() const { return DisplayLabel(); }
    int DisplayWidth() const;
    void SetDisplayWidth(int width);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool Required() const { return m_required; }
    void SetRequired(bool required) { m_required = required; }
    const QString& EditMask() const { return m_editMask; }
    void SetEditMask(const QString& mask);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    const QString& Origin() const { return m_origin; }
    void SetOrigin(const QString& origin) { m_origin = origin; }
    const QStringList& ProviderFlags() const { return m_providerFlags; }
    void SetProviderFlags(const QStringList& flags) { m_providerFlags = flags; }

    // The value on the dataset's current record (or on the record a grid is drawing).
    std::optional<QString> Value() const;
    bool IsNull() const { return !Value().has_value(); }
    // NULL reads as the empty string.
    QString AsString() const { return Value().value_or(QString()); }
    virtual void SetAsString(const QString& value);
    QVariant AsVariant() const;
    // A null QVariant stores NULL; anything else is stored as its string.
    virtual void SetAsVariant(const QVariant& value);
    void Clear();

    // The text for editing and for display: through OnGetText when assigned.
    QString Text() const;
    QString DisplayText() const;
    // Through OnSetText when assigned, otherwise SetAsString.
    void SetText(const QString& text);

    // Asks the controls showing this field to take the focus on it.
    void FocusControl();

    TFieldGetTextEvent OnGetText;
    TFieldSetTextEvent OnSetText;
    TFieldNotifyEvent OnChange;
    TFieldNotifyEvent OnValidate;

    void SetParentComponent(TComponent* parent) override;
    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

protected:
    // The text without OnGetText; DisplayText is true for display, false for editing.
    virtual QString GetText(bool displayText) const;
    void StoreValue(std::optional<QString> value, const QString& operation);
    // Raises EDatabaseError naming the field's dataset, the field and the operation.
    [[noreturn]] void Error(const QString& operation, const QString& message) const;
    // Tells open datasets' controls that a display property changed.
    void PropertyChanged(bool layoutAffected);

private:
    friend class TDataSet;

    TDataSet* m_dataSet = nullptr;
    int m_column = -1; // storage column while the dataset is open
    QString m_fieldName;
    QString m_displayLabel;
    QString m_editMask;
    QString m_origin;
    QStringList m_providerFlags;
    int m_size = 0;
    int m_displayWidth = -1;
    TAlignment m_alignment = taLeftJustify;
    bool m_visible = true;
    bool m_readOnly = false;
    bool m_required = false;
};

} // namespace ger
