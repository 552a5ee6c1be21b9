#pragma once
// The values the module's methods accept for flags, address kinds and the client/supplier
// selector. Each check returns the value as it is stored, or raises EMethodFailure
// (InvalidArgument) with a message for the person at the screen. Values are taken as given:
// the server neither trims nor changes case.

#include <QString>
#include <QVariant>

namespace ger {

class ArgumentRules {
public:
    // A code as the database stores it (a branch, a client, an operation type, a
    // registration): printable ASCII characters only (the blank included, but not at the end),
    // or the empty string. A code ending in a blank is refused because Firebird compares texts
    // without their trailing blanks, so "01 " would find type 01 there and nothing on SQLite.
    // Anything else is refused before a statement sees it: SQLite reads a leading U+FEFF or U+FFFE
    // of a bound text as a byte-order mark and drops it, so "\uFEFF0301" would find branch 0301.
    // `label` names the code in the message ("a filial").
    static QString Code(const QString& value, const QString& label);

    // "S" or "N"; `label` names the flag in the message ("Liberado").
    static QString Flag(const QString& value, const QString& label);

    // An address kind: P C E X T I, and M (the company's, the one carrying a municipal
    // registration) when `allowCompany`. The empty string means "not chosen" and is stored as
    // NULL, so the result is a null QVariant for it and the code otherwise.
    static QVariant AddressKind(const QString& value, bool allowCompany);

    // The last argument of GetTipoOperCli and SetTipoOperCli: "S" selects clients; "N"
    // (suppliers) is not served by this server; anything else is refused.
    static void RequireClients(const QString& value);

    static constexpr QStringView CompanyKind = u"M";
};

} // namespace ger
