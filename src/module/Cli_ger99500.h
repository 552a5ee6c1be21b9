#pragma once
// Unit Cli_ger99500: screen GER99500, "Tipo de Operação por Filial" (TfrmTpOperFil), and the
// module entry's creator of it.
//
// State of the unit, one set per load of the module:
//   frmTpOperFil  the one main screen; null until the first IniProc
//   boIdCriado    the main screen exists. Set by CriaTpOperFil once it is created; cleared
//                 only when the screen is destroyed (its close releases it), so that the next
//                 IniProc creates a new one.
//
// The dialogs reach the main screen through frmTpOperFil: it is the only way between screens.

#include "module/ModuleExport.h"

namespace ger {

class TfrmTpOperFil;

namespace Cli_ger99500 {

GER_MODULE_EXPORT extern TfrmTpOperFil* frmTpOperFil;
GER_MODULE_EXPORT extern bool boIdCriado;

// Creates the main screen on the first call (its OnCreate and OnShow run inside), then
// restores it to normal size and brings it to the front. A failure while it is being created
// leaves no screen and the flag false, so the next call tries again.
GER_MODULE_EXPORT void CriaTpOperFil();

// The main screen, for the dialogs that read from it and write into it; raises when there is
// none (a dialog opened without it).
GER_MODULE_EXPORT TfrmTpOperFil& MainScreen();

GER_MODULE_EXPORT void Initialization();
GER_MODULE_EXPORT void Finalization();

} // namespace Cli_ger99500
} // namespace ger
