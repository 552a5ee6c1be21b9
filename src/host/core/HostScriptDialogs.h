#pragma once
// HostScriptDialogs: the dialog service of the host's script mode. It is the scripted dialog
// service of the tests (queued answers, recorded messages) with two additions for scripts:
//   - a form shown modally is driven by the script itself: RunModal hands the form to the
//     modal driver (the interpreter), which runs the following script lines until the form's
//     modal loop has ended;
//   - a lookup choice names the key of a row (its first column), as a person reads it in the
//     lookup window: ChooseKey("0001"), or closes the window without a choice: CloseLookup();
//   - every lookup window that opens is reported (SetLookupReporter) before it is answered.

#include "script/ScriptedDialogs.h"

#include <QString>
#include <deque>
#include <functional>
#include <optional>

namespace ger {

class HostScriptDialogs : public ScriptedDialogs {
public:
    using ModalDriver = std::function<void(TCustomForm&)>;
    using LookupReporter = std::function<void(const LookupRequest&)>;

    HostScriptDialogs() = default;

    void SetModalDriver(ModalDriver driver) { m_modalDriver = std::move(driver); }
    void SetLookupReporter(LookupReporter reporter) { m_lookupReporter = std::move(reporter); }
    // The next lookup takes the first row whose first column equals `key`.
    void ChooseKey(const QString& key) { m_keys.push_back(key); }
    // The next lookup is closed without a choice.
    void CloseLookup() { m_keys.push_back(std::nullopt); }
    int PendingKeys() const { return static_cast<int>(m_keys.size()); }

    void RunModal(TCustomForm& form) override;
    LookupResult ShowLookup(const LookupRequest& request) override;

private:
    ModalDriver m_modalDriver;
    LookupReporter m_lookupReporter;
    std::deque<std::optional<QString>> m_keys; // nullopt: closed without a choice
};

} // namespace ger
