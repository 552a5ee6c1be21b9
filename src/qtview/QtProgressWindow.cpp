#include "qtview/QtProgressWindow.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace ger {
namespace {

// How long Present waits for the window system to show the window before the caller blocks.
constexpr int ExposeWaitMs = 500;

} // namespace

QtProgressWindow::QtProgressWindow(QWidget* over, int kind, const QString& text)
    : QWidget(over ? over->window() : nullptr,
              Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    , m_kind(kind)
    , m_label(new QLabel(text, this))
    , m_bar(new QProgressBar(this)) {
    setObjectName(QStringLiteral("progressWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setVisible(!text.isEmpty());
    m_bar->setRange(0, 0);
    m_bar->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    setMinimumWidth(280);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

QtProgressWindow::~QtProgressWindow() {
    QGuiApplication::restoreOverrideCursor();
}

QString QtProgressWindow::Text() const {
    return m_label->text();
}

void QtProgressWindow::Present(QWidget* over) {
    adjustSize();
    QRect area;
    if (over && over->isVisible())
        area = QRect(over->mapToGlobal(QPoint(0, 0)), over->size());
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(area.center());
    move(frame.topLeft());
    show();
    raise();
    // The window system maps a window only when its events are read; user input stays queued
    // for after the call, so nothing of the screen runs meanwhile.
    const QDeadlineTimer deadline(ExposeWaitMs);
    while (windowHandle() && !windowHandle()->isExposed() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    repaint();
    QGuiApplication::sync();
}

} // namespace ger
