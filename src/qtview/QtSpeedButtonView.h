#pragma once
// QtSpeedButtonView: a toolbar button drawn on its parent (TSpeedButton, and the framework's
// flat and lookup buttons derived from it) as a QToolButton with no focus at all (Qt::NoFocus),
// since clicking one must leave the focused control, and its OnExit, alone. Flat buttons are
// auto-raised; the hint is the tool tip; the glyph's first image is the icon (its second, when
// NumGlyphs gives one, the disabled icon), with the glyph's bottom-left colour transparent.

#include "qtview/QtControlView.h"

class QToolButton;

namespace ger {

class TSpeedButton;

class QtSpeedButtonView : public QtControlView {
    Q_OBJECT
public:
    QtSpeedButtonView(TSpeedButton& button, QWidget* parent);
    QToolButton* ToolButton() const;

protected:
    void SyncContent() override;
    bool FillsBackground() const override { return false; }
};

} // namespace ger
