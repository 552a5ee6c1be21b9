#pragma once
// Shared pieces of the framework's tests: scripted dialogs installed for each test, the
// application cleaned up after it, client datasets filled from literal rows.

#include "platform/db/DataPacket.h"
#include "platform/db/TClientDataSet.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TScreen.h"
#include "script/ScriptedDialogs.h"
#include "support/QtPrinters.h"

#include <QString>
#include <gtest/gtest.h>
#include <optional>
#include <utility>

namespace ger::fwtest {

class FrameworkTest : public ::testing::Test {
protected:
    void TearDown() override {
        Application().DestroyForms();
        Application().SetMainForm(nullptr);
        Screen().SetCursor(0);
    }

    ScriptedDialogs dialogs;
};

// The exception of type E that `action` raises, or nothing when it raises none.
template <class E, class F> std::optional<E> Captured(F&& action) {
    try {
        action();
    } catch (const E& e) {
        return e;
    }
    return std::nullopt;
}

// The message of the exception of type E that `action` raises; a failure when it raises none.
template <class E, class F> QString MessageOf(F&& action) {
    const std::optional<E> raised = Captured<E>(std::forward<F>(action));
    if (!raised)
        ADD_FAILURE() << "no exception raised";
    return raised ? raised->Message() : QString();
}

inline PacketValue V(const char* text) {
    return QString::fromUtf8(text);
}

// Branches as the branch lookup offers them: code, name, company.
inline QByteArray BranchRows(std::vector<PacketRow> rows) {
    return DataPacket{{{"CDFILIAL", 4}, {"NMFILIAL", 30}, {"CDEMPRESA", 2}}, std::move(rows)}
        .Encode();
}

inline QByteArray ThreeBranches() {
    return BranchRows({{V("0001"), V("Matriz São Paulo"), V("01")},
                       {V("0101"), V("Filial Campinas"), V("01")},
                       {V("0103"), V("Filial Recife"), V("02")}});
}

} // namespace ger::fwtest
