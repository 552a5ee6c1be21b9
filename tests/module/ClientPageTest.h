#pragma once
// The fixture of the tests of the page "Tipo de Operação por Cliente" of screen GER99500: the
// screen open on branch 0001 with that page shown, and helpers that choose a client and read
// what the grid shows and what the server stored.
//
// Demo clients used (DemoDatabase::ClientCode(index), registration number, person type):
//   0  000000000000000000001  92090028068     F   types 01 10 19 28 at branch 0001
//   1  000000000000000000002  83646835000140  J   types 08 17 26 35 at branch 0001

#include "MainScreenTest.h"

#include <QStringList>

namespace ger {

class ClientPageTest : public MainScreenTest {
protected:
    static inline const QString MariaNumber = QStringLiteral("92090028068");
    static inline const QString MariaCode = QStringLiteral("000000000000000000001");
    static inline const QString MariaName = QStringLiteral("Maria Aparecida da Silva");
    static inline const QString SupermercadoNumber = QStringLiteral("83646835000140");
    static inline const QString SupermercadoCode = QStringLiteral("000000000000000000002");

    // Opens the screen on branch 0001 and shows the client page with a click on its tab.
    TfrmTpOperFil& OpenClientPage();
    // Types the number into medCdCliente (over what it held) and presses Tab.
    bool ChooseClient(const QString& number);
    // OpenClientPage, then ChooseClient; the calls and messages so far are cleared.
    TfrmTpOperFil& OpenWithClient(const QString& number);

    TDBGrid& ClientGrid() const;
    // The codes the client grid shows, in order.
    QStringList TypesShown() const;
    // The codes the server holds for the client at the branch, in order.
    QStringList StoredTypes(const QString& client, const QString& branch = "0001") const;
    // Starts a new row with sbtIncluir, shows the code cell's editor (F2) and picks `type`
    // through its ellipsis.
    bool InsertWithLookup(const QString& type);
    // The GetTipoOperCli call the screen sends for a client code.
    static QString FetchCall(const QString& client, const QString& branch = "0001");
    static QString AddCall(const QString& client, const QString& type,
                           const QString& branch = "0001");
};

} // namespace ger
