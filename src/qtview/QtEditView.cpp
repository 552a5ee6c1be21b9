#include "qtview/QtEditView.h"

#include "platform/forms/TCustomEdit.h"

#include <QLineEdit>

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
