// SetGravaAut: the bulk registration. How "T" and the lists resolve into branches and
// operation types, the one write of every pair, and all-or-nothing on any bad argument.

#include "AppServerTestSupport.h"

#include <set>

using namespace ger;
using namespace ger::test;

namespace {

using Pair = std::pair<QString, QString>; // branch, type

Args Bulk(const QString& inscEst, const QString& filial, const QString& tpoOper,
          const QString& liber = "N", const QString& lancMan = "S", const QString& branch = "0001",
          const QString& kind = "C") {
    return {Ref(inscEst), Ref(filial), Ref(tpoOper), Ref(liber),
            Ref(lancMan), Val(branch), Ref(kind)};
}

class SetGravaAutOnOneEngine : public AppServerTest {
protected:
    // Every row of TIPOOPERFILIAL by (branch, type).
    std::map<Pair, SqlRow> rows() {
        std::map<Pair, SqlRow> all;
        for (const SqlRow& row :
             rowsOf("SELECT CDFILIAL, CDTIPOOPER, IDLIBERADO, IDLANCMANUAL, IDENDEMISTPOPFIL, "
                    "CDINSCMUNI FROM TIPOOPERFILIAL"))
            all[{*row[0], *row[1]}] = row;
        return all;
    }

    // Branches read from FILIAL and kept in C++ by the rule the bulk write follows.
    std::set<QString> branchesWith(const QStringList& inscEst, const QStringList& filial) {
        std::set<QString> chosen;
        for (const SqlRow& row : rowsOf("SELECT CDFILIAL, CDINSCESTA FROM FILIAL"))
            if ((inscEst.isEmpty() || inscEst.contains(row[1].value_or(QString()))) &&
                (filial.isEmpty() || filial.contains(*row[0])))
                chosen.insert(*row[0]);
        return chosen;
    }

    // Checks that exactly `pairs` hold the written values and every other row is as before.
    void expectWritten(const std::map<Pair, SqlRow>& before, const std::set<Pair>& pairs,
                       const SqlRow& values) {
        const std::map<Pair, SqlRow> after = rows();
        for (const Pair& pair : pairs) {
            ASSERT_TRUE(after.count(pair))
                << pair.first.toStdString() << "/" << pair.second.toStdString();
            EXPECT_EQ(SqlRow(after.at(pair).begin() + 2, after.at(pair).end()), values)
                << pair.first.toStdString() << "/" << pair.second.toStdString();
        }
        for (const auto& [pair, row] : after) {
            if (!pairs.count(pair)) {
                EXPECT_EQ(before.count(pair) ? before.at(pair) : SqlRow(), row)
                    << "untouched " << pair.first.toStdString() << "/" << pair.second.toStdString();
            }
        }
    }
};

std::set<Pair> Cross(const std::set<QString>& branches, const QStringList& types) {
    std::set<Pair> pairs;
    for (const QString& branch : branches)
        for (const QString& type : types)
            pairs.insert({branch, type});
    return pairs;
}

} // namespace

using SetGravaAutTest = OnEveryEngine<SetGravaAutOnOneEngine>;

TEST_P(SetGravaAutTest, ListsSelectTheBranchesOfTheStateRegistrationsAndTheListedTypes) {
    const QStringList inscEst{"110042490114", "86123454", "0960012340"};
    const QStringList filial{"0001", "0101", "0002", "0303"};
    const QStringList types{"05", "30", "12"};
    const std::set<QString> branches = branchesWith(inscEst, filial);
    ASSERT_EQ(branches.size(), 2u) << "0002 and 0303 fall outside the state registrations";
    const auto before = rows();
    Args args = Bulk("'110042490114','86123454','0960012340'", "'0001','0101','0002','0303'",
                     "'05','30','12'");
    const Args sent = args;
    succeed("SetGravaAut", args);
    expectWritten(before, Cross(branches, types), {"N", "S", "C", SqlValue()});
    for (qsizetype i = 0; i < sent.size(); ++i)
        EXPECT_EQ(args[i].value, sent[i].value) << "argument " << i + 1 << " comes back as sent";
}

TEST_P(SetGravaAutTest, AllForEveryListWritesEveryBranchWithTheTypesInUseForClients) {
    QStringList types;
    for (const SqlRow& row :
         rowsOf("SELECT CDTIPOOPER FROM TIPOOPERAC WHERE IDUTILOPER = 'S' AND IDENTRSAIDOP = 'S'"))
        types.append(*row.front());
    ASSERT_LT(types.size(), count("SELECT COUNT(*) FROM TIPOOPERAC")) << "some are left out";
    const auto before = rows();
    succeed("SetGravaAut", Bulk("T", "T", "T", "S", "N", "0303", "P"));
    expectWritten(before, Cross(branchesWith({}, {}), types), {"S", "N", "P", SqlValue()});
}

TEST_P(SetGravaAutTest, AllTypesCombineWithListedBranches) {
    QStringList types;
    for (const SqlRow& row :
         rowsOf("SELECT CDTIPOOPER FROM TIPOOPERAC WHERE IDUTILOPER = 'S' AND IDENTRSAIDOP = 'S'"))
        types.append(*row.front());
    const auto before = rows();
    succeed("SetGravaAut", Bulk("T", "'0302'", "T", "N", "N", "0302", ""));
    expectWritten(before, Cross({"0302"}, types), {"N", "N", SqlValue(), SqlValue()});
}

TEST_P(SetGravaAutTest, AnswersWithTheListOfTheBranchArgument) {
    const QByteArray packet = succeed("SetGravaAut", Bulk("T", "'0101'", "'01'", "N", "N", "0002"));
    EXPECT_EQ(packet, call("GetTpOperFil", {Val("0002")}).toByteArray());
}

TEST_P(SetGravaAutTest, OverwritingAnEmpresaRowClearsItsMunicipalRegistration) {
    SqlStatement(db(), "UPDATE TIPOOPERFILIAL SET IDENDEMISTPOPFIL = 'M', CDINSCMUNI = '40213987' "
                       "WHERE CDFILIAL = '0001' AND CDTIPOOPER = '01'")
        .execute();
    succeed("SetGravaAut", Bulk("T", "'0001'", "'01'", "S", "S", "0001", "I"));
    EXPECT_EQ(select("SELECT IDENDEMISTPOPFIL, CDINSCMUNI FROM TIPOOPERFILIAL "
                     "WHERE CDFILIAL = '0001' AND CDTIPOOPER = '01'")
                  .rows(),
              (std::vector<SqlRow>{{QStringLiteral("I"), SqlValue()}}));
}

// A list of `count` well-formed branch codes.
QString ManyCodes(int count) {
    QStringList codes;
    for (int i = 0; i < count; ++i)
        codes.append(QStringLiteral("'%1'").arg(i, 4, 10, QLatin1Char('0')));
    return codes.join(u',');
}

struct BadBulk {
    const char* name;
    Args args;
    ServerResultCode code;
    const char* named; // a text the message must hold, or ""
};

class SetGravaAutRefusalTest : public OnEveryEngineWith<SetGravaAutOnOneEngine, BadBulk> {};

TEST_P(SetGravaAutRefusalTest, WritesNothing) {
    const auto before = writtenTables();
    Args args = testCase().args;
    const ServerResult::Parts parts = fail("SetGravaAut", args);
    EXPECT_EQ(parts.code, static_cast<int>(testCase().code)) << parts.message.toStdString();
    EXPECT_TRUE(parts.message.contains(QString::fromUtf8(testCase().named)))
        << parts.message.toStdString();
    EXPECT_EQ(writtenTables(), before);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FILIAL"), 8) << "the tables are intact";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetGravaAutRefusalTest,
    ::testing::Combine(
        EveryEngine(),
        ::testing::Values(
            BadBulk{"OneUnknownBranch", Bulk("T", "'0001','9999','0101'", "T"),
                    ServerResultCode::NotFound, "9999"},
            BadBulk{"OneUnknownStateRegistration", Bulk("'110042490114','123'", "T", "T"),
                    ServerResultCode::NotFound, "123"},
            BadBulk{"OneUnknownType", Bulk("T", "T", "'01','77'"), ServerResultCode::NotFound,
                    "77"},
            BadBulk{"UnpaddedBranchCode", Bulk("T", "'1'", "T"), ServerResultCode::NotFound,
                    "\"1\""},
            BadBulk{"HostileCode", Bulk("T", "'x) OR (1=1'", "T"), ServerResultCode::NotFound,
                    "x) OR (1=1"},
            BadBulk{"InjectionAttempt", Bulk("T", "'0001'');DELETE FROM FILIAL;--'", "T"),
                    ServerResultCode::InvalidArgument, ""},
            BadBulk{"EmptyList", Bulk("", "T", "T"), ServerResultCode::InvalidArgument, ""},
            // A byte-order mark before a code, which the database would drop, and a reply branch
            // of that kind: refused before anything is written.
            BadBulk{"ByteOrderMarkInAListedCode", Bulk("T", "'\uFEFF0301'", "T"),
                    ServerResultCode::InvalidArgument, "U+FEFF"},
            BadBulk{"ByteOrderMarkInTheReplyBranch",
                    Bulk("T", "'0301'", "T", "N", "S", QStringLiteral("\uFEFF0301")),
                    ServerResultCode::InvalidArgument, "a filial"},
            BadBulk{"ReversedMarkInTheReplyBranch",
                    Bulk("T", "'0301'", "T", "N", "S", QStringLiteral("\uFFFE0301")),
                    ServerResultCode::InvalidArgument, "U+FFFE"},
            BadBulk{"MoreCodesThanTheBound", Bulk("T", ManyCodes(1001), "T"),
                    ServerResultCode::InvalidArgument, "filiais com 1001 códigos: o máximo é 1000"},
            BadBulk{"UnquotedList", Bulk("T", "0001,0101", "T"), ServerResultCode::InvalidArgument,
                    "filiais"},
            BadBulk{"BlankAfterComma", Bulk("T", "'0001', '0101'", "T"),
                    ServerResultCode::InvalidArgument, ""},
            BadBulk{"TrailingComma", Bulk("T", "T", "'01',"), ServerResultCode::InvalidArgument,
                    "tipos de operação"},
            BadBulk{"EmptyCode", Bulk("T", "''", "T"), ServerResultCode::InvalidArgument, ""},
            BadBulk{"LowerCaseAll", Bulk("t", "T", "T"), ServerResultCode::InvalidArgument, ""},
            BadBulk{"ReleasedNotSN", Bulk("T", "T", "T", "Sim"), ServerResultCode::InvalidArgument,
                    "Liberado"},
            BadBulk{"ManualNotSN", Bulk("T", "T", "T", "S", ""), ServerResultCode::InvalidArgument,
                    "Lanç"},
            BadBulk{"CompanyKind", Bulk("T", "T", "T", "S", "S", "0001", "M"),
                    ServerResultCode::InvalidArgument, "(M)"},
            BadBulk{"UnknownKind", Bulk("T", "T", "T", "S", "S", "0001", "Q"),
                    ServerResultCode::InvalidArgument, "Q"},
            BadBulk{"UnknownBranchArgument", Bulk("T", "T", "T", "S", "S", "9999"),
                    ServerResultCode::NotFound, "9999"},
            BadBulk{"SixArguments",
                    Args{Ref("T"), Ref("T"), Ref("T"), Ref("S"), Ref("S"), Val("0001")},
                    ServerResultCode::InvalidArgument, "SetGravaAut"},
            BadBulk{"ListByValue",
                    Args{Val("T"), Ref("T"), Ref("T"), Ref("S"), Ref("S"), Val("0001"), Ref("P")},
                    ServerResultCode::InvalidArgument, "Argumento 1"})),
    EngineAndCaseName<BadBulk>);

INSTANTIATE_TEST_SUITE_P(Engines, SetGravaAutTest, EveryEngine(), EngineName);
