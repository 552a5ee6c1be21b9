#include "qtview/QtScreenCursor.h"

#include "platform/forms/TScreen.h"
#include "qtview/QtKeys.h"

#include <QCursor>
#include <QGuiApplication>

namespace ger {

QtScreenCursor::QtScreenCursor() {
    connect(&Screen(), &TScreen::cursorChanged, this, &QtScreenCursor::follow);
    follow(Screen().Cursor());
}

QtScreenCursor::~QtScreenCursor() {
    follow(crDefault);
}

void QtScreenCursor::follow(TCursor cursor) {
    if (cursor == crDefault) {
        if (m_overriding)
            QGuiApplication::restoreOverrideCursor();
        m_overriding = false;
        return;
    }
    const QCursor shape(CursorShapeOf(cursor));
    if (m_overriding)
        QGuiApplication::changeOverrideCursor(shape);
    else
        QGuiApplication::setOverrideCursor(shape);
    m_overriding = true;
}

} // namespace ger
