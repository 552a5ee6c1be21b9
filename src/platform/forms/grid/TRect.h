#pragma once
// TRect: a rectangle as the platform gives it to drawing code, Left, Top, Right, Bottom, with
// Right and Bottom just outside it: the cell from x 10 to 19 is Left 10, Right 20, Width 10.

#include <QPoint>
#include <QRect>

namespace ger {

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(const QPoint& point) const {
        return point.x() >= Left && point.x() < Right && point.y() >= Top && point.y() < Bottom;
    }
    QPoint Center() const { return {(Left + Right) / 2, (Top + Bottom) / 2}; }
    QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }

    friend bool operator==(const TRect&, const TRect&) = default;
};

// The platform's Rect(ALeft, ATop, ARight, ABottom) and Bounds(ALeft, ATop, AWidth, AHeight).
constexpr TRect Rect(int left, int top, int right, int bottom) {
    return TRect{left, top, right, bottom};
}
constexpr TRect Bounds(int left, int top, int width, int height) {
    return TRect{left, top, left + width, top + height};
}

} // namespace ger
