#include "QtViewTestSupport.h"

#include "platform/forms/TScreen.h"
#include "qtview/QtControlView.h"
#include "support/qt/QtTestApplication.h"

namespace ger::qtviewtest {

void EnsureApplication() {
    qttest::EnsureApplication("test_qtview");
}

void ProcessPending() {
    qttest::ProcessPending();
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
