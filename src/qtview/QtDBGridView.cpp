#include "qtview/QtDBGridView.h"

#include "platform/forms/Dispatch.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/UserInput.h"
#include "platform/forms/grid/GridInput.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"
#include "qtview/QtCanvas.h"
#include "qtview/QtColors.h"
#include "qtview/QtFormView.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

namespace ger {
namespace {

constexpr int ButtonWidth = 16;

// A list in a popup window ignores Escape, which would leave no way out but a choice: this
// filter closes the widget it watches (its parent) on Escape.
class EscapeCloses : public QObject {
public:
    explicit EscapeCloses(QWidget* watched)
        : QObject(watched) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        static_cast<QWidget*>(watched)->close();
        return true;
    }
};

} // namespace

QtDBGridView::QtDBGridView(TDBGrid& grid, QWidget* parent)
    : QtContainerView(grid, new QWidget(parent)) {
    // Created here, once every member is initialised: adding a child sends the grid's widget
    // an event, which this view's filter sees.
    m_editor = new QLineEdit(Widget());
    m_button = new QToolButton(Widget());
    m_scrollBar = new QScrollBar(Qt::Vertical, Widget());
    Widget()->setFocusPolicy(Qt::TabFocus);
    Widget()->setAttribute(Qt::WA_OpaquePaintEvent);
    Widget()->setMouseTracking(true);
    m_editor->setFocusPolicy(Qt::TabFocus);
    m_editor->setFrame(false);
    m_editor->setContextMenuPolicy(Qt::NoContextMenu);
    m_editor->setAcceptDrops(false);
    m_editor->hide();
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->hide();
    m_scrollBar->setFocusPolicy(Qt::NoFocus);
    m_scrollBar->hide();
    WatchInput(m_editor);
    m_button->installEventFilter(this);
    connect(m_scrollBar, &QScrollBar::actionTriggered, this, &QtDBGridView::scrolled);
}

QListWidget* QtDBGridView::PickList() const {
    return m_pickList;
}

TDBGrid* QtDBGridView::grid() const {
    return static_cast<TDBGrid*>(Control());
}

QWidget* QtDBGridView::FocusWidget() const {
    return grid() && grid()->EditorMode() ? static_cast<QWidget*>(m_editor) : Widget();
}

void QtDBGridView::ConnectSignals() {
    QtContainerView::ConnectSignals();
    TDBGrid* model = grid();
    connect(model, &TDBGrid::currentCellChanged, this, &QtDBGridView::SyncContent);
    connect(model, &TDBGrid::editorChanged, this, &QtDBGridView::editorChanged);
    connect(model, &TDBGrid::editingChanged, this, &QtDBGridView::SyncContent);
    connect(model, &TDBGrid::dataChanged, this, &QtDBGridView::SyncContent);
    connect(model, &TDBGrid::layoutChanged, this, &QtDBGridView::SyncContent);
}

QRect QtDBGridView::clientRect() const {
    const TDBGrid* model = grid();
    const QPoint origin = ClientOrigin();
    return QRect(origin, QSize(model->ClientWidth(), model->ClientHeight()));
}

void QtDBGridView::SyncContent() {
    if (!grid())
        return;
    syncEditor();
    syncScrollBar();
    Widget()->update();
}

void QtDBGridView::editorChanged() {
    SyncContent();
    if (QtFormView* form = FormView(); form && grid()->Focused())
        form->SyncFocus();
}

void QtDBGridView::syncEditor() {
    TDBGrid* model = grid();
    const bool shown = model->EditorMode();
    if (!shown) {
        if (m_pickList)
            m_pickList->close();
        m_button->hide();
        m_editor->hide();
        return;
    }
    const QRect cell = model->CellRect(model->CurrentRow(), model->SelectedIndex())
                           .ToQRect()
                           .translated(ClientOrigin());
    const TEditStyle style = model->EditorStyle();
    const int buttonWidth = style == esSimple ? 0 : std::min(ButtonWidth, cell.width());
    m_editor->setGeometry(cell.adjusted(0, 0, -buttonWidth, 0));
    if (m_editor->text() != model->EditorText())
        m_editor->setText(model->EditorText());
    const GridInplaceEditor& editor = model->Editor();
    if (editor.SelLength() > 0)
        m_editor->setSelection(editor.SelStart(), editor.SelLength());
    else
        m_editor->setCursorPosition(editor.SelStart());
    m_editor->show();
    m_button->setVisible(style != esSimple);
    m_button->setGeometry(cell.right() + 1 - buttonWidth, cell.top(), buttonWidth, cell.height());
    m_button->setText(style == esEllipsis ? QStringLiteral("...") : QString());
    m_button->setArrowType(style == esPickList ? Qt::DownArrow : Qt::NoArrow);
}

void QtDBGridView::syncScrollBar() {
    TDBGrid* model = grid();
    const int hidden = model->RowCount() - model->VisibleRowCount();
    m_scrollBar->setVisible(hidden > 0);
    if (hidden <= 0)
        return;
    const QRect client = clientRect();
    const int width = m_scrollBar->sizeHint().width();
    m_scrollBar->setGeometry(client.right() + 1 - width, client.top(), width, client.height());
    const QSignalBlocker blocker(m_scrollBar);
    m_scrollBar->setRange(0, hidden);
    m_scrollBar->setPageStep(std::max(1, model->VisibleRowCount()));
    m_scrollBar->setValue(model->TopRow());
}

bool QtDBGridView::Paint(QWidget* source) {
    if (source != Widget())
        return false;
    TDBGrid* model = grid();
    QPainter painter(source);
    painter.fillRect(source->rect(), ToQColor(model->Color()));
    if (model->BorderStyle() == bsSingle) {
        painter.setPen(ToQColor(clBtnShadow));
        painter.drawRect(source->rect().adjusted(0, 0, -1, -1));
        painter.setPen(ToQColor(cl3DDkShadow));
        painter.drawRect(source->rect().adjusted(1, 1, -2, -2));
    }
    const QRect client = clientRect();
    painter.setClipRect(client);
    painter.translate(client.topLeft());
    QtCanvas canvas(painter);
    try {
        model->Paint(canvas);
    } catch (...) {
        paintFailed(std::current_exception());
    }
    return true;
}

// An exception of a drawing handler cannot leave the paint event: it is handed to the
// dispatch boundary once the painting is over, as any other exception of an event handler.
void QtDBGridView::paintFailed(std::exception_ptr failure) {
    QMetaObject::invokeMethod(
        this, [failure] { Dispatch([failure] { std::rethrow_exception(failure); }); },
        Qt::QueuedConnection);
}

bool QtDBGridView::MousePressed(QWidget* source, QMouseEvent& event) {
    if (event.button() != Qt::LeftButton)
        return true;
    const QPoint at = ClientPoint(source, event.position().toPoint());
    if (source == Widget()) {
        m_resizing = grid()->ColumnEdgeAt(at);
        if (m_resizing >= 0) {
            m_resizeFrom = at.x() - grid()->Columns()[m_resizing]->Width();
            return true;
        }
    }
    RunUserAction([this, at] { UserInput::Click(*grid(), at); });
    return true;
}

// Dragging a title's right edge resizes its column (dgColumnResize); hovering over an edge
// shows the resize cursor.
bool QtDBGridView::MouseMoved(QWidget* source, QMouseEvent& event) {
    if (source != Widget() || !grid())
        return true;
    const QPoint at = ClientPoint(source, event.position().toPoint());
    if (m_resizing >= 0 && event.buttons().testFlag(Qt::LeftButton)) {
        const int column = m_resizing;
        const int width = at.x() - m_resizeFrom;
        RunUserAction([this, column, width] { grid()->UserResizeColumn(column, width); });
        return true;
    }
    if (grid()->ColumnEdgeAt(at) >= 0)
        Widget()->setCursor(Qt::SplitHCursor);
    else
        Widget()->unsetCursor();
    return true;
}

bool QtDBGridView::MouseReleased(QWidget*, QMouseEvent& event) {
    if (event.button() == Qt::LeftButton)
        m_resizing = -1;
    return true;
}

bool QtDBGridView::KeyPressed(QKeyEvent& event) {
    const bool opensList =
        event.key() == Qt::Key_F4 || (event.modifiers().testFlag(Qt::AltModifier) &&
                                      (event.key() == Qt::Key_Down || event.key() == Qt::Key_Up));
    if (opensList && grid()->EditorMode() && grid()->EditorStyle() == esPickList) {
        openPickList();
        return true;
    }
    return QtContainerView::KeyPressed(event);
}

bool QtDBGridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_button && grid()) {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            return true;
        if (type == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                m_button->rect().contains(mouse->position().toPoint()))
                buttonClicked();
            return true;
        }
        return false;
    }
    if (watched == Widget() && event->type() == QEvent::Wheel && grid()) {
        const int steps = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
        moveRows(-steps);
        return true;
    }
    return QtContainerView::eventFilter(watched, event);
}

void QtDBGridView::buttonClicked() {
    if (grid()->EditorStyle() == esPickList) {
        openPickList();
        return;
    }
    RunUserAction([this] { GridInput::ClickEditButton(*grid()); });
}

void QtDBGridView::openPickList() {
    if (m_pickList)
        return;
    TDBGrid* model = grid();
    const QStringList items = model->EditorPickList();
    auto* list = new QListWidget(Widget());
    list->setWindowFlags(Qt::Popup);
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->setObjectName(QStringLiteral("pickList"));
    list->addItems(items);
    list->setCurrentRow(static_cast<int>(items.indexOf(model->EditorText())));
    const QRect cell = m_editor->geometry().united(m_button->geometry());
    const int rows = std::min(static_cast<int>(items.size()), 8);
    list->setGeometry(QRect(Widget()->mapToGlobal(cell.bottomLeft() + QPoint(0, 1)),
                            QSize(cell.width(), rows * list->sizeHintForRow(0) + 4)));
    connect(list, &QListWidget::itemClicked, this,
            [this, list](QListWidgetItem* item) { pickChosen(list->row(item)); });
    connect(list, &QListWidget::itemActivated, this,
            [this, list](QListWidgetItem* item) { pickChosen(list->row(item)); });
    list->installEventFilter(new EscapeCloses(list));
    m_pickList = list;
    list->show();
}

void QtDBGridView::pickChosen(int index) {
    if (m_pickList)
        m_pickList->close();
    if (!grid() || index < 0)
        return;
    RunUserAction([this, index] { GridInput::ChoosePickItem(*grid(), index); });
}

void QtDBGridView::scrolled(int action) {
    const int page = std::max(1, grid()->VisibleRowCount());
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        moveRows(1);
        break;
    case QAbstractSlider::SliderSingleStepSub:
        moveRows(-1);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        moveRows(page);
        break;
    case QAbstractSlider::SliderPageStepSub:
        moveRows(-page);
        break;
    case QAbstractSlider::SliderMove:
        moveRows(m_scrollBar->sliderPosition() - grid()->TopRow());
        break;
    default:
        break;
    }
    SyncContent();
}

// The grid takes the focus first, as on the platform; then each row is one Up or Down of the
// person, stopping at the first and last rows (scrolling never appends) or where the model
// refuses to leave a row.
void QtDBGridView::moveRows(int delta) {
    TDBGrid* model = grid();
    TCustomForm* form = ParentForm();
    if (!model || !form || delta == 0)
        return;
    if (!model->Focused())
        RunUserAction([model] { UserInput::Focus(*model); });
    for (int step = 0; step < std::abs(delta) && grid() && model->Focused(); ++step) {
        const int row = model->CurrentRow();
        const bool down = delta > 0;
        if (down ? row >= model->RowCount() - 1 : row <= 0)
            break;
        RunUserAction([form, down] { UserInput::PressKey(*form, down ? VK_DOWN : VK_UP); });
        if (!grid() || model->CurrentRow() == row)
            break;
    }
}

} // namespace ger
