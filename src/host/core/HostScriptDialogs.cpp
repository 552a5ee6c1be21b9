#include "host/core/HostScriptDialogs.h"

#include "script/ScriptError.h"

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
        const QString& key = *choice;
        int found = -1;
        for (size_t i = 0; i < request.rows.size() && found < 0; ++i)
            if (!request.rows[i].isEmpty() && request.rows[i].front() == key)
                found = static_cast<int>(i);
        if (found < 0)
            throw ScriptError(
                QStringLiteral("Lookup '%1' has no row with key '%2'").arg(request.title, key));
        ChooseLookupRows({found});
    }
    return ScriptedDialogs::ShowLookup(request);
}

} // namespace ger
