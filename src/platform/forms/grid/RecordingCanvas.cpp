#include "platform/forms/grid/RecordingCanvas.h"

#include <QStringList>

namespace ger {

CanvasCall& RecordingCanvas::record(CanvasCall::Kind kind, const TRect& rect) {
    CanvasCall call;
    call.kind = kind;
    call.rect = rect;
    call.brush = Brush();
    call.fontColor = Font().Color;
    call.pen = Pen();
    m_calls.push_back(std::move(call));
    return m_calls.back();
}

void RecordingCanvas::FillRect(const TRect& rect) {
    record(CanvasCall::Kind::FillRect, rect);
}

void RecordingCanvas::FrameRect(const TRect& rect) {
    record(CanvasCall::Kind::FrameRect, rect);
}

void RecordingCanvas::TextRect(const TRect& rect, int x, int y, const QString& text) {
    CanvasCall& call = record(CanvasCall::Kind::TextRect, rect);
    call.at = QPoint(x, y);
    call.text = text;
}

void RecordingCanvas::TextOut(int x, int y, const QString& text) {
    CanvasCall& call =
        record(CanvasCall::Kind::TextOut, Bounds(x, y, TextWidth(text), TextHeight(text)));
    call.at = QPoint(x, y);
    call.text = text;
    SetPenPos(QPoint(x + TextWidth(text), y));
}

void RecordingCanvas::BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& source,
                                TColor transparentColor) {
    CanvasCall& call = record(CanvasCall::Kind::BrushCopy, dest);
    call.source = source;
    call.bitmap = bitmap;
    call.transparent = transparentColor;
}

void RecordingCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    CanvasCall& call =
        record(CanvasCall::Kind::Draw, Bounds(x, y, bitmap.Width(), bitmap.Height()));
    call.at = QPoint(x, y);
    call.bitmap = bitmap;
}

void RecordingCanvas::LineTo(int x, int y) {
    const QPoint from = PenPos();
    record(CanvasCall::Kind::LineTo, Rect(from.x(), from.y(), x, y));
    SetPenPos(QPoint(x, y));
}

std::vector<CanvasCall> RecordingCanvas::CallsOf(CanvasCall::Kind kind) const {
    std::vector<CanvasCall> calls;
    for (const CanvasCall& call : m_calls)
        if (call.kind == kind)
            calls.push_back(call);
    return calls;
}

QStringList RecordingCanvas::Texts() const {
    QStringList texts;
    for (const CanvasCall& call : m_calls)
        if (call.kind == CanvasCall::Kind::TextRect || call.kind == CanvasCall::Kind::TextOut)
            texts << call.text;
    return texts;
}

} // namespace ger
