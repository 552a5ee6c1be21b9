#include "qtview/QtComboBoxView.h"

#include "platform/forms/TComboBox.h"
#include "platform/forms/UserInput.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace ger {

QtComboBoxView::QtComboBoxView(TComboBox& combo, QWidget* parent)
    : QtControlView(combo, new QComboBox(parent)) {
    ComboBox()->setFocusPolicy(Qt::TabFocus);
    ComboBox()->setInsertPolicy(QComboBox::NoInsert);
    connect(ComboBox(), &QComboBox::activated, this, &QtComboBoxView::chosen);
}

QComboBox* QtComboBoxView::ComboBox() const {
    return static_cast<QComboBox*>(Widget());
}

TComboBox* QtComboBoxView::combo() const {
    return static_cast<TComboBox*>(Control());
}

QWidget* QtComboBoxView::FocusWidget() const {
    if (QLineEdit* line = ComboBox()->lineEdit())
        return line;
    return ComboBox();
}

void QtComboBoxView::ConnectSignals() {
    connect(combo(), &TComboBox::itemsChanged, this, &QtComboBoxView::SyncContent);
    connect(combo(), &TComboBox::itemIndexChanged, this, &QtComboBoxView::SyncContent);
    connect(combo(), &TControl::textChanged, this, &QtComboBoxView::SyncContent);
}

void QtComboBoxView::SyncContent() {
    TComboBox* model = combo();
    if (!model)
        return;
    QComboBox* box = ComboBox();
    const QSignalBlocker blocker(box);
    const bool editable = model->Style() == csDropDown || model->Style() == csSimple;
    if (box->isEditable() != editable) {
        box->setEditable(editable);
        if (QLineEdit* line = box->lineEdit()) {
            line->setFocusPolicy(Qt::TabFocus);
            line->setContextMenuPolicy(Qt::NoContextMenu);
            line->setAcceptDrops(false);
            WatchInput(line);
        }
    }
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown.append(box->itemText(i));
    if (shown != model->Items()) {
        box->clear();
        box->addItems(model->Items());
    }
    if (box->currentIndex() != model->ItemIndex())
        box->setCurrentIndex(model->ItemIndex());
    if (editable && box->lineEdit()->text() != model->Text())
        box->lineEdit()->setText(model->Text());
    box->setMaxVisibleItems(std::max(1, model->DropDownCount()));
}

bool QtComboBoxView::MousePressed(QWidget* source, QMouseEvent& event) {
    if (event.button() != Qt::LeftButton)
        return true;
    const QPoint at = ClientPoint(source, event.position().toPoint());
    RunUserAction([this, at] { UserInput::Click(*combo(), at); });
    if (combo() && source == ComboBox())
        openList();
    return true;
}

bool QtComboBoxView::MouseReleased(QWidget*, QMouseEvent&) {
    return true;
}

bool QtComboBoxView::KeyPressed(QKeyEvent& event) {
    const bool opens =
        event.key() == Qt::Key_F4 || (event.modifiers().testFlag(Qt::AltModifier) &&
                                      (event.key() == Qt::Key_Down || event.key() == Qt::Key_Up));
    QtControlView::KeyPressed(event);
    if (opens && combo())
        openList();
    return true;
}

void QtComboBoxView::openList() {
    if (combo()->Focused() && combo()->IsEffectivelyEnabled())
        ComboBox()->showPopup();
}

void QtComboBoxView::chosen(int index) {
    if (!combo())
        return;
    RunUserAction([this, index] { UserInput::ChooseItem(*combo(), index); });
}

} // namespace ger
