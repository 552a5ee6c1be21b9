#pragma once
// QtCanvas: the model's drawing surface (TCanvas) painted with a QPainter. Owner-drawing code
// (a grid's OnDrawColumnCell) draws through it exactly as through the recording canvas of the
// tests: each call uses the brush, font and pen as they are at the moment of the call. Rects
// follow the platform: Right and Bottom lie just outside; LineTo leaves out its end point.

#include "platform/forms/grid/TCanvas.h"

class QPainter;

namespace ger {

class QtCanvas : public TCanvas {
public:
    // Paints on `painter`, whose origin is the control's client origin.
    explicit QtCanvas(QPainter& painter);

    void FillRect(const TRect& rect) override;
    void FrameRect(const TRect& rect) override;
    void TextRect(const TRect& rect, int x, int y, const QString& text) override;
    void TextOut(int x, int y, const QString& text) override;
    void BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& source,
                   TColor transparentColor) override;
    void Draw(int x, int y, const TBitmap& bitmap) override;
    void LineTo(int x, int y) override;

    int TextWidth(const QString& text) const override;
    int TextHeight(const QString& text) const override;

private:
    void drawText(const QRect& clip, int x, int y, const QString& text);

    QPainter& m_painter;
};

} // namespace ger
