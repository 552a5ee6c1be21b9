#pragma once
// Synthetic company databases for the application server's benchmarks: one company, `branches`
// branches ("0001".."0500"), `types` operation types (two-character codes "00", "01", ...,
// "0Z", "10", ... over digits and letters, all in use for clients), and `rowsOfFirstBranch`
// operation types registered for branch "0001".

#include <QString>
#include <QStringList>

namespace ger::bench {

QString CreateBenchDatabase(const QString& path, int branches, int types, int rowsOfFirstBranch);

QString BranchCode(int index);
QString TypeCode(int index);

// The multi-choice list of the codes: "'0001','0002',...".
QString QuotedList(const QStringList& codes);

} // namespace ger::bench
