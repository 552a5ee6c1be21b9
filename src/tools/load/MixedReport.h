#pragma once
// What a mixed load (ger-load --mix) saw, as text for a person or a script:
//
//   sessões ociosas: 1000 abertas, 1000 atendidas no fim
//   sessões recusadas: 0
//   clientes: 45 por linha, 5 em massa (120 linhas por gravação); servidores: 3
//   total: 123456 chamadas (2057/s), p50 3.10 ms, p99 25.00 ms, máximo 80.12 ms
//     GetTpOperFil: 30000 chamadas (500/s), p50 ...
//     ...
//   erros: 2
//     2× SetTpOperFil: O banco de dados está ocupado ...
//   atualizações perdidas: 0
//   gravações em massa parciais: 0
//   leituras com mistura: 0
//
// followed by up to kShown findings of each kind. Clean when no session was refused, no call
// failed and the verdict found nothing.

#include "tools/load/MethodTally.h"
#include "tools/load/RunVerdict.h"

#include <QString>

namespace ger {

struct MixedReport {
    int idleOpened = 0;
    int idleServedAtEnd = 0;
    int refused = 0;
    QString firstRefusal;
    int rowWriters = 0;
    int bulkWriters = 0;
    qsizetype bulkRows = 0;
    qsizetype servers = 1;
    double seconds = 0;
    MethodTally tally;
    RunVerdict verdict;

    static constexpr int kShown = 20;

    bool isClean() const { return refused == 0 && tally.errors() == 0 && verdict.isClean(); }
    QString Text() const;
};

} // namespace ger
