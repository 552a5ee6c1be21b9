#pragma once
// MensErro: how a field check ends. The screen first moves the focus to the offending control,
// then calls MensErro with the message text:
//
//   medFilial->SetFocus();
//   MensErro(msgPadrao->Msg("Filial_Inf"), true);   // shows the error, then ends the handler
//
// The text is shown as an error with an OK button through the application's dialog service,
// then the running handler ends with a silent EAbort: the dispatch boundary shows nothing more,
// and a focus move whose exit check called it stops where the check put the focus.
// With `showMessage` false nothing is shown and the handler simply ends (a silent refusal).

#include <QString>

namespace ger {

[[noreturn]] void MensErro(const QString& text, bool showMessage = true);

} // namespace ger
