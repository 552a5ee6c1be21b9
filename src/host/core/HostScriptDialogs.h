#pragma once
// HostScriptDialogs: the dialog service of the host's script mode. It is the scripted dialog
// service of the tests (queued answers, recorded messages) with two additions for scripts:
//   - a form shown modally is driven by the script itself: RunModal hands the form to the
//     modal driver (the interpreter), which runs the following script lines until the form's
//     modal loop has ended;
//   - a lookup choice names the key of a row (its first column), as a person reads it in the
//     lookup window: ChooseKey("0001").

#include "script/ScriptedDialogs.h"

#include <QString>
#include <deque>
#include <functional>

namespace ger {

class HostScriptDialogs : public ScriptedDialogs {
public:
    using ModalDriver = std::function<void(TCustomForm&)>;

    HostScriptDialogs() = default;

    void SetModalDriver(ModalDriver driver) { m_modalDriver = std::move(driver); }
    // The next lookup takes the first row whose first column equals `key`.
    void ChooseKey(const QString& key) { m_keys.push_back(key); }
    int PendingKeys() const { return static_cast<int>(m_keys.size()); }

    void RunModal(TCustomForm& form) override;
    LookupResult ShowLookup(const LookupRequest& request) override;

private:
    ModalDriver m_modalDriver;
    std::deque<QString> m_keys;
};

} // namespace ger
