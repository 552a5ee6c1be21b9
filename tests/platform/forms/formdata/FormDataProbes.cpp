#include "FormDataProbes.h"

#include "platform/core/ComponentRegistry.h"

namespace ger::test {
namespace {

const QStringList KeptAsRead = {"Caption", "Items.Strings", "Columns", "Font.Style",
                                "Picture.Data"};

bool is(const QString& name, const char* wanted) {
    return name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0;
}

} // namespace

void TProbe::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    const QString& name = property.name;
    if (is(name, "OnExit"))
        OnExit = context.Handler<void(TObject*)>(property.value.asIdentifier(name));
    else if (is(name, "OnChange"))
        OnChange = context.Handler<void(TObject*)>(property.value.asIdentifier(name));
    else if (is(name, "OnKeyPress"))
        OnKeyPress = context.Handler<void(TObject*, QChar&)>(property.value.asIdentifier(name));
    else if (is(name, "DataSource"))
        context.Reference(property.value.asIdentifier(name),
                          [this](TComponent* c) { DataSource = c; });
    else if (is(name, "Left"))
        left = property.value.asInteger(name);
    else if (is(name, "Text"))
        SetText(property.value.asString(name));
    else if (KeptAsRead.contains(name, Qt::CaseInsensitive))
        values.insert(name, property.value);
    else
        return TComponent::ReadProperty(property, context);
    propertiesRead.append(name);
}

void TProbe::SetText(const QString& value) {
    text = value;
    if (!IsLoading()) {
        ++changeCount;
        if (OnChange)
            OnChange(this);
    }
}

const FormDataValue& TProbe::value(const QString& property) const {
    static const FormDataValue none;
    auto it = values.constFind(property);
    return it == values.constEnd() ? none : *it;
}

void TProbe::Loaded() {
    ++loadedCount;
    auto* form = dynamic_cast<TProbeForm*>(Owner());
    if (!form)
        form = dynamic_cast<TProbeForm*>(this);
    if (form)
        form->loadedOrder.append(Name());
}

TProbeFrame::TProbeFrame(TComponent* owner)
    : TProbe(owner) {
    (new TProbeEdit(this))->SetName(QStringLiteral("edtInner"));
}

} // namespace ger::test

using namespace ger::test;
GER_REGISTER_COMPONENT(TProbePanel)
GER_REGISTER_COMPONENT(TProbeEdit)
GER_REGISTER_COMPONENT(TProbeFrame)
GER_REGISTER_COMPONENT(TProbeLeaf)
