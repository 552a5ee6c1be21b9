#pragma once
// TfrmTpoper: screen GER99501, "Cadastramento Automático de Tipo de Operação por Filial", the
// bulk registration dialog opened by the main screen's btnAutomatico (Cli_ger99501::CriaTpOper).
//
// So far it is the frame of the dialog only: the base form's menu bar with the screen code,
// its toolbar and empty data area. Its FormCreate empties the unit's five selection strings,
// so that every opening starts with nothing selected. Closing it releases it (the base form's
// FormClose).

#include "framework/TfrmRotiGeral.h"
#include "module/ModuleExport.h"
#include "module/TfrmTpoper_form.h"

namespace ger {

class GER_MODULE_EXPORT TfrmTpoper : public TfrmRotiGeral {
    GER_FORM_DATA(TfrmTpoper);

public:
    explicit TfrmTpoper(TComponent* AOwner);
    ~TfrmTpoper() override;
};

} // namespace ger
