#include "ClientPageTest.h"

#include "platform/db/TClientDataSet.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/grid/TDBGrid.h"

namespace ger {

TfrmTpOperFil& ClientPageTest::OpenClientPage() {
    TfrmTpOperFil& form = OpenWithBranch0001();
    EXPECT_TRUE(User().Click(QStringLiteral("tshTipoOperCli")));
    return form;
}

bool ClientPageTest::ChooseClient(const QString& number) {
    if (!User().Focus(QStringLiteral("medCdCliente")))
        return false;
    Form().medCdCliente->SelectAll();
    if (!number.isEmpty() && !User().Type(number))
        return false;
    if (number.isEmpty() && !Form().medCdCliente->Text().isEmpty())
        Form().medCdCliente->Clear();
    return User().Press(VK_TAB);
}

TfrmTpOperFil& ClientPageTest::OpenWithClient(const QString& number) {
    TfrmTpOperFil& form = OpenClientPage();
    EXPECT_TRUE(ChooseClient(number));
    EXPECT_TRUE(form.cdsTpOperCli->Active());
    EXPECT_EQ(User().FocusedName(), "dbgTipoOperCli");
    dialogs.ClearMessages();
    server->ClearCalls();
    return form;
}

TDBGrid& ClientPageTest::ClientGrid() const {
    return *Form().dbgTipoOperCli;
}

QStringList ClientPageTest::TypesShown() const {
    QStringList types;
    for (int row = 0; row < ClientGrid().RowCount(); ++row)
        types.append(ClientGrid().DisplayText(row, 0));
    return types;
}

QStringList ClientPageTest::StoredTypes(const QString& client, const QString& branch) const {
    const QString list = server->Scalar(
        QStringLiteral("SELECT group_concat(CDTIPOOPER, ' ') FROM (SELECT CDTIPOOPER FROM "
                       "TIPOOPERCLIENTE WHERE CDFILIAL = '%1' AND CDCLIENTE = '%2' ORDER BY 1)")
            .arg(branch, client));
    return list.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool ClientPageTest::InsertWithLookup(const QString& type) {
    if (!User().Click(QStringLiteral("sbtIncluir")) || !User().Press(VK_F2))
        return false;
    dialogs.ChooseLookupKeys({type});
    return User().ClickEditButton(QStringLiteral("dbgTipoOperCli"));
}

QString ClientPageTest::FetchCall(const QString& client, const QString& branch) {
    return QStringLiteral("GetTipoOperCli(\"%1\", var \"%2\", var \"\", \"S\")")
        .arg(branch, client);
}

QString ClientPageTest::AddCall(const QString& client, const QString& type, const QString& branch) {
    return QStringLiteral("SetTipoOperCli(\"%1\", var \"%2\", \"%3\", \"S\")")
        .arg(branch, client, type);
}

} // namespace ger
