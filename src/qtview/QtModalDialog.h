#pragma once
// QtModalDialog: the modal window of a form shown with ShowModal. The form's view (existing or
// new) is placed in this dialog for the run and put back where it was afterwards. Run() shows
// the dialog application-modal and runs a local event loop until the form emits
// modalLoopEnded() (the model accepted a ModalResult) or is destroyed. The dialog never closes
// by itself: its close button is the form's Close and its keys belong to the form.

#include "qtview/QtFormView.h"

#include <QDialog>
#include <QPointer>

namespace ger {

class TCustomForm;

class QtModalDialog : public QDialog {
    Q_OBJECT
public:
    QtModalDialog(TCustomForm& form, QWidget* parent = nullptr);
    ~QtModalDialog() override;

    QtFormView* FormView() const { return m_view; }
    void Run();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void giveBackView();

    QPointer<TCustomForm> m_form;
    QPointer<QtFormView> m_view;
    QPointer<QWidget> m_viewParent;
    Qt::WindowFlags m_viewFlags;
};

} // namespace ger
