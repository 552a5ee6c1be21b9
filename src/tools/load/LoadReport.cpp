#include "tools/load/LoadReport.h"

#include <algorithm>

namespace ger {
namespace {

double At(const std::vector<qint64>& sorted, double fraction) {
    const auto index = static_cast<size_t>(fraction * static_cast<double>(sorted.size() - 1));
    return static_cast<double>(sorted[index]) / 1000.0;
}

QString Line(const char* kind, const LatencySummary& s, double seconds) {
    return QStringLiteral("%1: %2 chamadas (%3/s), p50 %4 ms, p99 %5 ms, máximo %6 ms\n")
        .arg(QString::fromUtf8(kind))
        .arg(s.calls)
        .arg(static_cast<double>(s.calls) / seconds, 0, 'f', 0)
        .arg(s.p50Ms, 0, 'f', 2)
        .arg(s.p99Ms, 0, 'f', 2)
        .arg(s.maxMs, 0, 'f', 2);
}

} // namespace

LatencySummary LatencySummary::Of(std::vector<qint64> microseconds) {
    LatencySummary summary;
    summary.calls = static_cast<qsizetype>(microseconds.size());
    if (microseconds.empty())
        return summary;
    std::sort(microseconds.begin(), microseconds.end());
    summary.p50Ms = At(microseconds, 0.50);
    summary.p99Ms = At(microseconds, 0.99);
    summary.maxMs = static_cast<double>(microseconds.back()) / 1000.0;
    return summary;
}

QString LoadReport::Text() const {
    QString text = QStringLiteral("sessões ociosas: %1 abertas, %2 atendidas no fim\n"
                                  "sessões recusadas: %3\n"
                                  "erros: %4\n")
                       .arg(idleOpened)
                       .arg(idleServedAtEnd)
                       .arg(refused)
                       .arg(errors);
    if (!firstError.isEmpty())
        text += QStringLiteral("primeiro erro: %1\n").arg(firstError);
    text += Line("leituras (GetTpOperFil)", reads, seconds);
    text += Line("gravações (SetTpOperFil)", writes, seconds);
    return text;
}

} // namespace ger
