#include "TfrmOutraAssinatura.h"

#include "platform/db/TClientDataSet.h"
#include "platform/forms/TEdit.h"

namespace ger {

void TfrmOutraAssinatura::edtNomeExit(TObject*, bool&) {}

} // namespace ger
