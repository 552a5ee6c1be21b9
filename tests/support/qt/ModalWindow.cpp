#include "support/qt/ModalWindow.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace ger::qttest {

namespace {

// A window that loads its data while it is being shown (with a progress window, which runs
// events) is up only some event loops later: the check is repeated until then. A modal window
// already up when the act was queued (the dialog a message box is to open over) is not it.
constexpr int PollMs = 10;
constexpr int MaxPolls = 500;

void actWhenUp(std::function<void(QWidget*)> act, int pollsLeft, QPointer<QWidget> before) {
    QPointer<QWidget> modal = QApplication::activeModalWidget();
    if (!modal || modal == before) {
        if (pollsLeft > 0)
            QTimer::singleShot(PollMs, [act = std::move(act), pollsLeft, before]() mutable {
                actWhenUp(std::move(act), pollsLeft - 1, before);
            });
        else
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
}

} // namespace

void WhenModal(std::function<void(QWidget*)> act) {
    QPointer<QWidget> before = QApplication::activeModalWidget();
    QTimer::singleShot(0, [act = std::move(act), before]() mutable {
        actWhenUp(std::move(act), MaxPolls, before);
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
