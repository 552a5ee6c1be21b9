#pragma once
// The company database on SQLite: the reference tables that the screens read directly
// (FILIAL, CLIENTE, TIPOOPERAC, INSCRESTAD, INSCRMUNICIP) and the tables that only the
// application server reads and writes (companies, geography, branch addresses by kind,
// operation types per branch and per client).
//
// Invariants the schema enforces:
//   - Codes are fixed-width, upper-case strings, short codes padded with '0' on the left
//     ("0001" branch, "05" operation type, "01" company, 21 characters for a client); a CHECK
//     refuses any other width, so a code typed short must go through the padding first.
//   - Flags are "S" or "N"; person types "F" or "J"; address kinds the one-letter codes
//     P, C, E, X, T, I, M. An operation type whose issuing address was never chosen holds NULL
//     in IDENDEMISTPOPFIL (never an empty string).
//   - A CPF has 11 digits, a CNPJ 14 characters; a client may have no registration number
//     (NULL), e.g. a foreign client. Check digits are the seed's and the server's business
//     (TaxNumber); the schema checks lengths only.
//   - Every reference is a foreign key; connections run with foreign_keys ON.
//   - Names hold at most the width the screens show (NMFILIAL 30, NMTIPOOPER 30, ...).

#include <QStringList>

namespace ger {

class DatabaseConnection;

class CompanySchema {
public:
    // Creates every table on an empty database, in one transaction.
    static void Create(DatabaseConnection& connection);

    // The tables, parents before children (the order to fill them in).
    static QStringList TableNames();
};

} // namespace ger
