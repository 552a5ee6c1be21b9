#include "tools/load/MixedReport.h"

namespace ger {

namespace {

QString Figures(const LatencySummary& s, double seconds) {
    return QStringLiteral("%1 chamadas (%2/s), p50 %3 ms, p99 %4 ms, máximo %5 ms\n")
        .arg(s.calls)
        .arg(seconds > 0 ? static_cast<double>(s.calls) / seconds : 0.0, 0, 'f', 0)
        .arg(s.p50Ms, 0, 'f', 2)
        .arg(s.p99Ms, 0, 'f', 2)
        .arg(s.maxMs, 0, 'f', 2);
}

QString Findings(const char* title, const QStringList& findings) {
    QString text = QStringLiteral("%1: %2\n").arg(QString::fromUtf8(title)).arg(findings.size());
    for (qsizetype i = 0; i < findings.size() && i < MixedReport::kShown; ++i)
        text += QStringLiteral("  %1\n").arg(findings.at(i));
    if (findings.size() > MixedReport::kShown)
        text += QStringLiteral("  (e mais %1)\n").arg(findings.size() - MixedReport::kShown);
    return text;
}

QString Errors(const MethodTally& tally) {
    QString text = QStringLiteral("erros: %1\n").arg(tally.errors());
    for (const QString& message : tally.messagesByCount()) {
        const MethodTally::ErrorGroup& group = tally.errorGroups().at(message);
        text += QStringLiteral("  %1× %2: %3\n")
                    .arg(group.count)
                    .arg(group.methods.join(QStringLiteral(", ")), message);
    }
    return text;
}

} // namespace

QString MixedReport::Text() const {
    QString text = QStringLiteral("sessões ociosas: %1 abertas, %2 atendidas no fim\n"
                                  "sessões recusadas: %3\n")
                       .arg(idleOpened)
                       .arg(idleServedAtEnd)
                       .arg(refused);
    if (!firstRefusal.isEmpty())
        text += QStringLiteral("primeira recusa: %1\n").arg(firstRefusal);
    text += QStringLiteral("clientes: %1 por linha, %2 em massa (%3 linhas por gravação); "
                           "servidores: %4\n")
                .arg(rowWriters)
                .arg(bulkWriters)
                .arg(bulkRows)
                .arg(servers);
    text += QStringLiteral("total: ") + Figures(tally.overall(), seconds);
    for (const auto& [method, summary] : tally.perMethod())
        text += QStringLiteral("  %1: ").arg(method) + Figures(summary, seconds);
    text += Errors(tally);
    text += Findings("atualizações perdidas", verdict.lostUpdates);
    text += Findings("gravações em massa parciais", verdict.partialBulk);
    text += Findings("leituras com mistura", verdict.mixedReads);
    return text;
}

} // namespace ger
