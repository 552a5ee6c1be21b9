#pragma once
// TfrmPadrImportExport: the base form of the screens that send data to the server and may show
// the progress of a long transfer (the main screen GER99500). Its form data
// (forms/frmPadrImportExport.dfm) is that of TfrmRotiGeral without sbtConfirma, plus:
//   - sbtImportExport, the toolbar's first button (top 8), sbtCancel below it (top 30);
//   - panProgresso, hidden, at the bottom: Image1 and Image2 (the transfer's pictures),
//     lblProgresso (what is being done) and pgbProgresso (how far).
// The screen binds sbtImportExport's OnClick itself. Everything else, and the construction
// protocol of a derived screen, is in BaseScreenForm.

#include "framework/BaseScreenForm.h"

namespace ger {

class TImage;
class TProgressBar;

class TfrmPadrImportExport : public BaseScreenForm {
public:
    // The base form alone, loaded from its own file.
    explicit TfrmPadrImportExport(TComponent* AOwner);

    QString ClassName() const override { return QStringLiteral("TfrmPadrImportExport"); }

    TButtonFlat* sbtImportExport = nullptr;
    TPanel* panProgresso = nullptr;
    TProgressBar* pgbProgresso = nullptr;
    TLabel* lblProgresso = nullptr;
    TImage* Image1 = nullptr;
    TImage* Image2 = nullptr;

protected:
    TfrmPadrImportExport(TComponent* AOwner, DerivedScreenTag);
    void BindComponents() override;
    TButtonFlat* ConfirmButton() const override { return sbtImportExport; }
};

} // namespace ger
