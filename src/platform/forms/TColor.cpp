#include "platform/forms/TColor.h"

#include <array>
#include <utility>

namespace ger {
namespace {

struct NamedColor {
    const char* name;
    TColor color;
};

constexpr std::array<NamedColor, 47> kNamedColors{{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clNone", clNone},
    {"clDefault", clDefault},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
}};

// The classic scheme of the platform's system colours, as $00BBGGRR, by index.
constexpr std::array<TColor, 25> kSystemScheme{{
    0xC8D0D4, // clScrollBar
    0xA56E3A, // clBackground
    0x6A240A, // clActiveCaption
    0x808080, // clInactiveCaption
    0xC8D0D4, // clMenu
    0xFFFFFF, // clWindow
    0x000000, // clWindowFrame
    0x000000, // clMenuText
    0x000000, // clWindowText
    0xFFFFFF, // clCaptionText
    0xC8D0D4, // clActiveBorder
    0xC8D0D4, // clInactiveBorder
    0x808080, // clAppWorkSpace
    0x6A240A, // clHighlight
    0xFFFFFF, // clHighlightText
    0xC8D0D4, // clBtnFace
    0x808080, // clBtnShadow
    0x808080, // clGrayText
    0x000000, // clBtnText
    0xC8D0D4, // clInactiveCaptionText
    0xFFFFFF, // clBtnHighlight
    0x404040, // cl3DDkShadow
    0xC8D0D4, // cl3DLight
    0x000000, // clInfoText
    0xE1FFFF, // clInfoBk
}};

} // namespace

bool ColorFromIdent(const QString& ident, TColor& color) {
    for (const NamedColor& named : kNamedColors) {
        if (ident.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0) {
            color = named.color;
            return true;
        }
    }
    return false;
}

QString ColorToIdent(TColor color) {
    for (const NamedColor& named : kNamedColors)
        if (named.color == color)
            return QLatin1String(named.name);
    return {};
}

quint32 ColorToArgb(TColor color) {
    if (color == clNone || color == clDefault)
        return 0;
    quint32 bgr = static_cast<quint32>(color);
    if (bgr & 0x80000000u) {
        const quint32 index = bgr & 0xFFu;
        if (index >= kSystemScheme.size())
            return 0;
        bgr = static_cast<quint32>(kSystemScheme[index]);
    }
    const quint32 red = bgr & 0xFFu;
    const quint32 green = (bgr >> 8) & 0xFFu;
    const quint32 blue = (bgr >> 16) & 0xFFu;
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

TColor ColorFromArgb(quint32 argb) {
    const quint32 red = (argb >> 16) & 0xFFu;
    const quint32 green = (argb >> 8) & 0xFFu;
    const quint32 blue = argb & 0xFFu;
    return static_cast<TColor>(red | (green << 8) | (blue << 16));
}

} // namespace ger
