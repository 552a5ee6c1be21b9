#pragma once
// Fixtures of the screen tests.
//
// DialogsTest installs ScriptedDialogs as the application's dialog service for the test, and
// at its end checks that every queued answer, modal script and lookup choice was used (a left
// one means the screen did not ask what the test expected), then destroys the forms the test
// left and puts the screen cursor back.
//
// ScreenTest adds the real application server on a loopback port (LoopbackAppServer) under the
// dialect that Dialect() gives (Oracle unless a subclass says otherwise).

#include "platform/sql/SqlDialect.h"
#include "script/ScriptedDialogs.h"
#include "support/LoopbackAppServer.h"

#include <gtest/gtest.h>
#include <memory>

namespace ger {

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ScriptedDialogs dialogs{false};
};

class ScreenTest : public DialogsTest {
protected:
    void SetUp() override;
    void TearDown() override;
    virtual SqlDialect Dialect() const { return SqlDialect::Oracle; }

    std::unique_ptr<LoopbackAppServer> server;
};

} // namespace ger
