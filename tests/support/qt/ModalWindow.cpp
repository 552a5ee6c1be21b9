#include "support/qt/ModalWindow.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace ger::qttest {

void WhenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (!modal) {
            ADD_FAILURE() << "no modal window is up";
            return;
        }
        act(modal);
        QTimer::singleShot(0, [modal] {
            if (modal && modal->isVisible()) {
                ADD_FAILURE() << "the window is still up";
                modal->close();
            }
        });
    });
}

QPushButton* ButtonWithText(QWidget* window, const QString& text) {
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

void PressButton(QWidget* window, const QString& text) {
    if (QPushButton* button = ButtonWithText(window, text)) {
        button->click();
        return;
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    window->close();
}

} // namespace ger::qttest
