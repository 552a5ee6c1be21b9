// Screen GER99502, the issuing-data dialog, opened from the address column of GER99500's grid
// against the real server: its load, the address choice, the municipal registration and the
// confirmation that writes the main screen's row.

#include "module/TfrmDadosEmissaoNF.h"

#include "MainScreenTest.h"
#include "framework/TBtnPesquisa.h"
#include "framework/TButtonFlat.h"
#include "module/Cli_ger99502.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TStringField.h"
#include "platform/forms/Dispatch.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/TScreen.h"
#include "platform/forms/dbctrls/TDBEdit.h"
#include "platform/forms/grid/GridInput.h"

#include <gmock/gmock.h>

using namespace ger;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

namespace {

constexpr int ColEndereco = 3;
const QString InscMuniInf = QStringLiteral("Inscrição municipal deve ser informada.");
const QString InscMuniCad = QStringLiteral("Inscrição municipal não cadastrada.");
const QString NoAddress =
    QStringLiteral("Operação Bloqueada! Endereço informado não cadastrado no sistema. Favor "
                   "verificar o cadastro da filial ou da inscrição estadual.");
// Branch 0001's own registration (FILIAL.CDINSCMUNI) and one more of its company 01.
const QString BranchRegistration = QStringLiteral("31428573");
const QString CompanyRegistration = QStringLiteral("40213987");
// A registration of company 02 only.
const QString OtherCompanysRegistration = QStringLiteral("5214789");

class IssuingDataDialogTest : public MainScreenTest {
protected:
    // Opens the dialog from the address column of the row of `type`, runs `script` while it is
    // shown, and closes it unless the script did.
    void OpenDialogOn(const QString& type, std::function<void(TfrmDadosEmissaoNF&)> script) {
        const int row = RowOf(type);
        ASSERT_GE(row, 0) << type.toStdString();
        const auto opened = dialogs.ModalForms().size();
        // Rows below the grid's fold are scrolled to first, as the person would.
        if (Form().cdsTpOperFil->RecNo() != row + 1) {
            ASSERT_TRUE(Dispatch([&] { Form().cdsTpOperFil->SetRecNo(row + 1); }));
        }
        dialogs.OnModal([script = std::move(script)](TCustomForm& form) {
            auto& dialog = dynamic_cast<TfrmDadosEmissaoNF&>(form);
            script(dialog);
            if (dialog.Visible())
                ScriptedUser(dialog).Close();
        });
        ASSERT_TRUE(GridInput::DoubleClickCell(Grid(), row, ColEndereco));
        ASSERT_EQ(dialogs.ModalForms().size(), opened + 1) << "the dialog was shown";
    }

    static QString ShownKind(TfrmDadosEmissaoNF& dialog) {
        return dialog.cdsDadosEmissaoNFIDTPENDEFILI->AsString();
    }
    QString StoredKind(const QString& type) const {
        return Stored("0001", type, "IDENDEMISTPOPFIL");
    }
};

} // namespace

// Kind "M": "Empresa" with the registration controls enabled and filled from CDINSCMUNIEMP.
// Any other kind: its item, the controls disabled, the edit still showing CDINSCMUNIEMP. The
// confirm button is disabled either way, though filling the edit enabled it.
TEST_F(IssuingDataDialogTest, OpensOnTheRowsKindWithTheRegistrationForEmpresaOnly) {
    OpenWithBranch0001();
    OpenDialogOn("29", [&](TfrmDadosEmissaoNF& d) {
        EXPECT_EQ(d.medFilial->Text(), "0001");
        EXPECT_EQ(d.edtNmFilial->Text(), Form().edtNmFilial->Text());
        EXPECT_EQ(d.cbbSelecaoEndereco->ItemIndex(), 6);
        EXPECT_EQ(d.cbbSelecaoEndereco->Text(), "Empresa");
        EXPECT_EQ(ShownKind(d), "M");
        EXPECT_TRUE(d.edtInscMuni->Enabled());
        EXPECT_TRUE(d.btpInscMuni->Enabled());
        EXPECT_TRUE(d.lblInscMuni->Enabled());
        EXPECT_EQ(d.edtInscMuni->Color(), clInfoBk);
        EXPECT_EQ(d.edtInscMuni->Text(), BranchRegistration);
        EXPECT_FALSE(d.sbtConfirma->Enabled());
        EXPECT_EQ(d.dbeNmRazSocFili->Text(), d.cdsDadosEmissaoNFNMRAZSOCFILI->AsString());
    });
    ASSERT_THAT(dialogs.Progress(), SizeIs(2));
    EXPECT_EQ(dialogs.Progress()[0].kind, 6);
    EXPECT_EQ(dialogs.Progress()[0].formName, "frmDadosEmissaoNF");
    EXPECT_FALSE(dialogs.IsProgressShown());

    OpenDialogOn("01", [&](TfrmDadosEmissaoNF& d) {
        EXPECT_EQ(d.cbbSelecaoEndereco->Text(), "Cobrança");
        EXPECT_EQ(ShownKind(d), "C");
        EXPECT_FALSE(d.edtInscMuni->Enabled());
        EXPECT_FALSE(d.btpInscMuni->Enabled());
        EXPECT_EQ(d.edtInscMuni->Text(), BranchRegistration);
        EXPECT_FALSE(d.sbtConfirma->Enabled());
    });
    EXPECT_THAT(server->CallsOf("GetDadosEmissaoNF"), SizeIs(2)) << "loaded at every opening";
    EXPECT_THAT(MessageTexts(), IsEmpty());
    ASSERT_TRUE(Dispatch([&] { Form().cdsTpOperFil->Cancel(); }));
}

// An empty kind (type 13 of the demo), or one not in the table (the database refuses such a
// kind, so the row holds it unposted): no item, the first record, the controls disabled.
TEST_F(IssuingDataDialogTest, AnEmptyOrUnknownKindOpensWithNothingSelectedOnTheFirstRecord) {
    OpenWithBranch0001();
    for (const char* type : {"13", "26"}) {
        if (QLatin1String(type) == QLatin1String("26")) {
            ASSERT_TRUE(Dispatch([&] {
                Form().cdsTpOperFil->SetRecNo(RowOf("26") + 1);
                Form().cdsTpOperFil->Edit();
                Form().cdsTpOperFilIDENDEMISTPOPFIL->SetAsString("Z");
            }));
        }
        OpenDialogOn(type, [&](TfrmDadosEmissaoNF& d) {
            EXPECT_EQ(d.cbbSelecaoEndereco->ItemIndex(), -1) << type;
            EXPECT_EQ(ShownKind(d), "P") << type;
            EXPECT_FALSE(d.edtInscMuni->Enabled()) << type;
            EXPECT_FALSE(d.sbtConfirma->Enabled()) << type;
        });
    }
    EXPECT_THAT(MessageTexts(), IsEmpty());
}

// Choosing moves within the loaded data: the kind's record is shown, the edit is cleared for
// every kind but "Empresa", which does not refill it, and the empty item, which the data
// lack, leaves the record on screen.
TEST_F(IssuingDataDialogTest, ChoosingAKindShowsItsAddressAndEnablesTheConfirmation) {
    OpenWithBranch0001();
    OpenDialogOn("29", [&](TfrmDadosEmissaoNF& d) {
        ScriptedUser user(d);
        ASSERT_TRUE(user.Choose("cbbSelecaoEndereco", "Entrega"));
        EXPECT_EQ(ShownKind(d), "T");
        EXPECT_TRUE(d.sbtConfirma->Enabled());
        EXPECT_FALSE(d.edtInscMuni->Enabled());
        EXPECT_EQ(d.edtInscMuni->Text(), "");
        ASSERT_TRUE(user.Choose("cbbSelecaoEndereco", "Empresa"));
        EXPECT_TRUE(d.edtInscMuni->Enabled());
        EXPECT_EQ(d.edtInscMuni->Text(), "") << "choosing Empresa does not refill the edit";
        ASSERT_TRUE(user.Choose("cbbSelecaoEndereco", 7));
        EXPECT_EQ(ShownKind(d), "M") << "no record for the empty code: the last one stays";
    });
    EXPECT_EQ(StoredKind("29"), "M") << "choosing writes nothing";
}

// CPF (11 characters) and CNPJ (14, digits or letters) in their masks; other lengths as stored.
TEST_F(IssuingDataDialogTest, TheTaxNumberIsShownInTheMaskOfItsLength) {
    for (const auto& [kind, number] : std::vector<std::pair<QString, QString>>{
             {"P", "12345678901"}, {"C", "12ABC34501DE35"}, {"E", "123456789012"}, {"X", ""}})
        server->Execute(QStringLiteral("UPDATE ENDERECOFILIAL SET NRINSJURFILI = '%1' "
                                       "WHERE CDFILIAL = '0001' AND IDTPENDEFILI = '%2'")
                            .arg(number, kind));
    OpenWithBranch0001();
    OpenDialogOn("29", [&](TfrmDadosEmissaoNF& d) {
        ScriptedUser user(d);
        QStringList shown;
        for (const char* item : {"Filial", "Cobrança", "Exterior", "Exportação"}) {
            EXPECT_TRUE(user.Choose("cbbSelecaoEndereco", QString::fromUtf8(item)));
            shown.append(d.dbeNrInsJurFili->Text());
        }
        EXPECT_EQ(shown, QStringList({"123.456.789-01", "12.ABC.345/01DE-35", "123456789012", ""}));
    });
}

// "Empresa" needs a registration of the branch's company: an empty one and one of another
// company are refused with the focus back in the edit and nothing written; the lookup button,
// which takes no focus, still works.
TEST_F(IssuingDataDialogTest, EmpresaNeedsARegistrationOfTheBranchsCompany) {
    OpenWithBranch0001();
    OpenDialogOn("01", [&](TfrmDadosEmissaoNF& d) {
        ScriptedUser user(d);
        ASSERT_TRUE(user.Choose("cbbSelecaoEndereco", "Filial")) << "clears the edit";
        ASSERT_TRUE(user.Choose("cbbSelecaoEndereco", "Empresa"));
        ASSERT_TRUE(user.Focus("edtInscMuni"));
        EXPECT_FALSE(user.Click("sbtConfirma")) << "the check ends the click";
        EXPECT_THAT(MessageTexts(), ElementsAre(InscMuniInf));
        EXPECT_EQ(user.FocusedName(), "edtInscMuni");

        ASSERT_TRUE(user.Type(OtherCompanysRegistration));
        EXPECT_FALSE(user.Click("sbtConfirma"));
        EXPECT_THAT(MessageTexts(), ElementsAre(InscMuniInf, InscMuniCad));
        EXPECT_EQ(user.FocusedName(), "edtInscMuni");

        // Longer than the field: typing stops at its 16 characters, which are no registration.
        dialogs.ClearMessages();
        ASSERT_TRUE(user.Press('A', ssCtrl));
        ASSERT_TRUE(user.Type(CompanyRegistration + QStringLiteral("123456789")));
        EXPECT_EQ(d.edtInscMuni->Text(), (CompanyRegistration + QStringLiteral("12345678")));
        EXPECT_FALSE(user.Click("sbtConfirma"));
        EXPECT_THAT(MessageTexts(), ElementsAre(InscMuniCad));

        dialogs.ChooseLookupValue(CompanyRegistration);
        ASSERT_TRUE(user.Click("btpInscMuni"));
        ASSERT_THAT(dialogs.Lookups(), SizeIs(1));
        EXPECT_EQ(dialogs.Lookups()[0].title, "Inscrição Municipal");
        QStringList offered;
        for (const QStringList& row : dialogs.Lookups()[0].rows)
            offered.append(row.value(0));
        EXPECT_EQ(offered, QStringList({"04567890", "30125897", "31428573", "3456712", "40213987",
                                        "7788990"}))
            << "company 01's registrations, in code order";
        EXPECT_EQ(d.edtInscMuni->Text(), CompanyRegistration);
    });
    EXPECT_THAT(server->CallsOf("SetTpOperFil"), IsEmpty());
    EXPECT_EQ(StoredKind("01"), "C");
}

// Confirming writes the row on the server through the main screen's post: "M" with the
// registration, any other kind with none; the dialog stays open with the button disabled until
// something changes again.
TEST_F(IssuingDataDialogTest, ConfirmingWritesTheKindAndRegistrationIntoTheRowOnTheServer) {
    OpenWithBranch0001();
    OpenDialogOn("01", [&](TfrmDadosEmissaoNF& d) {
        ScriptedUser user(d);
        ASSERT_TRUE(user.Choose("cbbSelecaoEndereco", "Empresa"));
        ASSERT_TRUE(user.Focus("edtInscMuni"));
        ASSERT_TRUE(user.Type(CompanyRegistration));
        ASSERT_TRUE(user.Click("sbtConfirma"));
        EXPECT_TRUE(d.Visible());
        EXPECT_FALSE(d.sbtConfirma->Enabled());
        EXPECT_EQ(Form().cdsTpOperFilIDENDEMISTPOPFIL->AsString(), "M");
    });
    EXPECT_THAT(MessageTexts(), IsEmpty());
    EXPECT_EQ(StoredKind("01"), "M");
    EXPECT_EQ(Stored("0001", "01", "CDINSCMUNI"), CompanyRegistration);
    EXPECT_EQ(Form().cdsTpOperFil->ChangeCount(), 0);

    OpenDialogOn("01", [&](TfrmDadosEmissaoNF& d) {
        ScriptedUser user(d);
        ASSERT_TRUE(user.Choose("cbbSelecaoEndereco", "Filial"));
        ASSERT_TRUE(user.Click("sbtConfirma"));
        EXPECT_TRUE(Form().stInscMuni.isEmpty());
    });
    EXPECT_EQ(StoredKind("01"), "P");
    EXPECT_EQ(Stored("0001", "01", "CDINSCMUNI"), "");
    EXPECT_THAT(server->CallsOf("SetTpOperFil"), SizeIs(2));
}

// A kind the branch has no address for cannot be confirmed: the message, the focus on the
// combo, nothing written.
TEST_F(IssuingDataDialogTest, AKindWithoutAnAddressIsRefused) {
    OpenScreen();
    ASSERT_TRUE(ChooseBranch("0302")) << "a branch without a collection address (C)";
    const QString type = Grid().DisplayText(0, 0).left(2);
    const QString before = Stored("0302", type, "IDENDEMISTPOPFIL");
    OpenDialogOn(type, [&](TfrmDadosEmissaoNF& d) {
        ScriptedUser user(d);
        ASSERT_TRUE(user.Choose("cbbSelecaoEndereco", "Cobrança"));
        EXPECT_EQ(d.cdsDadosEmissaoNFEXISTEINFO->AsString(), "NAO_CADASTRADO");
        EXPECT_FALSE(user.Click("sbtConfirma"));
        EXPECT_EQ(user.FocusedName(), "cbbSelecaoEndereco");
    });
    EXPECT_THAT(MessageTexts(), ElementsAre(NoAddress));
    EXPECT_THAT(server->CallsOf("SetTpOperFil"), IsEmpty());
    EXPECT_EQ(Stored("0302", type, "IDENDEMISTPOPFIL"), before);
}

// A server that is down: the load fails with its message, the animation is gone, the main
// screen is as it was, and the dialog, never closed, is re-used by the next opening, which
// loads again. The cursor is not left as an hourglass.
TEST_F(IssuingDataDialogTest, AFailedLoadLeavesTheMainScreenAndTheNextOpeningLoadsAgain) {
    OpenWithBranch0001();
    const int row = RowOf("29");
    server->Stop();
    ASSERT_TRUE(Dispatch([&] { Form().cdsTpOperFil->SetRecNo(row + 1); }));
    EXPECT_FALSE(GridInput::DoubleClickCell(Grid(), row, ColEndereco)) << "the failure is shown";
    ASSERT_THAT(MessageTexts(), SizeIs(1));
    EXPECT_FALSE(dialogs.IsProgressShown());
    EXPECT_EQ(Screen().Cursor(), crDefault);
    EXPECT_TRUE(Cli_ger99502::boIdCriado);
    EXPECT_EQ(Form().cdsTpOperFil->State(), dsBrowse);
    TfrmDadosEmissaoNF* failed = Cli_ger99502::frmDadosEmissaoNF;
    ASSERT_NE(failed, nullptr);

    server->Start();
    OpenDialogOn("29", [&](TfrmDadosEmissaoNF& d) {
        EXPECT_EQ(&d, failed);
        EXPECT_EQ(ShownKind(d), "M");
    });
    EXPECT_FALSE(Cli_ger99502::boIdCriado);
}

// Bound to one branch the main screen runs no branch check; the company still comes from that
// branch.
TEST_F(IssuingDataDialogTest, BoundToOneBranchTheCompanyIsTheHostBranchs) {
    server->SetBranchSettings(true, QStringLiteral("0301"),
                              QStringLiteral("Vale Verde Porto Alegre"));
    OpenScreen();
    ASSERT_TRUE(Form().cdsTpOperFil->Active());
    OpenDialogOn(Grid().DisplayText(0, 0).left(2), [&](TfrmDadosEmissaoNF& d) {
        ScriptedUser user(d);
        ASSERT_TRUE(user.Choose("cbbSelecaoEndereco", "Empresa"));
        dialogs.CancelLookup();
        ASSERT_TRUE(user.Click("btpInscMuni"));
    });
    ASSERT_THAT(dialogs.Lookups(), SizeIs(1));
    QStringList offered;
    for (const QStringList& row : dialogs.Lookups()[0].rows)
        offered.append(row.value(0));
    EXPECT_EQ(offered, QStringList({"1029384", "2233445", "5214789", "88120031"}))
        << "company 02's registrations";
}
