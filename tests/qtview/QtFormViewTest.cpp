#include "qtview/QtFormView.h"

#include "QtViewTestSupport.h"
#include "platform/core/HandlerTable.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/TPanel.h"
#include "platform/forms/TProgressBar.h"
#include "platform/forms/TScreen.h"
#include "platform/forms/TShape.h"
#include "platform/forms/TSpeedButton.h"
#include "platform/forms/UserInput.h"
#include "platform/forms/formdata/LoadFormData.h"
#include "qtview/QtColors.h"
#include "qtview/QtScreenView.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

using namespace ger;
using namespace ger::qtviewtest;

namespace {

// The branch panel of the main screen as form data: the exits run when the focus leaves.
const char* const BranchPanel = R"(object frmTeste: TForm
  Left = 0
  Top = 0
  Caption = 'Tipo de Opera'#231#227'o por Filial'
  ClientHeight = 200
  ClientWidth = 420
  object panFilial: TPanel
    Left = 0
    Top = 0
    Width = 420
    Height = 41
    Align = alTop
    OnExit = panFilialExit
    object medFilial: TMaskEdit
      Left = 56
      Top = 10
      Width = 41
      Height = 21
      Color = clInfoBk
      EditMask = '>aaaa;0; '
      MaxLength = 4
      TabOrder = 0
      OnExit = medFilialExit
    end
  end
  object edtOutro: TEdit
    Left = 8
    Top = 60
    Width = 121
    Height = 21
    TabOrder = 1
  end
end
)";

class QtFormViewTest : public QtViewTest {};

TEST_F(QtFormViewTest, AFormFromFormDataRunsItsExitsInTheRealWindow) {
    QStringList log;
    HandlerTable handlers;
    handlers.add<void(TObject*)>("panFilialExit", [&](TObject*) { log.append("panFilialExit"); });
    handlers.add<void(TObject*)>("medFilialExit", [&](TObject*) { log.append("medFilialExit"); });
    LoadFormData(form, BranchPanel, "branch.dfm", handlers);
    showForm();
    EXPECT_EQ(view->windowTitle(), QString::fromUtf8("Tipo de Operação por Filial"));
    EXPECT_EQ(view->size(), QSize(420, 200));
    auto* medFilial = form->Find<TMaskEdit>("medFilial");
    ASSERT_EQ(focused(), widgetOf(medFilial));
    EXPECT_EQ(widgetOf(medFilial)->palette().color(QPalette::Base), ToQColor(clInfoBk));
    QTest::keyClicks(focused(), "1a");
    EXPECT_EQ(medFilial->Text(), "1A  ");
    click(form->Find<TEdit>("edtOutro"));
    EXPECT_EQ(log, QStringList({"medFilialExit", "panFilialExit"}));
}

TEST_F(QtFormViewTest, TheWindowsCloseButtonAsksTheModel) {
    bool allow = false;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    showForm();
    view->close();
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(view->isVisible());
    allow = true;
    view->close();
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(view->isVisible());
}

TEST_F(QtFormViewTest, ActivatingAWindowActivatesItsForm) {
    showForm();
    auto* second = new TForm(&Application());
    second->SetName("frmSegundo");
    auto* edit = make<TEdit>(second, "edtSegundo");
    QPointer<QtFormView> secondView = new QtFormView(*second);
    second->Show();
    form->Show();
    ASSERT_EQ(Screen().ActiveForm(), form);
    QApplication::setActiveWindow(secondView);
    EXPECT_EQ(Screen().ActiveForm(), second);
    EXPECT_EQ(second->FocusedControl(), edit);
    EXPECT_EQ(focused(), secondView->WidgetOf(edit));
}

TEST_F(QtFormViewTest, TheScreenViewGivesEveryShownFormAWindow) {
    QStringList placed;
    QtScreenView screen([&](TCustomForm& shown) -> QWidget* {
        placed.append(shown.Name());
        return nullptr;
    });
    EXPECT_EQ(QtFormView::ViewOf(*form), nullptr);
    form->Show();
    QtFormView* created = QtFormView::ViewOf(*form);
    ASSERT_NE(created, nullptr);
    view = created;
    EXPECT_TRUE(created->isVisible());
    EXPECT_EQ(placed, QStringList({"frmTeste"}));
    form->Hide();
    form->Show();
    EXPECT_EQ(placed.size(), 1) << "one window per form";
}

TEST_F(QtFormViewTest, MdiChildrenFollowTheModelsActivationBothWays) {
    QMdiArea area;
    QtScreenView screen([&](TCustomForm&) { return area.addSubWindow(new QMdiSubWindow); });
    area.show();
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    auto* second = new TForm(&Application());
    second->SetName("frmSegundo");
    second->SetFormStyle(fsMDIChild);
    form->SetFormStyle(fsMDIChild);
    form->Show();
    second->Show();
    view = QtFormView::ViewOf(*form);
    QPointer<QtFormView> secondView = QtFormView::ViewOf(*second);
    ASSERT_FALSE(view.isNull());
    ASSERT_FALSE(secondView.isNull());
    ASSERT_EQ(area.subWindowList().size(), 2);
    EXPECT_EQ(area.activeSubWindow()->widget(), secondView.data());
    form->Show();
    EXPECT_EQ(area.activeSubWindow()->widget(), view.data()) << "the model brought it to front";
    area.setActiveSubWindow(area.subWindowList().at(1));
    EXPECT_EQ(Screen().ActiveForm(), second) << "the person activated the other child";
    second->Hide();
    EXPECT_FALSE(area.subWindowList().at(1)->isVisible());
    ProcessPending();
    EXPECT_EQ(QApplication::activeWindow(), &area) << "a child never was a window of its own";
}

// The frame of an MDI child sizes its form: a larger frame gives the aligned panels more room;
// one smaller than the form's content keeps the form at its minimum and scrolls, and the
// control the focus goes to is scrolled into sight.
TEST_F(QtFormViewTest, AnMdiChildsFormFollowsItsFrameAndScrollsWhenTooSmall) {
    HandlerTable handlers;
    handlers.add<void(TObject*)>("panFilialExit", [](TObject*) {});
    handlers.add<void(TObject*)>("medFilialExit", [](TObject*) {});
    LoadFormData(form, BranchPanel, "branch.dfm", handlers);
    QMdiArea area;
    area.resize(900, 700);
    QtScreenView screen([&](TCustomForm&) { return area.addSubWindow(new QMdiSubWindow); });
    area.show();
    form->SetFormStyle(fsMDIChild);
    form->Show();
    view = QtFormView::ViewOf(*form);
    ASSERT_FALSE(view.isNull());
    QMdiSubWindow* frame = area.subWindowList().value(0);
    ASSERT_NE(frame, nullptr);
    auto* panel = form->Find<TPanel>("panFilial");

    frame->resize(700, 500);
    ProcessPending();
    EXPECT_EQ(QSize(form->Width(), form->Height()), view->size());
    EXPECT_EQ(panel->Width(), view->width()) << "alTop follows the window's width";
    auto* scroll = view->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());

    const QSize minimum = form->MinimumExtent();
    ASSERT_EQ(minimum, QSize(129, 81)) << "edtOutro ends at x 129, y 81";
    frame->resize(120, 90);
    ProcessPending();
    EXPECT_LT(view->height(), minimum.height());
    EXPECT_EQ(form->Height(), minimum.height()) << "the form never lays out below its minimum";
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
    UserInput::Focus(*form->Find<TEdit>("edtOutro"));
    ProcessPending();
    EXPECT_GT(scroll->verticalScrollBar()->value(), 0) << "the focused edit is scrolled into sight";
}

TEST_F(QtFormViewTest, GlyphsAreDrawnWithTheirBottomLeftColourTransparent) {
    TBitmap glyph(32, 16, ColorToArgb(clOlive));
    glyph.SetPixel(5, 5, 0xFF0000FFu);
    auto* button = make<TSpeedButton>(form, "btpFilial");
    button->SetGlyph(glyph);
    button->SetNumGlyphs(2);
    showForm();
    auto* tool = widget<QToolButton>(button);
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->iconSize(), QSize(16, 16));
    const QImage icon = tool->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(icon.pixel(5, 5), 0xFF0000FFu);
}

TEST_F(QtFormViewTest, ImagesPaintTheirPicture) {
    TBitmap bitmap(4, 4, 0xFF00FF00u);
    bitmap.SetPixel(0, 3, 0xFFFFFFFFu);
    auto* image = make<TImage>(form, "imgEndeSele");
    image->SetBounds(10, 10, 8, 8);
    TPicture picture;
    picture.SetBitmap(bitmap);
    image->SetPicture(picture);
    form->SetColor(clRed);
    showForm();
    const QImage shown = view->grab().toImage();
    EXPECT_EQ(shown.pixelColor(11, 11), QColor(0, 255, 0));
    EXPECT_EQ(shown.pixelColor(16, 16), QColor(255, 0, 0)) << "outside the picture: the form";
}

TEST_F(QtFormViewTest, ShapesAreFilledWithTheirBrush) {
    showForm();
    auto* shape = make<TShape>(form, "shpSinal");
    shape->SetBounds(200, 10, 20, 20);
    TBrush brush;
    brush.Color = clLime;
    shape->SetBrush(brush);
    const QImage shown = view->grab().toImage();
    EXPECT_EQ(shown.pixelColor(210, 20), ToQColor(clLime));
    EXPECT_EQ(shown.pixelColor(230, 20), widgetOf(form)->palette().color(QPalette::Window));
}

TEST_F(QtFormViewTest, ProgressBarsShowTheModelsPosition) {
    auto* bar = make<TProgressBar>(form, "pgbProgresso");
    bar->SetRange(0, 50);
    bar->SetPosition(20);
    showForm();
    auto* progress = widget<QProgressBar>(bar);
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->maximum(), 50);
    EXPECT_EQ(progress->value(), 20);
    bar->StepIt();
    EXPECT_EQ(progress->value(), 30);
}

} // namespace
