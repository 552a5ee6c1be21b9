#pragma once
// The parts the client lookup benchmark measures: a temporary demo database of N clients, the
// screen's qryCli and dtsCli as its form data declares them (src/module/Cli_ger99500.dfm, read
// from the source tree), and a dialog service that builds the real lookup window without
// running it modally.

#include "platform/sql/DatabaseConnection.h"
#include "support/ScreenFormQueries.h"

#include <QTemporaryDir>
#include <memory>

namespace ger {
class TADOIBQuery;
class TDataSource;
} // namespace ger

namespace ger::bench {

class LookupWindowDialogs;

class ClientLookupFixture {
public:
    explicit ClientLookupFixture(int clients);
    ~ClientLookupFixture();

    double creationSeconds() const { return m_creationSeconds; }

    // Each returns the rows it read or offered.
    int bareSelect();
    int rawSqliteSelect();
    int openQuery();
    int buildLookupRequest();
    int buildLookupWindow();

    // A window built by Pesquisar and kept, for typeInSearchBox.
    void keepLookupWindow();
    void dropLookupWindow();
    // Types the search texts into the kept window; returns how many texts were filtered.
    int typeInSearchBox();

    // Pesquisar to a painted window, and a key to the repainted table, on the platform in use.
    void printWindowTimings();

private:
    int pesquisar();

    QTemporaryDir m_dir;
    double m_creationSeconds = 0;
    std::unique_ptr<DatabaseConnection> m_connection;
    ScreenFormQueries m_form;
    TADOIBQuery* m_qryCli;
    TDataSource* m_dtsCli;
    std::unique_ptr<LookupWindowDialogs> m_dialogs;
};

} // namespace ger::bench
