#include "appserver/database/DemoDatabase.h"

#include "appserver/database/CompanySchema.h"
#include "appserver/database/DemoGeneratedClients.h"
#include "appserver/database/DemoSeedData.h"
#include "platform/db/EDatabaseError.h"
#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/SqlStatement.h"
#include "platform/sql/SqlTransaction.h"

#include <QFile>
#include <QFileInfo>
#include <optional>
#include <vector>

namespace ger {

namespace {

using D = DemoSeedData;

SqlValue V(const char* text) {
    return text ? SqlValue(QString::fromUtf8(text)) : SqlValue();
}
SqlValue V(char flag) {
    return SqlValue(QString(QChar::fromLatin1(flag)));
}
SqlValue V(const QString& text) {
    return SqlValue(text);
}

// Inserts rows into a table, every value bound as a parameter named after its column.
void InsertRows(DatabaseConnection& connection, const QString& table, const QStringList& columns,
                const std::vector<SqlRow>& rows) {
    QStringList placeholders;
    for (const QString& column : columns)
        placeholders.append(u':' + column);
    SqlStatement insert(connection, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                        .arg(table, columns.join(QStringLiteral(", ")),
                                             placeholders.join(QStringLiteral(", "))));
    for (const SqlRow& row : rows) {
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const SqlValue& value = row.at(static_cast<size_t>(i));
            insert.bind(columns.at(i), value ? QVariant(*value) : QVariant());
        }
        insert.execute();
    }
}

template <class Row, class Convert>
std::vector<SqlRow> RowsOf(std::span<const Row> data, Convert convert) {
    std::vector<SqlRow> rows;
    for (const Row& row : data)
        rows.push_back(convert(row));
    return rows;
}

void SeedPlaces(DatabaseConnection& c) {
    InsertRows(c, "PAIS", {"CDPAIS", "NMPAIS"}, RowsOf(D::Countries(), [](const auto& r) {
                   return SqlRow{V(r.code), V(r.name)};
               }));
    InsertRows(c, "ESTADO", {"SGESTADO", "NMESTADO", "CDPAIS"},
               RowsOf(D::States(), [](const auto& r) {
                   return SqlRow{V(r.code), V(r.name), V(r.country)};
               }));
    InsertRows(c, "MUNICIPIO", {"CDMUNICIPIO", "NMMUNICIPIO", "SGESTADO"},
               RowsOf(D::Municipalities(), [](const auto& r) {
                   return SqlRow{V(r.code), V(r.name), V(r.state)};
               }));
    InsertRows(c, "BAIRRO", {"CDBAIRRO", "NMBAIRRO", "CDMUNICIPIO"},
               RowsOf(D::Neighbourhoods(), [](const auto& r) {
                   return SqlRow{V(r.code), V(r.name), V(r.municipality)};
               }));
}

void SeedCompanies(DatabaseConnection& c) {
    InsertRows(c, "EMPRESA", {"CDEMPRESA", "NMRAZSOCEMPR", "NMFANTEMPR", "NRINSJUREMPR"},
               RowsOf(D::Companies(), [](const auto& r) {
                   return SqlRow{V(r.code), V(r.corporateName), V(r.tradeName), V(r.cnpj)};
               }));
    InsertRows(c, "INSCRESTAD", {"CDINSCESTA", "SGESTADO", "CDEMPRESA"},
               RowsOf(D::StateRegistrations(), [](const auto& r) {
                   return SqlRow{V(r.code), V(r.state), V(r.company)};
               }));
    InsertRows(c, "INSCRMUNICIP", {"CDEMPRESA", "CDINSCMUNI", "CDMUNICIPIO"},
               RowsOf(D::MunicipalRegistrations(), [](const auto& r) {
                   return SqlRow{V(r.company), V(r.code), V(r.municipality)};
               }));
    InsertRows(c, "FILIAL",
               {"CDFILIAL", "NMFILIAL", "CDEMPRESA", "CDINSCESTA", "CDINSCMUNI", "CDSERIE"},
               RowsOf(D::Branches(), [](const auto& r) {
                   return SqlRow{V(r.code),
                                 V(r.name),
                                 V(r.company),
                                 V(r.stateRegistration),
                                 V(r.municipalRegistration),
                                 V(r.series)};
               }));
}

const D::Branch& BranchOf(const char* code) {
    for (const D::Branch& branch : D::Branches()) {
        if (qstrcmp(branch.code, code) == 0)
            return branch;
    }
    throw EDatabaseError(
        QStringLiteral("DemoDatabase.Seed: no branch %1").arg(QLatin1String(code)));
}

const char* CorporateNameOf(const char* company) {
    for (const D::Company& row : D::Companies()) {
        if (qstrcmp(row.code, company) == 0)
            return row.corporateName;
    }
    throw EDatabaseError(
        QStringLiteral("DemoDatabase.Seed: no company %1").arg(QLatin1String(company)));
}

// Corporate name, tax number and state registration come from the branch; an address
// abroad (kind E) has no state registration.
void SeedAddresses(DatabaseConnection& c) {
    InsertRows(c, "ENDERECOFILIAL",
               {"CDFILIAL", "IDTPENDEFILI", "NMRAZSOCFILI", "NRINSJURFILI", "CDINSCESTA",
                "CDINSCMUNI", "DSENDEFILI", "DSCOMPENDFIL", "CDPAIS", "SGESTADO", "CDMUNICIPIO",
                "NMBAIRFILI", "CDBAIRRO", "NRCEPFILI", "NRTELEFILI"},
               RowsOf(D::Addresses(), [](const D::Address& r) {
                   const D::Branch& branch = BranchOf(r.branch);
                   return SqlRow{V(r.branch),
                                 V(r.kind),
                                 V(CorporateNameOf(branch.company)),
                                 V(branch.cnpj),
                                 r.kind == 'E' ? SqlValue() : V(branch.stateRegistration),
                                 V(r.municipalRegistration),
                                 V(r.street),
                                 V(r.complement),
                                 V(r.country),
                                 V(r.state),
                                 V(r.municipality),
                                 V(r.neighbourhoodName),
                                 V(r.neighbourhood),
                                 V(r.postalCode),
                                 V(r.telephone)};
               }));
}

void SeedOperationTypes(DatabaseConnection& c) {
    InsertRows(c, "TIPOOPERAC", {"CDTIPOOPER", "NMTIPOOPER", "IDENTRSAIDOP", "IDUTILOPER"},
               RowsOf(D::OperationTypes(), [](const auto& r) {
                   return SqlRow{V(r.code), V(r.name), V(r.entryExit), V(r.inUse)};
               }));
}

std::vector<const D::Address*> AddressesOf(const char* branch) {
    std::vector<const D::Address*> result;
    for (const D::Address& address : D::Addresses()) {
        if (qstrcmp(address.branch, branch) == 0)
            result.push_back(&address);
    }
    return result;
}

// One row of TIPOOPERFILIAL for branch b and type t, by fixed arithmetic: about four types in
// five per branch; "N" flags spread over the rows; one row in four takes the next of the
// branch's other address kinds in turn (`turn` counts them), so every kind the branch has
// appears; now and then a kind never chosen (NULL). The first address of each branch is its
// own (P).
std::optional<SqlRow> BranchOperationRow(int b, int t, int& turn) {
    if ((t + 3 * b) % 5 == 4)
        return std::nullopt;
    const D::Branch& branch = D::Branches()[static_cast<size_t>(b)];
    const auto addresses = AddressesOf(branch.code);
    const int others = static_cast<int>(addresses.size()) - 1;
    const D::Address* chosen = addresses.front();
    if (others > 0 && (7 * t + b) % 4 == 0)
        chosen = addresses.at(static_cast<size_t>(1 + turn++ % others));
    const bool neverChosen = (t + b) % 13 == 12;
    return SqlRow{V(branch.code),
                  V(D::OperationTypes()[static_cast<size_t>(t)].code),
                  V((t + b) % 4 == 3 ? 'N' : 'S'),
                  V((2 * t + b) % 3 == 0 ? 'S' : 'N'),
                  neverChosen ? SqlValue() : V(chosen->kind),
                  neverChosen ? SqlValue() : V(chosen->municipalRegistration)};
}

void SeedBranchOperations(DatabaseConnection& c) {
    std::vector<SqlRow> rows;
    const int branches = static_cast<int>(D::Branches().size());
    const int types = static_cast<int>(D::OperationTypes().size());
    // The last branch (0303) is left without operation types.
    for (int b = 0; b + 1 < branches; ++b) {
        int turn = 0;
        for (int t = 0; t < types; ++t) {
            if (auto row = BranchOperationRow(b, t, turn))
                rows.push_back(std::move(*row));
        }
    }
    InsertRows(
        c, "TIPOOPERFILIAL",
        {"CDFILIAL", "CDTIPOOPER", "IDLIBERADO", "IDLANCMANUAL", "IDENDEMISTPOPFIL", "CDINSCMUNI"},
        rows);
}

// The seed's clients, then the generated ones up to `clients`, numbered on.
void SeedClients(DatabaseConnection& c, int clients) {
    std::vector<SqlRow> rows;
    rows.reserve(static_cast<size_t>(clients));
    int index = 0;
    for (const D::Client& client : D::Clients()) {
        rows.push_back(SqlRow{V(DemoDatabase::ClientCode(index++)), V(client.personType),
                              V(client.number), V(client.corporateName), V(client.tradeName)});
    }
    for (const DemoGeneratedClients::Client& client :
         DemoGeneratedClients::Generate(clients - index)) {
        rows.push_back(SqlRow{V(DemoDatabase::ClientCode(index++)), V(QString(client.personType)),
                              V(client.number), V(client.corporateName),
                              client.tradeName.isNull() ? SqlValue() : V(client.tradeName)});
    }
    InsertRows(c, "CLIENTE",
               {"CDCLIENTE", "IDTPIJURCLIE", "NRINSJURCLIE", "NMRAZSOCCLIE", "NMFANTCLIE"}, rows);
}

void CheckClientCount(int clients) {
    if (clients < DemoDatabase::kSeedClients || clients > DemoDatabase::kMaxClients)
        throw EDatabaseError(
            QStringLiteral("DemoDatabase: %1 clients asked; a demo database holds %2 to %3")
                .arg(clients)
                .arg(DemoDatabase::kSeedClients)
                .arg(DemoDatabase::kMaxClients));
}

// The first twelve clients at branches 0001 and 0301, each with a few of the types offered to
// clients (entry/exit indicator "S").
void SeedClientOperations(DatabaseConnection& c) {
    std::vector<SqlRow> rows;
    const int types = static_cast<int>(D::OperationTypes().size());
    for (const char* branch : {"0001", "0301"}) {
        for (int client = 0; client < 12; ++client) {
            for (int t = 0; t < types; ++t) {
                const D::OperationType& type = D::OperationTypes()[static_cast<size_t>(t)];
                if (type.entryExit == 'S' && (t + 2 * client) % 9 == 0)
                    rows.push_back(
                        SqlRow{V(branch), V(DemoDatabase::ClientCode(client)), V(type.code)});
            }
        }
    }
    InsertRows(c, "TIPOOPERCLIENTE", {"CDFILIAL", "CDCLIENTE", "CDTIPOOPER"}, rows);
}

void RemoveDatabaseFiles(const QString& path) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
}

} // namespace

QString DemoDatabase::ClientCode(int index) {
    return QString::number(index + 1).rightJustified(21, u'0');
}

void DemoDatabase::Seed(DatabaseConnection& connection, int clients) {
    CheckClientCount(clients);
    SqlTransaction::Run(connection, [&] {
        SeedPlaces(connection);
        SeedCompanies(connection);
        SeedAddresses(connection);
        SeedOperationTypes(connection);
        SeedBranchOperations(connection);
        SeedClients(connection, clients);
        SeedClientOperations(connection);
    });
}

void DemoDatabase::Create(const QString& path, int clients, SqlEngine engine) {
    CheckClientCount(clients);
    if (QFileInfo::exists(path))
        throw EDatabaseError(
            QStringLiteral("DemoDatabase.Create: %1 exists; the demo database is only created "
                           "as a new file")
                .arg(path));
    try {
        DatabaseConnection connection(path, DatabaseConnection::OpenMode::CreateIfMissing, engine);
        CompanySchema::Create(connection);
        Seed(connection, clients);
    } catch (...) {
        RemoveDatabaseFiles(path);
        throw;
    }
}

} // namespace ger
