#pragma once
// Shared pieces of the renderer's tests: one QApplication on the offscreen platform, and a
// fixture with a model form and its window.
//
// The fixture installs scripted dialogs, so a message that a test does not expect is recorded
// instead of blocking on a real message box; the tests of QtDialogService install it
// themselves. The window is made Qt's active window synchronously, so keys and focus behave as
// for a person at the screen without waiting for the window system.

#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TWinControl.h"
#include "qtview/QtFormView.h"
#include "script/ScriptedDialogs.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

namespace ger::qtviewtest {

void EnsureApplication();
// Runs the deferred deletions and pending events of Qt, without waiting.
void ProcessPending();

template <class T> T* make(TWinControl* parent, const QString& name) {
    auto* control = new T(parent->ParentForm() ? static_cast<TComponent*>(parent->ParentForm())
                                               : static_cast<TComponent*>(parent));
    control->SetName(name);
    control->SetParent(parent);
    return control;
}

// Records lines in order.
struct EventLog {
    QStringList lines;
    void add(const QString& line) { lines.append(line); }
    void trackFocus(TWinControl* control) {
        control->OnEnter = [this, control](TObject*) { add(control->Name() + ".enter"); };
        control->OnExit = [this, control](TObject*) { add(control->Name() + ".exit"); };
    }
};

class QtViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }
    void SetUp() override;
    void TearDown() override;

    // Shows the model form and its window, made active.
    void showForm();
    // The widget that mirrors a control of the form.
    QWidget* widgetOf(const TControl* control) const;
    template <class W> W* widget(const TControl* control) const {
        return qobject_cast<W*>(widgetOf(control));
    }
    // The widget with Qt's keyboard focus.
    static QWidget* focused() { return QApplication::focusWidget(); }
    void click(const TControl* control, QPoint at = QPoint());

    ScriptedDialogs dialogs;
    TForm* form = nullptr;
    QPointer<QtFormView> view;
};

} // namespace ger::qtviewtest
