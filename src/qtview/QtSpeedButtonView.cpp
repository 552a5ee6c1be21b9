#include "qtview/QtSpeedButtonView.h"

#include "platform/forms/TSpeedButton.h"
#include "qtview/QtBitmaps.h"

#include <QIcon>
#include <QPixmap>
#include <QToolButton>

namespace ger {
namespace {

QIcon glyphIcon(const TSpeedButton& button) {
    const TBitmap& glyph = button.Glyph();
    if (glyph.Empty())
        return {};
    const QImage image = ToQImage(glyph, glyph.TransparentColor());
    QIcon icon(QPixmap::fromImage(image.copy(GlyphRect(glyph, button.NumGlyphs(), 0))));
    if (button.NumGlyphs() > 1)
        icon.addPixmap(QPixmap::fromImage(image.copy(GlyphRect(glyph, button.NumGlyphs(), 1))),
                       QIcon::Disabled);
    return icon;
}

Qt::ToolButtonStyle buttonStyle(const TSpeedButton& button) {
    if (button.Caption().isEmpty())
        return Qt::ToolButtonIconOnly;
    if (button.Glyph().Empty())
        return Qt::ToolButtonTextOnly;
    return button.Layout() == blGlyphTop || button.Layout() == blGlyphBottom
               ? Qt::ToolButtonTextUnderIcon
               : Qt::ToolButtonTextBesideIcon;
}

} // namespace

QtSpeedButtonView::QtSpeedButtonView(TSpeedButton& button, QWidget* parent)
    : QtControlView(button, new QToolButton(parent)) {
    ToolButton()->setFocusPolicy(Qt::NoFocus);
}

QToolButton* QtSpeedButtonView::ToolButton() const {
    return static_cast<QToolButton*>(Widget());
}

void QtSpeedButtonView::SyncContent() {
    const auto* model = static_cast<const TSpeedButton*>(Control());
    if (!model)
        return;
    QToolButton* button = ToolButton();
    button->setAutoRaise(model->Flat());
    button->setText(model->Caption());
    button->setToolButtonStyle(buttonStyle(*model));
    const QRect glyph = GlyphRect(model->Glyph(), model->NumGlyphs(), 0);
    button->setIconSize(glyph.size());
    button->setIcon(glyphIcon(*model));
    button->setLayoutDirection(model->Layout() == blGlyphRight ? Qt::RightToLeft : Qt::LeftToRight);
}

} // namespace ger
