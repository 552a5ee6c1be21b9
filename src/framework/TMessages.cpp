#include "framework/TMessages.h"

#include "framework/FrameworkExceptions.h"
#include "platform/core/ComponentRegistry.h"
#include "platform/forms/IDialogService.h"
#include "platform/forms/PropertyReading.h"
#include "platform/forms/TApplication.h"

namespace ger {
namespace {

constexpr QChar Separator = QLatin1Char('|');

bool KeyMatches(const QString& line, const QString& key) {
    const qsizetype bar = line.indexOf(Separator);
    return bar >= 0 && QStringView(line).left(bar).compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace

TMessages::TMessages(TComponent* AOwner)
    : TComponent(AOwner) {}

const QString* TMessages::FindLine(const QString& key) const {
    for (const QString& line : m_lines)
        if (KeyMatches(line, key))
            return &line;
    return nullptr;
}

bool TMessages::HasMsg(const QString& key) const {
    return FindLine(key) != nullptr;
}

QString TMessages::Msg(const QString& key) const {
    const QString* line = FindLine(key);
    if (!line)
        throw EMessageKeyError(QStringLiteral("%1.Msg: no message with the key '%2'")
                                   .arg(Name().isEmpty() ? ClassName() : Name(), key));
    return line->mid(line->indexOf(Separator) + 1);
}

TModalResult TMessages::ShowMsg(const QString& key, TMsgDlgType type, TMsgDlgButtons buttons,
                                int) const {
    const QString text = Msg(key);
    return Application().Dialogs().MessageDlg(text, type, buttons);
}

void TMessages::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (IsProperty(property, "Messages.Strings"))
        m_lines = property.value.asList(property.name);
    else
        TComponent::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TMessages)

} // namespace ger
