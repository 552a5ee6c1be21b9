#pragma once
// The dispatch boundary of a user action: the one place where exceptions of event handlers
// end. Every key, click, focus request and typed text of the person at the screen (or of the
// scripted user) runs through Dispatch:
//   - EAbort (a check that already showed its message, a refused operation) ends silently;
//   - any other std::exception goes to Application().HandleException, which shows it;
//   - anything that is not a std::exception goes on to the caller: the failures of the script
//     harness are no message for a person at the screen.
// After the action the innermost modal form may end its loop (see IDialogService::RunModal),
// and when the outermost action has finished, the released forms are freed.
// Returns true when the action ran without an exception.

#include <functional>

namespace ger {

bool Dispatch(const std::function<void()>& action);

} // namespace ger
