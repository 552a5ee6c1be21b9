#pragma once
// The three settings of one row of a branch's operation types (TIPOOPERFILIAL), as the load
// writes and reads them: IDLIBERADO, IDLANCMANUAL and IDENDEMISTPOPFIL, the kind empty for
// NULL (not chosen).
//
// Nth(n) walks a cycle of the 28 combinations the server takes from both SetTpOperFil and
// SetGravaAut (flags S/N, kinds P C E X T I or none; never M, which the bulk write refuses and
// which carries a municipal registration), so that a writer counting n up never writes a row's
// value twice in a row: Nth(n) and Nth(n + 1) always differ in IDLIBERADO.
//
//   Nth(0) = N/N/P   Nth(1) = S/N/P   Nth(2) = N/S/P   Nth(3) = S/S/P   Nth(4) = N/N/C ...
//   Nth(27) = S/S/(none)   Nth(28) = Nth(0)

#include <QString>

namespace ger {

struct RowSettings {
    QString released;
    QString manualEntries;
    QString addressKind; // empty: NULL

    static constexpr int kCycle = 28;
    static RowSettings Nth(qint64 n);

    // "S/N/P", "S/N/-" for no kind.
    QString text() const;

    bool operator==(const RowSettings&) const = default;
};

} // namespace ger
