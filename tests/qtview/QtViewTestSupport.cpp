#include "QtViewTestSupport.h"

#include "platform/forms/TScreen.h"
#include "qtview/QtControlView.h"

#include <cstdio>

// LeakSanitizer reads this in sanitizer builds: fontconfig keeps its caches for the life of
// the process, which the offscreen platform's font database loads.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace ger::qtviewtest {

namespace {

// The offscreen platform cannot raise windows or pass size hints to a window manager, and says
// so each time; nothing else of Qt's chatter is dropped.
QtMessageHandler standardHandler = nullptr;

void quietOffscreenLimits(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (standardHandler)
        standardHandler(type, context, text);
    else
        fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

} // namespace

void EnsureApplication() {
    if (QApplication::instance())
        return;
    standardHandler = qInstallMessageHandler(quietOffscreenLimits);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_qtview";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

void ProcessPending() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtViewTest::SetUp() {
    form = new TForm(&Application());
    form->SetName(QStringLiteral("frmTeste"));
    form->SetCaption(QStringLiteral("Teste"));
    form->SetBounds(0, 0, 400, 300);
    form->SetBorderStyle(bsSizeable);
}

void QtViewTest::TearDown() {
    Application().DestroyForms();
    Application().SetMainForm(nullptr);
    Screen().SetCursor(crDefault);
    ProcessPending();
    EXPECT_TRUE(view.isNull()) << "a form's window goes with its form";
}

void QtViewTest::showForm() {
    view = new QtFormView(*form);
    form->Show();
    QApplication::setActiveWindow(view);
    view->SyncFocus();
}

QWidget* QtViewTest::widgetOf(const TControl* control) const {
    QWidget* widget = view ? view->WidgetOf(control) : nullptr;
    EXPECT_NE(widget, nullptr) << "no widget mirrors " << control->Name().toStdString();
    return widget;
}

void QtViewTest::click(const TControl* control, QPoint at) {
    QWidget* widget = widgetOf(control);
    if (!widget)
        return;
    QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
}

} // namespace ger::qtviewtest
