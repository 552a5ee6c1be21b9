#include "host/core/KeyNames.h"

#include "platform/forms/UserInput.h"

#include <array>

namespace ger {
namespace {

struct NamedKey {
    const char16_t* name;
    Word key;
};

constexpr std::array kNamedKeys{
    NamedKey{u"Tab", VK_TAB},        NamedKey{u"Enter", VK_RETURN},  NamedKey{u"Escape", VK_ESCAPE},
    NamedKey{u"Space", VK_SPACE},    NamedKey{u"Insert", VK_INSERT}, NamedKey{u"Delete", VK_DELETE},
    NamedKey{u"Backspace", VK_BACK}, NamedKey{u"Up", VK_UP},         NamedKey{u"Down", VK_DOWN},
    NamedKey{u"Left", VK_LEFT},      NamedKey{u"Right", VK_RIGHT},   NamedKey{u"PageUp", VK_PRIOR},
    NamedKey{u"PageDown", VK_NEXT},  NamedKey{u"Home", VK_HOME},     NamedKey{u"End", VK_END},
};

std::optional<Word> FunctionKey(const QString& name) {
    if (name.size() < 2 || name.front().toUpper() != u'F')
        return std::nullopt;
    bool ok = false;
    const int number = name.mid(1).toInt(&ok);
    if (!ok || number < 1 || number > 12 || name.mid(1).startsWith(u'0'))
        return std::nullopt;
    return static_cast<Word>(VK_F1 + number - 1);
}

} // namespace

std::optional<std::pair<Word, TShiftState>> ParseKeyName(const QString& name) {
    if (name.size() == 1) {
        const auto typed = UserInput::KeyForChar(name.front());
        if (typed.first == 0)
            return std::nullopt;
        return typed;
    }
    for (const NamedKey& named : kNamedKeys)
        if (name.compare(QString::fromUtf16(named.name), Qt::CaseInsensitive) == 0)
            return std::pair{named.key, TShiftState()};
    if (const auto key = FunctionKey(name))
        return std::pair{*key, TShiftState()};
    return std::nullopt;
}

std::optional<TShiftStateFlag> ParseShiftName(const QString& name) {
    if (name.compare(u"Shift", Qt::CaseInsensitive) == 0)
        return ssShift;
    if (name.compare(u"Ctrl", Qt::CaseInsensitive) == 0)
        return ssCtrl;
    if (name.compare(u"Alt", Qt::CaseInsensitive) == 0)
        return ssAlt;
    return std::nullopt;
}

} // namespace ger
