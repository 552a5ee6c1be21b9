#include "platform/forms/Dispatch.h"

#include "FormsTestSupport.h"
#include "platform/core/Exception.h"
#include "script/ScriptError.h"

#include <QPointer>
#include <stdexcept>

using namespace ger;
using namespace ger::formstest;

namespace {

class DispatchTest : public FormsTest {};

TEST_F(DispatchTest, AnActionWithoutExceptionReturnsTrueAndShowsNothing) {
    int runs = 0;
    EXPECT_TRUE(Dispatch([&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(DispatchTest, EAbortEndsTheActionSilently) {
    EXPECT_FALSE(Dispatch([] { Abort(); }));
    EXPECT_TRUE(dialogs.Messages().empty());
}

struct ShownCase {
    std::function<void()> raise;
    const char* shown;
};

class DispatchShowsExceptionTest : public FormsTest,
                                   public testing::WithParamInterface<ShownCase> {};

TEST_P(DispatchShowsExceptionTest, OtherExceptionsReachTheDialogServiceAsErrors) {
    EXPECT_FALSE(Dispatch(GetParam().raise));
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    const auto& message = dialogs.Messages().front();
    EXPECT_EQ(message.type, mtError);
    EXPECT_EQ(message.buttons, TMsgDlgButtons(mbOK));
    EXPECT_EQ(message.text, QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Exceptions, DispatchShowsExceptionTest,
    testing::Values(
        // The platform adds a period to a message that does not end with one.
        ShownCase{[] { throw Exception("Filial não cadastrada."); }, "Filial não cadastrada."},
        ShownCase{[] { throw Exception("Servidor indisponível"); }, "Servidor indisponível."},
        ShownCase{[] { throw Exception("confirma operação?"); }, "confirma operação?."},
        ShownCase{[] { throw Exception("Fim:"); }, "Fim:."},
        ShownCase{[] { throw Exception("lista,"); }, "lista,"},
        ShownCase{[] { throw std::runtime_error("disk full"); }, "disk full."}));

TEST_F(DispatchTest, AScriptErrorIsNotSwallowed) {
    EXPECT_THROW(Dispatch([] { throw ScriptError("broken script"); }), ScriptError);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(DispatchTest, OnExceptionReplacesTheMessageBox) {
    QStringList seen;
    Application().OnException = [&](TObject*, const Exception& e) { seen.append(e.Message()); };
    Dispatch([] { throw Exception("x"); });
    Application().OnException = nullptr;
    EXPECT_EQ(seen, QStringList({"x"}));
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(DispatchTest, AReleasedFormIsFreedWhenTheOutermostActionEnds) {
    QPointer<TForm> released = new TForm(&Application());
    bool destroyed = false;
    released->OnDestroy = [&](TObject*) { destroyed = true; };
    Dispatch([&] {
        Dispatch([&] { released->Release(); });
        EXPECT_FALSE(released.isNull()) << "an inner action does not free it";
        EXPECT_FALSE(destroyed);
    });
    EXPECT_TRUE(released.isNull());
    EXPECT_TRUE(destroyed);
}

TEST_F(DispatchTest, WithoutADialogServiceTheErrorIsOnlyLogged) {
    Application().SetDialogService(nullptr);
    EXPECT_FALSE(Dispatch([] { throw Exception("no one to tell"); }));
    dialogs.Install();
    EXPECT_TRUE(dialogs.Messages().empty());
}

} // namespace
