#include "qtview/QtColors.h"

#include <QPalette>
#include <QWidget>

namespace ger {

QColor ToQColor(TColor color) {
    if (color == clNone)
        return QColor(Qt::transparent);
    return QColor::fromRgba(ColorToArgb(color));
}

namespace {

// The platform's bitmap sans serif has no counterpart here; Liberation Sans (Arial's metrics)
// comes closest in width, so that column titles and captions laid out for it still fit.
// DejaVu Sans, wider by a tenth, is the fallback.
void substitutePlatformFonts() {
    static const bool done = [] {
        for (const char* name : {"MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2"})
            QFont::insertSubstitutions(QString::fromLatin1(name),
                                       {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                        QStringLiteral("DejaVu Sans")});
        return true;
    }();
    (void)done;
}

} // namespace

QFont ToQFont(const TFont& font) {
    substitutePlatformFonts();
    QFont result(font.Name);
    if (font.Height < 0)
        result.setPixelSize(-font.Height);
    else if (font.Height > 0)
        result.setPixelSize(std::max(1, font.Height * 4 / 5));
    result.setBold(font.Style.testFlag(fsBold));
    result.setItalic(font.Style.testFlag(fsItalic));
    result.setUnderline(font.Style.testFlag(fsUnderline));
    result.setStrikeOut(font.Style.testFlag(fsStrikeOut));
    if (font.Pitch == fpFixed)
        result.setStyleHint(QFont::Monospace);
    return result;
}

const QColor DisabledTextColor(0x50, 0x50, 0x50);

void ApplyColors(QWidget& widget, TColor background, const TFont& font, bool fillBackground) {
    QPalette palette = widget.palette();
    const QColor ground = ToQColor(background);
    const QColor text = ToQColor(font.Color);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, ground);
        palette.setColor(group, QPalette::Base, ground);
        palette.setColor(group, QPalette::Button, ground);
    }
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::ButtonText, text);
    }
    // A disabled control still shows data (the branch's name beside its code): grey, but dark
    // enough to read on the button face, as the platform's clGrayText is.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, DisabledTextColor);
    widget.setPalette(palette);
    widget.setAutoFillBackground(fillBackground);
    const QFont qfont = ToQFont(font);
    if (widget.font() != qfont)
        widget.setFont(qfont);
}

} // namespace ger
