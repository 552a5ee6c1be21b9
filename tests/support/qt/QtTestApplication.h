#pragma once
// The one QApplication of a test executable that shows real widgets, on the offscreen platform
// unless QT_QPA_PLATFORM says otherwise.
//
//   static void SetUpTestSuite() { ger::qttest::EnsureApplication("test_qtview"); }

namespace ger::qttest {

// Creates the application once per process; later calls do nothing.
void EnsureApplication(const char* programName);
// Runs the deferred deletions and pending events of Qt, without waiting.
void ProcessPending();

} // namespace ger::qttest
