#pragma once
// Faults the harnesses found in the decoders that are reported and not fixed yet. A harness
// leaves out the one check such an input breaks, so that the other inputs keep being searched
// and CI stays meaningful; with GER_FUZZ_STRICT set in the environment nothing is left out and
// the kept input (fuzz/findings/) crashes as it did. Each entry goes with the fix of its fault.

#include <QByteArrayView>
#include <QtGlobal>

namespace ger::fuzz {

inline bool strict() {
    static const bool isStrict = qEnvironmentVariableIsSet("GER_FUZZ_STRICT");
    return isStrict;
}

// CallRecord::read decodes the method's name with a QStringDecoder that drops a leading
// U+FEFF (no QStringConverter::Flag::ConvertInitialBom): "\uFEFFGetTpOperFil" reads as
// "GetTpOperFil", and a name that is the mark alone reads as an empty name, which
// CallRecord::write refuses. `record` is a call record from its first byte.
inline bool knownMarkInMethodName(QByteArrayView record) {
    if (strict() || record.size() < 3)
        return false;
    const qsizetype name = 3 + quint8(record[1]);
    return record.sliced(qMin(name, record.size())).startsWith("\xEF\xBB\xBF");
}

} // namespace ger::fuzz
