#include "support/qt/QtTestApplication.h"

#include <QApplication>
#include <cstdio>

// LeakSanitizer reads this in sanitizer builds: fontconfig keeps its caches for the life of
// the process, which the offscreen platform's font database loads.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace ger::qttest {

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

void EnsureApplication(const char* programName) {
    if (QApplication::instance())
        return;
    standardHandler = qInstallMessageHandler(quietOffscreenLimits);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(programName), nullptr};
    new QApplication(argc, argv);
}

void ProcessPending() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace ger::qttest
