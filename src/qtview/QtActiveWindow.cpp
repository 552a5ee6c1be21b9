#include "qtview/QtActiveWindow.h"

#include <QApplication>
#include <QMainWindow>

namespace ger {

QWidget* ActiveOrMainWindow() {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(widget) && widget->isVisible())
            return widget;
    return nullptr;
}

} // namespace ger
