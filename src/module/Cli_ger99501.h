#pragma once
// Unit Cli_ger99501: screen GER99501, "Cadastramento Automático de Tipo de Operação por
// Filial" (TfrmTpoper), the bulk registration dialog.
//
// State of the unit:
//   frmTpoper   the bulk registration screen most recently created (a new one at every
//               opening; its close releases it)
//   stdInscEst, stdFilial, stdTpoOper, stdLancMan, stdLiber
//               the screen's selections and flags; emptied by its FormCreate at each opening
//               and by the unit's finalisation

#include "module/ModuleExport.h"

#include <QString>

namespace ger {

class TfrmTpoper;

namespace Cli_ger99501 {

GER_MODULE_EXPORT extern TfrmTpoper* frmTpoper;
GER_MODULE_EXPORT extern QString stdInscEst;
GER_MODULE_EXPORT extern QString stdFilial;
GER_MODULE_EXPORT extern QString stdTpoOper;
GER_MODULE_EXPORT extern QString stdLancMan;
GER_MODULE_EXPORT extern QString stdLiber;

// Creates a new bulk registration screen and shows it modally; returns when it closes.
GER_MODULE_EXPORT void CriaTpOper();

GER_MODULE_EXPORT void Initialization();
GER_MODULE_EXPORT void Finalization();

} // namespace Cli_ger99501
} // namespace ger
