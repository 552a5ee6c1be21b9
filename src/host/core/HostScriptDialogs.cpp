#include "host/core/HostScriptDialogs.h"

#include <QRegularExpression>

namespace ger {

void HostScriptDialogs::RunModal(TCustomForm& form) {
    if (m_modalDriver)
        OnModal(m_modalDriver);
    ScriptedDialogs::RunModal(form);
}

LookupResult HostScriptDialogs::ShowLookup(const LookupRequest& request) {
    if (m_lookupReporter)
        m_lookupReporter(request);
    if (!m_keys.empty()) {
        const std::optional<QString> choice = m_keys.front();
        m_keys.pop_front();
        if (!choice) {
            CancelLookup();
            return ScriptedDialogs::ShowLookup(request);
        }
        // A multi-choice lookup takes every key of the line; a single one the line as one key.
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        ChooseLookupKeys(request.multiSelect ? choice->split(blanks, Qt::SkipEmptyParts)
                                             : QStringList{*choice});
    }
    return ScriptedDialogs::ShowLookup(request);
}

} // namespace ger
