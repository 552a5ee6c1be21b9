#pragma once
// The dialog service of the client lookup benchmark: ShowLookup builds the real QtLookupDialog
// from the request and, by mode, drops it at once, keeps it hidden, or shows it and paints it
// before returning (or, in mode RequestOnly, builds nothing); it never runs the window modally
// and always answers "cancelled". Any other dialog is a fault of the benchmark and raises.

#include "platform/forms/IDialogService.h"

#include <memory>

namespace ger {

class QtLookupDialog;

namespace bench {

class LookupWindowDialogs : public IDialogService {
public:
    enum class Mode { RequestOnly, BuildAndDrop, Keep, ShowAndPaint };

    LookupWindowDialogs(); // installs itself in Application()
    ~LookupWindowDialogs() override;
    LookupWindowDialogs(const LookupWindowDialogs&) = delete;
    LookupWindowDialogs& operator=(const LookupWindowDialogs&) = delete;

    void setMode(Mode mode) { m_mode = mode; }
    // The window of the last ShowLookup in mode Keep or ShowAndPaint, or null.
    QtLookupDialog* keptWindow() const { return m_kept.get(); }
    void dropWindow();
    int lastRowCount() const { return m_lastRowCount; }

    TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) override;
    void RunModal(TCustomForm& form) override;
    LookupResult ShowLookup(const LookupRequest& request) override;
    void ShowProgress(TCustomForm*, int, const QString&) override {}
    void HideProgress() override {}

private:
    Mode m_mode = Mode::BuildAndDrop;
    std::unique_ptr<QtLookupDialog> m_kept;
    int m_lastRowCount = 0;
};

} // namespace bench
} // namespace ger
