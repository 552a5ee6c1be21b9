#pragma once
// TfrmTpoper: screen GER99501, "Cadastramento Automático de Tipo de Operação por Filial", the
// bulk registration dialog opened by the main screen's btnAutomatico (Cli_ger99501::CriaTpOper).
// The user states three selections, each "Todos" or a list picked in a multi-choice lookup
// (state registrations; branches, narrowed to those registrations; operation types) and three
// values (released, manual entries, address kind); one server call writes them all.
//
// Its components and handlers are named in the form data Cli_ger99501.dfm (read on top of the
// base form's). The handlers are split by subject:
//   TfrmTpoper.cpp         construction, FormCreate, the radio buttons and the three lookups
//   TfrmTpoperConfirm.cpp  sbtConfirmaClick: the checks, the confirmation and the write
//
// The selections live in the unit's strings (Cli_ger99501::stdInscEst and the others), as the
// lookups return them ("'0001','0101'") or "T" for all once the confirmation has filled an
// empty one. A worked opening:
//   FormCreate         "Lista" in the three groups, "Sim", "Não", "Filial"; the strings empty
//   btnInsEst          the lookup of INSCRESTAD: two marked, stdInscEst "'110042490114',..."
//   btnFilial          the branches of those registrations only
//   "Todos" (types)    stdTpoOper emptied, btnTpOperacao disabled
//   sbtConfirma        no question (branches are a list): stdTpoOper "T", SetGravaAut, the
//                      main screen's grid reloaded, "Cadastramento realizado com sucesso.",
//                      the screen closes

#include "framework/TfrmRotiGeral.h"
#include "module/ModuleExport.h"
#include "module/TfrmTpoper_form.h"

namespace ger {

class GER_MODULE_EXPORT TfrmTpoper : public TfrmRotiGeral {
    GER_FORM_DATA(TfrmTpoper);

public:
    explicit TfrmTpoper(TComponent* AOwner);
    ~TfrmTpoper() override;

private:
    // The checks of the confirmation, in order; false when one failed (its message shown).
    bool SelectionsAreComplete();
    // Codes, "T" fillings, the server call, the main screen's grid, the message and the close.
    void WriteSelections();
};

} // namespace ger
