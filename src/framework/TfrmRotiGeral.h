#pragma once
// TfrmRotiGeral: the base form of the routine screens (the bulk registration screen, the
// issuing-data dialog). Its form data (forms/frmRotiGeral.dfm):
//
//   +-----------------------------------------------------------+
//   | panMenu (top): lblCodTela (screen code)      panHelp: sbtHelp |
//   +------+----------------------------------------------------+
//   |panBo-| grbDadosRel (the data area: the screen's controls)  |
//   |tes:  |                                                    |
//   | 8 sbtConfirma                                             |
//   |30 sbtCancel                                               |
//   +------+----------------------------------------------------+
//
// sbtConfirma has no handler in the base: the screen binds its own (`sbtConfirmaClick`).
// Everything else, and the construction protocol of a derived screen, is in BaseScreenForm.

#include "framework/BaseScreenForm.h"

namespace ger {

class TfrmRotiGeral : public BaseScreenForm {
public:
    // The base form alone, loaded from its own file.
    explicit TfrmRotiGeral(TComponent* AOwner);

    QString ClassName() const override { return QStringLiteral("TfrmRotiGeral"); }

    TButtonFlat* sbtConfirma = nullptr;

protected:
    TfrmRotiGeral(TComponent* AOwner, DerivedScreenTag);
    void BindComponents() override;
    TButtonFlat* ConfirmButton() const override { return sbtConfirma; }
};

} // namespace ger
