#pragma once
// TCanvas: the drawing surface that owner-drawing code gets from a control (the grid's
// Canvas() while it paints), QtCore only. Brush, Font and Pen are the current drawing state;
// every call uses them as they are at the moment of the call:
//
//   FillRect(r)            fills r with the brush colour
//   FrameRect(r)           a one-pixel frame inside r in the brush colour
//   TextRect(r, x, y, s)   fills r with the brush (unless bsClear), then writes s with its top
//                          left at (x, y) in the font, clipped to r
//   TextOut(x, y, s)       writes s at (x, y), its ground filled with the brush
//   BrushCopy(d, b, s, c)  copies the part s of bitmap b into d (scaled to fit), pixels of
//                          colour c taking the brush colour instead: the platform's way to draw
//                          a picture "transparently" on a cell of any colour
//   Draw(x, y, b)          copies b unscaled with its top left at (x, y)
//   MoveTo, LineTo         a line in the pen from the pen position
//
// The Qt renderer paints each call; RecordingCanvas keeps them for tests and for text dumps.
// TextWidth and TextHeight measure in the font: the base class estimates from the font's
// height (a renderer with real fonts overrides them).

#include "platform/forms/TBitmap.h"
#include "platform/forms/TFont.h"
#include "platform/forms/grid/TBrush.h"
#include "platform/forms/grid/TPen.h"
#include "platform/forms/grid/TRect.h"

#include <QPoint>
#include <QString>

namespace ger {

class TCanvas {
public:
    TCanvas() = default;
    virtual ~TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TBrush& Brush() { return m_brush; }
    const TBrush& Brush() const { return m_brush; }
    TFont& Font() { return m_font; }
    const TFont& Font() const { return m_font; }
    TPen& Pen() { return m_pen; }
    const TPen& Pen() const { return m_pen; }
    QPoint PenPos() const { return m_penPos; }

    virtual void FillRect(const TRect& rect) = 0;
    virtual void FrameRect(const TRect& rect) = 0;
    virtual void TextRect(const TRect& rect, int x, int y, const QString& text) = 0;
    virtual void TextOut(int x, int y, const QString& text) = 0;
    virtual void BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& source,
                           TColor transparentColor) = 0;
    virtual void Draw(int x, int y, const TBitmap& bitmap) = 0;
    virtual void MoveTo(int x, int y) { m_penPos = QPoint(x, y); }
    virtual void LineTo(int x, int y) = 0;

    virtual int TextWidth(const QString& text) const;
    virtual int TextHeight(const QString& text) const;

protected:
    void SetPenPos(const QPoint& position) { m_penPos = position; }

private:
    TBrush m_brush;
    TFont m_font;
    TPen m_pen;
    QPoint m_penPos;
};

} // namespace ger
