#include "TfrmOutraClasse.h"

#include "platform/db/TClientDataSet.h"
#include "platform/forms/TEdit.h"

namespace ger {

void TfrmOutraClasse::Limita() {
    edtNome->SetMaxLength(3);
}

} // namespace ger
