#pragma once
// QtProgressWindow: the framework's progress animation as a small modeless window without a
// frame, centred over the form's window: the text (when one was given) above an indeterminate
// progress bar. It takes no focus and no input, so the screen under it keeps the keyboard.
// Since the screens wait for the server on the user-interface thread, the window is mapped and
// painted, and the hourglass is set, before Present returns, that is before the call blocks;
// the hourglass stays while the window lives.

#include <QWidget>

class QLabel;
class QProgressBar;

namespace ger {

class QtProgressWindow : public QWidget {
    Q_OBJECT
public:
    QtProgressWindow(QWidget* over, int kind, const QString& text);
    ~QtProgressWindow() override;

    int Kind() const { return m_kind; }
    QString Text() const;
    QProgressBar* ProgressBar() const { return m_bar; }

    // Shows the window centred over `over` (or the screen) and paints it.
    void Present(QWidget* over);

private:
    int m_kind;
    QLabel* m_label;
    QProgressBar* m_bar;
};

} // namespace ger
