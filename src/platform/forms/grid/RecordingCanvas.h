#pragma once
// RecordingCanvas: a canvas that draws nothing and keeps every call with the drawing state it
// was made in, so that tests can check what a control (or an OnDrawColumnCell handler) drew,
// and a text dump can list it.
//
//   RecordingCanvas canvas;
//   grid->Paint(canvas);
//   for (const CanvasCall& call : canvas.CallsOf(CanvasCall::Kind::BrushCopy)) ...

#include "platform/forms/grid/TCanvas.h"

#include <QStringList>
#include <vector>

namespace ger {

struct CanvasCall {
    enum class Kind { FillRect, FrameRect, TextRect, TextOut, BrushCopy, Draw, LineTo };

    Kind kind = Kind::FillRect;
    TRect rect;     // the rectangle drawn into; for LineTo: from (Left, Top) to (Right, Bottom)
    TRect source;   // BrushCopy: the part of the bitmap copied
    QPoint at;      // TextRect, TextOut, Draw: where the text or bitmap starts
    QString text;   // TextRect, TextOut
    TBitmap bitmap; // BrushCopy, Draw
    TColor transparent = clNone; // BrushCopy
    TBrush brush;
    TColor fontColor = clWindowText;
    TPen pen;
};

class RecordingCanvas : public TCanvas {
public:
    void FillRect(const TRect& rect) override;
    void FrameRect(const TRect& rect) override;
    void TextRect(const TRect& rect, int x, int y, const QString& text) override;
    void TextOut(int x, int y, const QString& text) override;
    void BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& source,
                   TColor transparentColor) override;
    void Draw(int x, int y, const TBitmap& bitmap) override;
    void LineTo(int x, int y) override;

    const std::vector<CanvasCall>& Calls() const { return m_calls; }
    std::vector<CanvasCall> CallsOf(CanvasCall::Kind kind) const;
    // The texts written (TextRect and TextOut), in order.
    QStringList Texts() const;
    void Clear() { m_calls.clear(); }

private:
    CanvasCall& record(CanvasCall::Kind kind, const TRect& rect);

    std::vector<CanvasCall> m_calls;
};

} // namespace ger
