#pragma once
// QtDBGridView: the data grid (TDBGrid), drawn by the view through a QtCanvas: the model
// paints everything (titles, indicator, cells with their display texts, selection, lines) and
// runs OnDrawColumnCell on this canvas, so owner-drawn cells appear as the screen draws them.
//
// On top of the drawing sit three small widgets that mirror the in-place editor of the current
// cell: a QLineEdit with the editor's text, caret and selection (holding Qt's focus while the
// editor is up), the editor's button (an ellipsis, or the arrow of a pick list), and a vertical
// scroll bar while the rows exceed the visible ones. A press on a cell is the model's click
// (moving there posts the row being left, and a refused post keeps it); a double click is the
// model's double click; keys go to the model (Down past the last row appends, or is refused, by
// the model's rules). The ellipsis runs the model's edit-button click; the arrow (or F4,
// Alt+Down) opens the pick list, whose choice goes to the model as a pick. The scroll bar and
// the wheel move the current row, through the model, without appending.

#include "qtview/QtContainerView.h"

class QLineEdit;
class QListWidget;
class QScrollBar;
class QToolButton;

namespace ger {

class TDBGrid;

class QtDBGridView : public QtContainerView {
    Q_OBJECT
public:
    QtDBGridView(TDBGrid& grid, QWidget* parent);

    QWidget* FocusWidget() const override;
    QLineEdit* EditorWidget() const { return m_editor; }
    QToolButton* EditorButton() const { return m_button; }
    QScrollBar* ScrollBar() const { return m_scrollBar; }
    // The open pick list, or null.
    QListWidget* PickList() const;

protected:
    void ConnectSignals() override;
    void SyncContent() override;
    void AfterGeometry() override { SyncContent(); }
    bool Paint(QWidget* source) override;
    bool MousePressed(QWidget* source, QMouseEvent& event) override;
    bool MouseReleased(QWidget* source, QMouseEvent& event) override;
    bool MouseMoved(QWidget* source, QMouseEvent& event) override;
    bool KeyPressed(QKeyEvent& event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TDBGrid* grid() const;
    QRect clientRect() const;
    void syncEditor();
    void syncScrollBar();
    void editorChanged();
    void buttonClicked();
    void openPickList();
    void pickChosen(int index);
    void scrolled(int action);
    void moveRows(int delta);
    void paintFailed(std::exception_ptr failure);

    QLineEdit* m_editor = nullptr;
    QToolButton* m_button = nullptr;
    QScrollBar* m_scrollBar = nullptr;
    QPointer<QListWidget> m_pickList;
    int m_resizing = -1;  // the column whose edge is being dragged
    int m_resizeFrom = 0; // its left edge, where the drag started, in client coordinates
};

} // namespace ger
