// End to end: the real ger-host with the real module, against a real ger-appserver process on
// a loopback port and a temporary demo database.

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const QString kBinDir = QStringLiteral(GER_BIN_DIR);

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun RunProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(kBinDir + u'/' + program, arguments);
    EXPECT_TRUE(process.waitForStarted()) << program.toStdString();
    process.waitForFinished(120000);
    ProgramRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The table of the grid dump that starts at `from` in the transcript: the title line, then
// one line per row, each split into its cells (marker, row number, then the columns).
std::vector<QStringList> GridAfter(const QString& transcript, qsizetype from) {
    std::vector<QStringList> rows;
    const QStringList lines = transcript.mid(from).split(u'\n');
    for (qsizetype i = 3; i < lines.size() && lines[i].startsWith(QStringLiteral("  ")) &&
                          lines[i].contains(QStringLiteral(" | "));
         ++i) {
        QStringList cells = lines[i].mid(2).split(QStringLiteral(" | "));
        for (QString& cell : cells)
            cell = cell.trimmed();
        rows.push_back(cells);
    }
    return rows;
}

class HostProcessTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_host";
            static char* argv[] = {name, nullptr};
            static QCoreApplication application(argc, argv);
        }
        dir = std::make_unique<QTemporaryDir>();
        database = dir->filePath(QStringLiteral("demo.sqlite"));
        const ProgramRun init =
            RunProgram(QStringLiteral("ger-appserver"), {"--init-demo", database});
        ASSERT_EQ(init.exitCode, 0) << init.err.toStdString();
        server = std::make_unique<QProcess>();
        server->start(kBinDir + QStringLiteral("/ger-appserver"),
                      {"--database", database, "--port", "0", "--print-port"});
        ASSERT_TRUE(server->waitForStarted());
        const QRegularExpression listening(QStringLiteral("listening on [^:]+:(\\d+)"));
        QString said;
        while (!listening.match(said).hasMatch() && server->waitForReadyRead(30000))
            said += QString::fromUtf8(server->readAllStandardOutput());
        const auto match = listening.match(said);
        ASSERT_TRUE(match.hasMatch()) << said.toStdString();
        port = match.captured(1);
    }

    static void TearDownTestSuite() {
        if (server) {
            server->terminate();
            server->waitForFinished();
        }
        server.reset();
        dir.reset();
    }

    QString script(const QByteArray& text) {
        const QString path = scripts.filePath(QStringLiteral("teste.script"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    static ProgramRun Host(QStringList arguments) {
        arguments << "--database" << database << "--WebPort" << port;
        return RunProgram(QStringLiteral("ger-host"), arguments);
    }

    // The first column of every row `sql` selects with `values` bound, from the database the
    // host and the server share.
    static QStringList Select(const QString& sql, const QStringList& values) {
        QStringList column;
        {
            auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
            db.setDatabaseName(database);
            EXPECT_TRUE(db.open());
            QSqlQuery query(db);
            query.prepare(sql);
            for (const QString& value : values)
                query.addBindValue(value);
            EXPECT_TRUE(query.exec()) << sql.toStdString();
            while (query.next())
                column.append(query.value(0).toString());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
        return column;
    }

    // The client's operation types at the branch, in order, separated by blanks.
    static QString ClientTypes(const QString& branch, const QString& client) {
        return Select(QStringLiteral("SELECT CDTIPOOPER FROM TIPOOPERCLIENTE WHERE CDFILIAL = ? "
                                     "AND CDCLIENTE = ? ORDER BY 1"),
                      {branch, client})
            .join(QLatin1Char(' '));
    }

    static QString Stored(const QString& branch, const QString& type,
                          const QString& column = QStringLiteral("IDLIBERADO")) {
        return Select(QStringLiteral("SELECT %1 FROM TIPOOPERFILIAL WHERE CDFILIAL = ? AND "
                                     "CDTIPOOPER = ?")
                          .arg(column),
                      {branch, type})
            .value(0);
    }

    QTemporaryDir scripts;
    static inline std::unique_ptr<QTemporaryDir> dir;
    static inline std::unique_ptr<QProcess> server;
    static inline QString database;
    static inline QString port;
};

TEST_F(HostProcessTest, AScriptLoadsTheBranchWritesAFlagAndReportsMessages) {
    const ProgramRun run = Host({"--script", script("iniproc\n"
                                                    "focus medFilial\n"
                                                    "type 1\n"
                                                    "focus dbgPadrao\n"
                                                    "dump edtNmFilial\n"
                                                    "dump dbgPadrao\n"
                                                    "cell dbgPadrao 1 2\n"
                                                    "pick Não\n"
                                                    "key Down\n"
                                                    "dump dbgPadrao\n"
                                                    "messages\n"
                                                    "focus medFilial\n"
                                                    "type 9999\n"
                                                    "focus dbgPadrao\n"
                                                    "dump medFilial\n"
                                                    "messages\n")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString() << run.out.toStdString();
    const QString& t = run.out;
    EXPECT_THAT(t.toStdString(), HasSubstr("TEdit edtNmFilial text=\"Horizonte São Paulo"));

    const qsizetype firstDump = t.indexOf(QStringLiteral("> dump dbgPadrao"));
    const auto before = GridAfter(t, firstDump);
    ASSERT_GE(before.size(), 3u) << t.toStdString();
    const qsizetype liberado = before.front().indexOf(QStringLiteral("Liberado"));
    ASSERT_GE(liberado, 0) << t.toStdString();
    EXPECT_EQ(before[1].at(0), "*") << "the first row is current after loading";
    EXPECT_EQ(before[1].at(liberado), "Sim");

    const auto after = GridAfter(t, t.indexOf(QStringLiteral("> dump dbgPadrao"), firstDump + 1));
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after[1].at(2), before[1].at(2)) << "the reloaded list keeps its order";
    EXPECT_EQ(after[1].at(liberado), "Não");
    EXPECT_EQ(Stored(QStringLiteral("0001"), after[1].at(2).left(2)), "N");

    EXPECT_THAT(t.toStdString(),
                HasSubstr("> key Down\n  progress: Atualizando dados no servidor\n"));
    EXPECT_THAT(t.toStdString(), HasSubstr("> messages\n  (no messages)\n"));
    EXPECT_THAT(t.toStdString(), HasSubstr("TMaskEdit medFilial text=\"9999\""));
    EXPECT_THAT(t.toStdString(), HasSubstr("  mtError: Filial não cadastrada.\n"));
}

// The scenario of screen GER99502 a person runs by hand (scripts/ger99502.script): the
// registration refused, looked up and confirmed, written, then put back.
TEST_F(HostProcessTest, TheIssuingDataScenarioWritesTheRowAndPutsItBack) {
    const QString before =
        Stored(QStringLiteral("0001"), QStringLiteral("01"), QStringLiteral("IDENDEMISTPOPFIL"));
    const ProgramRun run = Host({"--script", QStringLiteral(GER_SCRIPTS_DIR "/ger99502.script")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString() << run.out.toStdString();
    const std::string t = run.out.toStdString();
    EXPECT_THAT(t, HasSubstr("TComboBox cbbSelecaoEndereco text=\"Cobrança\" enabled=yes "
                             "visible=yes focused=yes index=1"));
    EXPECT_THAT(t, HasSubstr("  mtError: Inscrição municipal não cadastrada.\n"));
    EXPECT_THAT(t, HasSubstr("> key F3\n  lookup \"Inscrição Municipal\": 6 rows: 04567890 "
                             "30125897 31428573 3456712 40213987 7788990\n"));
    EXPECT_THAT(t, HasSubstr("> key Enter Ctrl\n  progress: Atualizando dados no servidor\n"
                             "> messages\n  (no messages)\n"));
    EXPECT_EQ(
        Stored(QStringLiteral("0001"), QStringLiteral("01"), QStringLiteral("IDENDEMISTPOPFIL")),
        before);
}

// The scenario of the per-client page (scripts/ger99500-client.script): an unknown client
// refused, the client looked up and its types fetched, a duplicate refused, type 02 written and
// removed again.
TEST_F(HostProcessTest, TheClientPageScenarioAddsAndRemovesATypeOfTheClient) {
    const ProgramRun run =
        Host({"--script", QStringLiteral(GER_SCRIPTS_DIR "/ger99500-client.script")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString() << run.out.toStdString();
    const std::string t = run.out.toStdString();
    EXPECT_THAT(t, HasSubstr("> key Tab\n  (action aborted)\n> messages\n"
                             "  mtError: Cliente não cadastrado.\n"));
    EXPECT_THAT(t, HasSubstr("> key F3\n  lookup \"Cliente\": 54 rows: 05161748000190 "));
    EXPECT_THAT(t, HasSubstr("TEdit edtNmCliente text=\"Maria Aparecida da Silva\""));
    EXPECT_THAT(t, HasSubstr("  lookup \"Tipo Operação\": 32 rows: 01 02 03 "));
    EXPECT_THAT(t, HasSubstr("  mtError: Tipo de operação já cadastrado.\n"));
    EXPECT_THAT(t, HasSubstr("  * | 1 | 02     | Venda de produção própria\n"));
    EXPECT_THAT(t, HasSubstr("> messages\n  mtConfirmation: Confirma exclusão?\n"
                             "  mtConfirmation: Confirma exclusão?\n"));
    EXPECT_THAT(t, Not(HasSubstr("Lista de alterações")));
    EXPECT_EQ(ClientTypes(QStringLiteral("0001"), QStringLiteral("000000000000000000001")),
              "01 10 19 28");
}

// The scenario of screen GER99501 (scripts/ger99501.script): three lists chosen in the
// multi-choice lookups, one write of branches 0001 and 0002 × types 01 and 02.
TEST_F(HostProcessTest, TheBulkRegistrationScenarioWritesTheChosenBranchesAndTypes) {
    const ProgramRun run = Host({"--script", QStringLiteral(GER_SCRIPTS_DIR "/ger99501.script")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString() << run.out.toStdString();
    const std::string t = run.out.toStdString();
    EXPECT_THAT(t, HasSubstr("  mtError: Inscrição Estadual deve ser informada.\n"));
    EXPECT_THAT(t, HasSubstr("> click btnFilial\n  lookup \"Filial\": 2 rows: 0001 0002\n"));
    EXPECT_THAT(t, HasSubstr("  mtInformation: Cadastramento realizado com sucesso.\n"));
    for (const char* branch : {"0001", "0002"})
        for (const char* type : {"01", "02"})
            EXPECT_EQ(Stored(QString::fromLatin1(branch), QString::fromLatin1(type),
                             QStringLiteral("IDLIBERADO || IDLANCMANUAL || IDENDEMISTPOPFIL")),
                      "SSP")
                << branch << "/" << type;
}

TEST_F(HostProcessTest, AScreenshotIsANonEmptyPng) {
    const QString path = scripts.filePath(QStringLiteral("tela.png"));
    const ProgramRun run = Host({"--screenshot", path});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile png(path);
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    const QByteArray bytes = png.readAll();
    ASSERT_GT(bytes.size(), 24);
    EXPECT_TRUE(bytes.startsWith("\x89PNG\r\n\x1a\n"));
    const auto be32 = [&bytes](int at) {
        return (quint32(quint8(bytes[at])) << 24) | (quint32(quint8(bytes[at + 1])) << 16) |
               (quint32(quint8(bytes[at + 2])) << 8) | quint32(quint8(bytes[at + 3]));
    };
    EXPECT_GT(be32(16), 0u) << "width";
    EXPECT_GT(be32(20), 0u) << "height";
}

struct ExitCase {
    const char* name;
    QByteArray script;     // empty: no --script
    QStringList arguments; // besides --database and --WebPort
    int exitCode;
    const char* said; // on standard error
};

class HostExitCodeTest : public HostProcessTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(HostExitCodeTest, TellsWhatWentWrong) {
    QStringList arguments = GetParam().arguments;
    if (!GetParam().script.isEmpty())
        arguments << "--script" << script(GetParam().script);
    const ProgramRun run = Host(arguments);
    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err.toStdString();
    EXPECT_THAT(run.err.toStdString(), HasSubstr(GetParam().said));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, HostExitCodeTest,
    ::testing::Values(
        ExitCase{"UnknownLine", "iniproc\n\nabrir tudo\n", {}, 2, "line 3: unknown command"},
        ExitCase{"UnknownControl", "iniproc\nfocus medNada\n", {}, 1, "line 2"},
        ExitCase{"UnknownOption", "", {"--tela", "x"}, 2, "tela"},
        ExitCase{"MissingModule",
                 "iniproc\n",
                 {"--module", "/nonexistent/libX.so"},
                 1,
                 "/nonexistent/libX.so"}),
    [](const auto& tested) { return std::string(tested.param.name); });

} // namespace
