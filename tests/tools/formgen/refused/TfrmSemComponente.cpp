#include "TfrmSemComponente.h"

#include "platform/db/TClientDataSet.h"
#include "platform/forms/TEdit.h"

namespace ger {

void TfrmSemComponente::Limita() {
    edtSobrenome->SetMaxLength(3);
}

} // namespace ger
