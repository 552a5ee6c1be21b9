#include "support/ScreenTest.h"

#include "platform/forms/TApplication.h"
#include "platform/forms/TScreen.h"

namespace ger {

void DialogsTest::SetUp() {
    dialogs.Install();
}

void DialogsTest::TearDown() {
    EXPECT_EQ(dialogs.PendingCount(), 0) << "queued answers or scripts the screen never asked for";
    Application().DestroyForms();
    Application().SetMainForm(nullptr);
    Screen().SetCursor(crDefault);
}

void ScreenTest::SetUp() {
    DialogsTest::SetUp();
    server = std::make_unique<LoopbackAppServer>(Dialect());
}

void ScreenTest::TearDown() {
    DialogsTest::TearDown();
    server.reset();
}

} // namespace ger
