#pragma once
// The progress animation that frames every server call but GetTpOperFil: a modeless window
// over a form, shown by the application's dialog service (IDialogService::ShowProgress).
//
//   ActiveShowAvi(this, 1, msgPadrao->Msg("Atual_Server"));   // kind 1: data to the server
//   try {
//       ... the call ...
//   } catch (...) {
//       DeactiveShowAvi();
//       throw;
//   }
//   DeactiveShowAvi();
//
// or, equivalently, with the guard that pairs them on every path:
//
//   ShowAviScope avi(this, 1, msgPadrao->Msg("Atual_Server"));
//   ... the call ...                                          // removed when `avi` ends
//
// Kinds are the framework's animation numbers (1 data to the server, 6 loading a dialog); the
// renderer picks the picture. A second ActiveShowAvi replaces the first; calls do not nest.
// DeactiveShowAvi never raises: with no dialog service installed it does nothing, so it is safe
// on the failure path. ActiveShowAvi raises when no dialog service is installed.

#include <QString>

namespace ger {

class TCustomForm;

// The framework's animation numbers.
inline constexpr int ShowAviKindServer = 1; // data going to the application server
inline constexpr int ShowAviKindDialog = 6; // a dialog loading its data

void ActiveShowAvi(TCustomForm* form, int kind, const QString& text = QString());
void DeactiveShowAvi() noexcept;

class ShowAviScope {
public:
    ShowAviScope(TCustomForm* form, int kind, const QString& text = QString());
    ~ShowAviScope() { DeactiveShowAvi(); }

    ShowAviScope(const ShowAviScope&) = delete;
    ShowAviScope& operator=(const ShowAviScope&) = delete;
};

} // namespace ger
