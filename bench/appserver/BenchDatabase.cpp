#include "BenchDatabase.h"

#include "appserver/database/CompanySchema.h"
#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/SqlStatement.h"
#include "platform/sql/SqlTransaction.h"

namespace ger::bench {

QString BranchCode(int index) {
    return QString::number(index + 1).rightJustified(4, u'0');
}

QString TypeCode(int index) {
    static const QString digits = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return QString(digits.at(index / 36)) + digits.at(index % 36);
}

QString QuotedList(const QStringList& codes) {
    QStringList quoted;
    for (const QString& code : codes)
        quoted.append(u'\'' + code + u'\'');
    return quoted.join(u',');
}

QString CreateBenchDatabase(const QString& path, int branches, int types, int rowsOfFirstBranch) {
    DatabaseConnection connection(path, DatabaseConnection::OpenMode::CreateIfMissing);
    CompanySchema::Create(connection);
    SqlTransaction::Run(connection, [&] {
        connection.executeScript(
            QStringLiteral("INSERT INTO EMPRESA VALUES ('01', 'Empresa de Teste S.A.', 'Teste', "
                           "'47960950000121')"));
        SqlStatement branch(
            connection, "INSERT INTO FILIAL (CDFILIAL, NMFILIAL, CDEMPRESA) VALUES (:C, :N, '01')");
        for (int i = 0; i < branches; ++i) {
            branch.bind("C", BranchCode(i));
            branch.bind("N", QStringLiteral("Filial %1").arg(i + 1));
            branch.execute();
        }
        SqlStatement type(connection, "INSERT INTO TIPOOPERAC VALUES (:C, :N, 'S', 'S')");
        for (int i = 0; i < types; ++i) {
            type.bind("C", TypeCode(i));
            type.bind("N", QStringLiteral("Tipo de operação número %1").arg(i + 1));
            type.execute();
        }
        SqlStatement row(connection, "INSERT INTO TIPOOPERFILIAL VALUES ('0001', :C, 'S', 'N', "
                                     "'P', NULL)");
        for (int i = 0; i < rowsOfFirstBranch; ++i) {
            row.bind("C", TypeCode(i));
            row.execute();
        }
    });
    return path;
}

} // namespace ger::bench
