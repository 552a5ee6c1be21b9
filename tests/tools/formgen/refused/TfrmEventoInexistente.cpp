#include "TfrmEventoInexistente.h"

#include "platform/db/TClientDataSet.h"
#include "platform/forms/TEdit.h"

namespace ger {

void TfrmEventoInexistente::lblNomeExit(TObject*) {}

} // namespace ger
