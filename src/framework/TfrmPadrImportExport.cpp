#include "framework/TfrmPadrImportExport.h"

#include "framework/TButtonFlat.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TPanel.h"
#include "platform/forms/TProgressBar.h"

namespace ger {
namespace {

const QString FormFile = QStringLiteral(":/forms/frmPadrImportExport.dfm");
const QString FormClass = QStringLiteral("TfrmPadrImportExport");

} // namespace

TfrmPadrImportExport::TfrmPadrImportExport(TComponent* AOwner)
    : BaseScreenForm(AOwner, FormFile, FormClass) {
    LoadScreen({}, BaseHandlers());
}

TfrmPadrImportExport::TfrmPadrImportExport(TComponent* AOwner, DerivedScreenTag)
    : BaseScreenForm(AOwner, FormFile, FormClass) {}

void TfrmPadrImportExport::BindComponents() {
    BaseScreenForm::BindComponents();
    sbtImportExport = Bind<TButtonFlat>(QStringLiteral("sbtImportExport"));
    panProgresso = Bind<TPanel>(QStringLiteral("panProgresso"));
    pgbProgresso = Bind<TProgressBar>(QStringLiteral("pgbProgresso"));
    lblProgresso = Bind<TLabel>(QStringLiteral("lblProgresso"));
    Image1 = Bind<TImage>(QStringLiteral("Image1"));
    Image2 = Bind<TImage>(QStringLiteral("Image2"));
}

} // namespace ger
