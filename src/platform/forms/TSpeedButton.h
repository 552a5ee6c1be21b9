#pragma once
// TSpeedButton: a toolbar button drawn on its parent (a graphic control): clicking it runs
// OnClick and leaves the focus where it is, so the focused edit's OnExit does not run. A
// disabled one ignores clicks. Glyph is its optional picture (several images side by side when
// NumGlyphs > 1: normal, disabled, down).

#include "platform/forms/TBitmap.h"
#include "platform/forms/TGraphicControl.h"

namespace ger {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TSpeedButton : public TGraphicControl {
    Q_OBJECT
public:
    explicit TSpeedButton(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TSpeedButton"); }

    bool Flat() const { return m_flat; }
    void SetFlat(bool value);
    const TBitmap& Glyph() const { return m_glyph; }
    void SetGlyph(const TBitmap& glyph);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int value);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);

    void UserClick(const QPoint& at) override;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

private:
    bool m_flat = false;
    TBitmap m_glyph;
    int m_numGlyphs = 1;
    TButtonLayout m_layout = blGlyphLeft;
    bool m_transparent = true;
};

} // namespace ger
