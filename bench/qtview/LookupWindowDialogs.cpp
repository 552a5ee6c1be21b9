#include "LookupWindowDialogs.h"

#include "platform/core/Exception.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "qtview/QtLookupDialog.h"

#include <QCoreApplication>

namespace ger::bench {

LookupWindowDialogs::LookupWindowDialogs() {
    Application().SetDialogService(this);
}

LookupWindowDialogs::~LookupWindowDialogs() {
    if (Application().DialogService() == this)
        Application().SetDialogService(nullptr);
}

void LookupWindowDialogs::dropWindow() {
    m_kept.reset();
}

TModalResult LookupWindowDialogs::MessageDlg(const QString& text, TMsgDlgType, TMsgDlgButtons) {
    throw Exception(QStringLiteral("bench: unexpected message \"%1\"").arg(text));
}

void LookupWindowDialogs::RunModal(TCustomForm& form) {
    throw Exception(QStringLiteral("bench: unexpected modal form %1").arg(form.Name()));
}

LookupResult LookupWindowDialogs::ShowLookup(const LookupRequest& request) {
    m_lastRowCount = static_cast<int>(request.rows.size());
    if (m_mode == Mode::RequestOnly)
        return {};
    auto window = std::make_unique<QtLookupDialog>(request);
    if (m_mode == Mode::ShowAndPaint) {
        window->show();
        QCoreApplication::processEvents();
        window->repaint();
    }
    if (m_mode != Mode::BuildAndDrop)
        m_kept = std::move(window);
    return {};
}

} // namespace ger::bench
