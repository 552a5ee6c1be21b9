#include "platform/db/TField.h"

#include "platform/core/Exception.h"
#include "platform/core/FormDataContext.h"
#include "platform/db/EDatabaseError.h"
#include "platform/db/TDataSet.h"

namespace ger {

namespace {

bool is(const QString& name, const char* wanted) {
    return name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0;
}

TAlignment alignmentFrom(const FormDataProperty& property) {
    const QString value = property.value.asIdentifier(property.name);
    if (is(value, "taLeftJustify"))
        return taLeftJustify;
    if (is(value, "taRightJustify"))
        return taRightJustify;
    if (is(value, "taCenter"))
        return taCenter;
    throw EFormDataError(
        QStringLiteral("Property %1: unknown alignment %2").arg(property.name, value));
}

} // namespace

TField::TField(TComponent* AOwner)
    : TComponent(AOwner) {}

TField::~TField() {
    if (m_dataSet)
        m_dataSet->RemoveField(this);
}

void TField::Error(const QString& operation, const QString& message) const {
    const TComponent* who = m_dataSet ? static_cast<const TComponent*>(m_dataSet) : this;
    const QString field = m_fieldName.isEmpty() ? Name() : m_fieldName;
    DatabaseError(who, field.isEmpty() ? operation : field + QLatin1Char('.') + operation, message);
}

void TField::SetDataSet(TDataSet* dataSet) {
    if (dataSet == m_dataSet)
        return;
    if ((m_dataSet && m_dataSet->Active()) || (dataSet && dataSet->Active()))
        Error(QStringLiteral("SetDataSet"),
              QStringLiteral("Cannot perform this operation on an open dataset"));
    if (m_dataSet)
        m_dataSet->RemoveField(this);
    if (dataSet)
        dataSet->AddField(this);
}

int TField::Index() const {
    if (!m_dataSet)
        return -1;
    for (int i = 0; i < m_dataSet->FieldCount(); ++i)
        if (m_dataSet->Fields(i) == this)
            return i;
    return -1;
}

void TField::SetIndex(int index) {
    if (m_dataSet)
        m_dataSet->MoveField(this, index);
}

void TField::SetFieldName(const QString& name) {
    if (m_dataSet && m_dataSet->Active())
        Error(QStringLiteral("SetFieldName"),
              QStringLiteral("Cannot perform this operation on an open dataset"));
    m_fieldName = name;
}

void TField::SetSize(int size) {
    if (m_dataSet && m_dataSet->Active())
        Error(QStringLiteral("SetSize"),
              QStringLiteral("Cannot perform this operation on an open dataset"));
    if (size < 0)
        Error(QStringLiteral("SetSize"), QStringLiteral("Invalid field size %1").arg(size));
    m_size = size;
}

QString TField::DisplayLabel() const {
    return m_displayLabel.isEmpty() ? m_fieldName : m_displayLabel;
}

void TField::SetDisplayLabel(const QString& label) {
    m_displayLabel = label;
    PropertyChanged(true);
}

int TField::DisplayWidth() const {
    return m_displayWidth >= 0 ? m_displayWidth : m_size;
}

void TField::SetDisplayWidth(int width) {
    m_displayWidth = width;
    PropertyChanged(true);
}

void TField::SetVisible(bool visible) {
    m_visible = visible;
    PropertyChanged(true);
}

void TField::SetEditMask(const QString& mask) {
    m_editMask = mask;
    PropertyChanged(false);
}

void TField::SetAlignment(TAlignment alignment) {
    m_alignment = alignment;
    PropertyChanged(false);
}

void TField::PropertyChanged(bool layoutAffected) {
    if (m_dataSet && m_dataSet->Active())
        m_dataSet->DataEvent(layoutAffected ? TDataEvent::deLayoutChange
                                            : TDataEvent::deDataSetChange);
}

std::optional<QString> TField::Value() const {
    if (!m_dataSet)
        return std::nullopt;
    return m_dataSet->FieldValue(this);
}

void TField::StoreValue(std::optional<QString> value, const QString& operation) {
    if (!m_dataSet)
        Error(operation, QStringLiteral("Field '%1' has no dataset").arg(DisplayName()));
    m_dataSet->SetFieldValue(this, std::move(value), operation);
}

void TField::SetAsString(const QString& value) {
    StoreValue(value, QStringLiteral("SetAsString"));
}

QVariant TField::AsVariant() const {
    const std::optional<QString> value = Value();
    return value ? QVariant(*value) : QVariant();
}

void TField::SetAsVariant(const QVariant& value) {
    if (value.isNull())
        StoreValue(std::nullopt, QStringLiteral("SetAsVariant"));
    else
        SetAsString(value.toString());
}

void TField::Clear() {
    StoreValue(std::nullopt, QStringLiteral("Clear"));
}

QString TField::GetText(bool) const {
    return AsString();
}

QString TField::Text() const {
    QString text;
    if (OnGetText)
        OnGetText(const_cast<TField*>(this), text, false);
    else
        text = GetText(false);
    return text;
}

QString TField::DisplayText() const {
    QString text;
    if (OnGetText)
        OnGetText(const_cast<TField*>(this), text, true);
    else
        text = GetText(true);
    return text;
}

void TField::SetText(const QString& text) {
    if (OnSetText)
        OnSetText(this, text);
    else
        SetAsString(text);
}

void TField::FocusControl() {
    if (m_dataSet && m_dataSet->Active())
        m_dataSet->FocusControlEvent(this);
}

void TField::SetParentComponent(TComponent* parent) {
    auto* dataSet = dynamic_cast<TDataSet*>(parent);
    if (!dataSet)
        throw EFormDataError(QStringLiteral("%1 (%2) can only be declared inside a dataset")
                                 .arg(Name(), ClassName()));
    SetDataSet(dataSet);
}

void TField::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    const QString& name = property.name;
    const FormDataValue& value = property.value;
    if (is(name, "FieldName"))
        m_fieldName = value.asString(name);
    else if (is(name, "Size"))
        SetSize(static_cast<int>(value.asInteger(name)));
    else if (is(name, "DisplayLabel"))
        m_displayLabel = value.asString(name);
    else if (is(name, "DisplayWidth"))
        m_displayWidth = static_cast<int>(value.asInteger(name));
    else if (is(name, "Visible"))
        m_visible = value.asBoolean(name);
    else if (is(name, "ReadOnly"))
        m_readOnly = value.asBoolean(name);
    else if (is(name, "Required"))
        m_required = value.asBoolean(name);
    else if (is(name, "EditMask"))
        m_editMask = value.asString(name);
    else if (is(name, "Alignment"))
        m_alignment = alignmentFrom(property);
    else if (is(name, "Origin"))
        m_origin = value.asString(name);
    else if (is(name, "ProviderFlags"))
        m_providerFlags = value.asSet(name);
    else if (is(name, "Index"))
        SetIndex(static_cast<int>(value.asInteger(name)));
    else if (is(name, "FieldKind")) {
        if (!is(value.asIdentifier(name), "fkData"))
            throw EFormDataError(
                QStringLiteral("%1.%2: only data fields are supported").arg(Name(), name));
    } else if (is(name, "OnGetText"))
        OnGetText = context.Handler<void(TField*, QString&, bool)>(value.asIdentifier(name));
    else if (is(name, "OnSetText"))
        OnSetText = context.Handler<void(TField*, const QString&)>(value.asIdentifier(name));
    else if (is(name, "OnChange"))
        OnChange = context.Handler<void(TField*)>(value.asIdentifier(name));
    else if (is(name, "OnValidate"))
        OnValidate = context.Handler<void(TField*)>(value.asIdentifier(name));
    else
        TComponent::ReadProperty(property, context);
}

} // namespace ger
