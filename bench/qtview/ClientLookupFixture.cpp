#include "ClientLookupFixture.h"

#include "LookupWindowDialogs.h"
#include "appserver/database/DemoDatabase.h"
#include "framework/Lookup.h"
#include "platform/db/TDataSource.h"
#include "platform/sql/SqlStatement.h"
#include "platform/sql/TADOIBQuery.h"
#include "qtview/QtLookupDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <cstdio>
#include <sqlite3.h>

namespace ger::bench {

namespace {

// The rows qryCli reads, as a plain statement on the table.
const char* const kPlainSql = "SELECT CDCLIENTE, IDTPIJURCLIE, NRINSJURCLIE, NMRAZSOCCLIE, "
                              "NMFANTCLIE FROM CLIENTE ORDER BY NRINSJURCLIE";

const QString kTitle = QStringLiteral("Cliente|Não há cliente cadastrado.");

// What a person types into the search box: a registration prefix key by key, erased, a name
// fragment key by key, erased.
const QStringList kTyped{"4", "45", "456", "", "s", "si", "sil", "silv", "silva", ""};

QString DatabasePath(const QTemporaryDir& dir) {
    return dir.filePath(QStringLiteral("clients.sqlite"));
}

void SendKey(QWidget* to, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(to, &release);
}

} // namespace

ClientLookupFixture::ClientLookupFixture(int clients)
    : m_form(QStringLiteral("src/module/Cli_ger99500.dfm"))
    , m_qryCli(m_form.Query(QStringLiteral("qryCli")))
    , m_dtsCli(m_form.DataSource(QStringLiteral("dtsCli")))
    , m_dialogs(std::make_unique<LookupWindowDialogs>()) {
    QElapsedTimer timer;
    timer.start();
    DemoDatabase::Create(DatabasePath(m_dir), clients);
    m_creationSeconds = static_cast<double>(timer.elapsed()) / 1000.0;
    m_connection = std::make_unique<DatabaseConnection>(DatabasePath(m_dir));
    m_qryCli->SetConnection(m_connection.get(), SqlDialect::Oracle);
    m_qryCli->ParamByName(QStringLiteral("P_NRINSJURCLIE")).Clear();
}

ClientLookupFixture::~ClientLookupFixture() {
    m_dialogs.reset();
    m_qryCli->Close();
}

int ClientLookupFixture::bareSelect() {
    SqlStatement statement(*m_connection, QString::fromLatin1(kPlainSql));
    return statement.select().rowCount();
}

int ClientLookupFixture::rawSqliteSelect() {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(m_connection->handle(), kPlainSql, -1, &statement, nullptr);
    const int columns = sqlite3_column_count(statement);
    std::vector<SqlRow> rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        SqlRow& row = rows.emplace_back();
        row.reserve(static_cast<size_t>(columns));
        for (int i = 0; i < columns; ++i) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
            row.push_back(
                text ? SqlValue(QString::fromUtf8(text, sqlite3_column_bytes(statement, i)))
                     : SqlValue());
        }
    }
    sqlite3_finalize(statement);
    return static_cast<int>(rows.size());
}

int ClientLookupFixture::openQuery() {
    m_qryCli->Close();
    m_qryCli->Open();
    return m_qryCli->RecordCount();
}

int ClientLookupFixture::pesquisar() {
    Pesquisar(m_dtsCli, kTitle, false, true);
    return m_dialogs->lastRowCount();
}

int ClientLookupFixture::buildLookupRequest() {
    m_dialogs->setMode(LookupWindowDialogs::Mode::RequestOnly);
    return pesquisar();
}

int ClientLookupFixture::buildLookupWindow() {
    m_dialogs->setMode(LookupWindowDialogs::Mode::BuildAndDrop);
    return pesquisar();
}

void ClientLookupFixture::keepLookupWindow() {
    m_dialogs->setMode(LookupWindowDialogs::Mode::Keep);
    pesquisar();
}

void ClientLookupFixture::dropLookupWindow() {
    m_dialogs->dropWindow();
}

int ClientLookupFixture::typeInSearchBox() {
    QLineEdit* search = m_dialogs->keptWindow()->SearchBox();
    for (const QString& text : kTyped)
        search->setText(text);
    return static_cast<int>(kTyped.size());
}

void ClientLookupFixture::printWindowTimings() {
    openQuery();
    m_dialogs->setMode(LookupWindowDialogs::Mode::ShowAndPaint);
    QElapsedTimer timer;
    timer.start();
    const int offered = pesquisar();
    const qint64 opened = timer.elapsed();
    QtLookupDialog* window = m_dialogs->keptWindow();
    std::printf("window (%s): Pesquisar to the painted window with %d rows: %lld ms\n",
                qPrintable(QApplication::platformName()), offered, opened);
    for (const QString& key : {QStringLiteral("s"), QStringLiteral("i"), QStringLiteral("l")}) {
        timer.restart();
        SendKey(window->SearchBox(), Qt::Key(key.toUpper().at(0).unicode()), key);
        window->repaint();
        std::printf("window: key \"%s\" to the repainted table (%d rows shown): %lld ms\n",
                    qPrintable(key), window->Table()->model()->rowCount(), timer.elapsed());
    }
    m_dialogs->dropWindow();
}

} // namespace ger::bench
