#pragma once
// Which values a row may hold once every writer has finished, judged from the writers' own
// logs (LoggedWrite), and so whether an acknowledged write was lost.
//
// The server commits each write at some instant inside its call, after the call began and
// before its answer arrived. The row ends holding the value of the write that committed last.
// A write W cannot be that one when some acknowledged write X began after W's answer came:
// X committed after it began, so after W. Every other write that may have committed can:
//
//   S = the latest start among the acknowledged writes
//   the final value is one of the writes that may have committed (acknowledged or unknown)
//   and ended at or after S; the row's value before the run only when none was acknowledged
//
// Worked example, one row, three writers (times in ms):
//
//   A  [0 .. 10]  value a  acknowledged
//   B  [5 .. 30]  value b  acknowledged     S = 12 (C's start)
//   C  [12 .. 20] value c  acknowledged     A ended before C began: a is out
//                                           b and c overlap C: either may win -> {b, c}
//
// For one client writing its own row, calls never overlap and the rule reduces to "the last
// acknowledged write", with any unanswered write after it as a possible winner.
//
// The check can miss a lost write whose value equals another candidate's, so writers choose
// values that differ (RowSettings::Nth), but it never calls a correct server wrong.

#include "tools/load/LoggedWrite.h"

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

namespace ger {

class LostUpdateCheck {
public:
    // The values the row may hold at the end; `before` is its value before the first write.
    static std::vector<RowSettings> FinalCandidates(const RowSettings& before,
                                                    const std::vector<LoggedWrite>& writes);
    static bool Holds(const RowSettings& final, const RowSettings& before,
                      const std::vector<LoggedWrite>& writes);

    // One change of a client's operation types at a branch, in the order the one client that
    // owns the pair sent them (its calls never overlap).
    struct TypeChange {
        QString type;
        bool isAddition = true; // SetTipoOperCli; false: DelTipoOperCli
        WriteOutcome outcome = WriteOutcome::Acknowledged;
    };

    // Whether each type the changes or `before` name is the client's at the end; a type whose
    // last change went unanswered is left out (either is right), and a refused change leaves
    // the type as it was.
    static std::map<QString, bool> ExpectedTypes(const QStringList& before,
                                                 const std::vector<TypeChange>& changes);

    // The types where `final` (GetTipoOperCli at the end) differs from ExpectedTypes, each
    // "+01" (expected, missing) or "-01" (expected gone, present; or a type nothing named);
    // empty when none.
    static QStringList TypeMismatches(const QStringList& before,
                                      const std::vector<TypeChange>& changes,
                                      const QStringList& final);

private:
    static std::map<QString, std::optional<bool>>
    TypeStates(const QStringList& before, const std::vector<TypeChange>& changes);
};

} // namespace ger
