#include "TfrmCompleto.h"

#include "platform/db/TClientDataSet.h"
#include "platform/forms/TEdit.h"

namespace ger {

void TfrmCompleto::FormCreate(TObject* Sender) {
    TfrmRotiGeral::FormCreate(Sender);
    edtNome->SetMaxLength(3);
}

void TfrmCompleto::edtNomeExit(TObject*) {}

void TfrmCompleto::cdsDadosAfterPost(TDataSet*) {}

} // namespace ger
