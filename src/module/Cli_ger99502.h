#pragma once
// Unit Cli_ger99502: screen GER99502, "Dados para Emissão de NF" (TfrmDadosEmissaoNF), the
// issuing-data dialog opened from the address column of the main screen's grid.
//
// State of the unit:
//   frmDadosEmissaoNF  the dialog; null when none exists
//   boIdCriado         the dialog exists and is to be re-used: set on creation, cleared when
//                      the dialog closes (its close releases it), so in practice every opening
//                      creates a new dialog. A dialog whose showing failed was not closed and
//                      is re-used by the next opening.

#include "module/ModuleExport.h"

namespace ger {

class TfrmDadosEmissaoNF;

namespace Cli_ger99502 {

GER_MODULE_EXPORT extern TfrmDadosEmissaoNF* frmDadosEmissaoNF;
GER_MODULE_EXPORT extern bool boIdCriado;

// Creates the dialog when the flag is false, then shows it modally; returns when it closes.
GER_MODULE_EXPORT void CriaDadosEmissaoNF();

GER_MODULE_EXPORT void Initialization();
GER_MODULE_EXPORT void Finalization();

} // namespace Cli_ger99502
} // namespace ger
