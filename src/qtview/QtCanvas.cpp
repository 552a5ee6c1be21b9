#include "qtview/QtCanvas.h"

#include "qtview/QtBitmaps.h"
#include "qtview/QtColors.h"

#include <QFontMetrics>
#include <QPainter>

namespace ger {

QtCanvas::QtCanvas(QPainter& painter)
    : m_painter(painter) {}

void QtCanvas::FillRect(const TRect& rect) {
    if (Brush().Style == bsClear || rect.IsEmpty())
        return;
    m_painter.fillRect(rect.ToQRect(), ToQColor(Brush().Color));
}

void QtCanvas::FrameRect(const TRect& rect) {
    if (rect.IsEmpty())
        return;
    const QColor color = ToQColor(Brush().Color);
    const QRect r = rect.ToQRect();
    m_painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
    m_painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
    m_painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
    m_painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
}

void QtCanvas::drawText(const QRect& clip, int x, int y, const QString& text) {
    m_painter.save();
    if (clip.isValid())
        m_painter.setClipRect(clip, Qt::IntersectClip);
    m_painter.setFont(ToQFont(Font()));
    m_painter.setPen(ToQColor(Font().Color));
    const QFontMetrics metrics(m_painter.font());
    m_painter.drawText(QPoint(x, y + metrics.ascent()), text);
    m_painter.restore();
}

void QtCanvas::TextRect(const TRect& rect, int x, int y, const QString& text) {
    FillRect(rect);
    drawText(rect.ToQRect(), x, y, text);
}

void QtCanvas::TextOut(int x, int y, const QString& text) {
    const QRect ground(x, y, TextWidth(text), TextHeight(text));
    if (Brush().Style != bsClear)
        m_painter.fillRect(ground, ToQColor(Brush().Color));
    drawText(QRect(), x, y, text);
    SetPenPos(QPoint(x + ground.width(), y));
}

// Pixels of the transparent colour take the brush colour; a source reaching past the bitmap
// draws nothing there.
void QtCanvas::BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& source,
                         TColor transparentColor) {
    if (dest.IsEmpty() || source.IsEmpty() || bitmap.Empty())
        return;
    QImage part = ToQImage(bitmap).copy(source.ToQRect());
    const QRgb key = ColorToArgb(transparentColor) | 0xFF000000u;
    const QRgb brush = ToQColor(Brush().Color).rgba();
    for (int y = 0; y < part.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x)
            if (line[x] == key)
                line[x] = brush;
    }
    m_painter.drawImage(dest.ToQRect(), part);
}

void QtCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    m_painter.drawImage(QPoint(x, y), ToQImage(bitmap));
}

void QtCanvas::LineTo(int x, int y) {
    const QPoint from = PenPos();
    const QPoint to(x, y);
    QPoint last = to;
    if (from.y() == to.y() && from.x() != to.x())
        last.rx() += from.x() < to.x() ? -1 : 1;
    else if (from.x() == to.x() && from.y() != to.y())
        last.ry() += from.y() < to.y() ? -1 : 1;
    m_painter.save();
    QPen pen(ToQColor(Pen().Color));
    pen.setWidth(std::max(1, Pen().Width));
    m_painter.setPen(pen);
    if (from != to)
        m_painter.drawLine(from, last);
    m_painter.restore();
    SetPenPos(to);
}

int QtCanvas::TextWidth(const QString& text) const {
    return QFontMetrics(ToQFont(Font())).horizontalAdvance(text);
}

int QtCanvas::TextHeight(const QString&) const {
    return QFontMetrics(ToQFont(Font())).height();
}

} // namespace ger
