#pragma once
// A selection list of the bulk registration (state registrations, branches, operation
// types) as the screen sends it: "T" for all, or the multi-choice lookup's result, each code
// in single quotes, separated by commas, nothing else:
//
//   "T"                  all
//   "'0001'"             one code
//   "'0001','0101'"      two codes (a code listed twice counts once)
//
// Anything else ("", "0001", "'0001', '0101'", "'0001',", "''") is refused with
// EMethodFailure (InvalidArgument), and so is a list of more than MaxCodes codes: the screens
// offer "Todos" for more. A code may hold any character but the quote; whether it is
// registered is the caller's check. The codes go to SQL as one parameter, expanded inside the
// statement (ServerSql: json_each() on SQLite, LISTA_CODIGOS on Firebird), so whatever a code
// holds stays data.

#include <QString>
#include <QStringList>

namespace ger {

class CodeList {
public:
    // `what` names the list in the message ("filiais").
    static CodeList Parse(const QString& text, const QString& what);
    static constexpr int MaxCodes = 1000;

    bool isAll() const { return m_isAll; }
    // The listed codes in the order given, each once; empty for "T".
    const QStringList& codes() const { return m_codes; }
    // The codes as a JSON array text, for SQLite's json_each().
    QString json() const;

private:
    static CodeList Bounded(CodeList list, const QString& what);

    bool m_isAll = false;
    QStringList m_codes;
};

} // namespace ger
