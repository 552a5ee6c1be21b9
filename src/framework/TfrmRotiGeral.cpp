#include "framework/TfrmRotiGeral.h"

#include "framework/TButtonFlat.h"

namespace ger {
namespace {

const QString FormFile = QStringLiteral(":/forms/frmRotiGeral.dfm");
const QString FormClass = QStringLiteral("TfrmRotiGeral");

} // namespace

TfrmRotiGeral::TfrmRotiGeral(TComponent* AOwner)
    : BaseScreenForm(AOwner, FormFile, FormClass) {
    LoadScreen({}, BaseHandlers());
}

TfrmRotiGeral::TfrmRotiGeral(TComponent* AOwner, DerivedScreenTag)
    : BaseScreenForm(AOwner, FormFile, FormClass) {}

void TfrmRotiGeral::BindComponents() {
    BaseScreenForm::BindComponents();
    sbtConfirma = Bind<TButtonFlat>(QStringLiteral("sbtConfirma"));
}

} // namespace ger
