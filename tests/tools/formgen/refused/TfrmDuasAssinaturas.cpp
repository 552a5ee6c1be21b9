#include "TfrmDuasAssinaturas.h"

#include "platform/db/TClientDataSet.h"
#include "platform/forms/TEdit.h"

namespace ger {

void TfrmDuasAssinaturas::Tratador(TObject*) {}

} // namespace ger
