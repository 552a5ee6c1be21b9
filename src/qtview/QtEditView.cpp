#include "qtview/QtEditView.h"

#include "platform/forms/TCustomEdit.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

namespace ger {

QtEditView::QtEditView(TCustomEdit& edit, QWidget* parent)
    : QtControlView(edit, new QLineEdit(parent)) {
    LineEdit()->setFocusPolicy(Qt::TabFocus);
    LineEdit()->setMaxLength(32767);
}

QLineEdit* QtEditView::LineEdit() const {
    return static_cast<QLineEdit*>(Widget());
}

TCustomEdit* QtEditView::edit() const {
    return static_cast<TCustomEdit*>(Control());
}

void QtEditView::ConnectSignals() {
    connect(edit(), &TCustomEdit::selectionChanged, this, &QtEditView::syncSelection);
    connect(edit(), &TControl::textChanged, this, &QtEditView::SyncContent);
}

void QtEditView::SyncContent() {
    TCustomEdit* model = edit();
    if (!model)
        return;
    QLineEdit* line = LineEdit();
    line->setEchoMode(model->PasswordChar().isNull() ? QLineEdit::Normal : QLineEdit::Password);
    line->setReadOnly(model->ReadOnly());
    line->setFrame(model->BorderStyle() != bsNone);
    if (line->text() != model->EditText())
        line->setText(model->EditText());
    syncSelection();
}

// The click itself (focus, OnClick) comes with the release, as for every control; the press
// only notes where a selection starts: there, or with Shift where the caret was.
bool QtEditView::MousePressed(QWidget*, QMouseEvent& event) {
    TCustomEdit* model = edit();
    if (event.button() != Qt::LeftButton || !model)
        return true;
    m_anchor = event.modifiers().testFlag(Qt::ShiftModifier) && model->Focused()
                   ? model->SelStart()
                   : positionAt(event);
    return true;
}

bool QtEditView::MouseMoved(QWidget*, QMouseEvent& event) {
    if (event.buttons().testFlag(Qt::LeftButton))
        select(m_anchor, positionAt(event));
    return true;
}

bool QtEditView::MouseReleased(QWidget* source, QMouseEvent& event) {
    QtControlView::MouseReleased(source, event);
    if (event.button() == Qt::LeftButton)
        select(m_anchor, positionAt(event));
    return true;
}

bool QtEditView::MouseDoubleClicked(QWidget* source, QMouseEvent& event) {
    QtControlView::MouseDoubleClicked(source, event);
    if (TCustomEdit* model = edit(); model && model->Focused())
        RunUserAction([model] { model->SelectAll(); });
    return true;
}

int QtEditView::positionAt(const QMouseEvent& event) const {
    return LineEdit()->cursorPositionAt(event.position().toPoint());
}

void QtEditView::select(int anchor, int caret) {
    QPointer<TCustomEdit> model = edit();
    if (!model || !model->Focused())
        return;
    RunUserAction([model, anchor, caret] {
        if (!model)
            return;
        model->UserPlaceCaret(anchor, false);
        model->UserPlaceCaret(caret, true);
    });
}

void QtEditView::syncSelection() {
    TCustomEdit* model = edit();
    if (!model)
        return;
    QLineEdit* line = LineEdit();
    if (model->SelLength() > 0) {
        if (line->selectionStart() != model->SelStart() ||
            line->selectionLength() != model->SelLength())
            line->setSelection(model->SelStart(), model->SelLength());
        return;
    }
    if (line->hasSelectedText() || line->cursorPosition() != model->SelStart())
        line->setCursorPosition(model->SelStart());
}

} // namespace ger
