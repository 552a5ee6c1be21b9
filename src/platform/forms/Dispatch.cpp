#include "platform/forms/Dispatch.h"

#include "platform/core/Exception.h"
#include "platform/forms/TApplication.h"

#include <exception>

namespace ger {
namespace {

int depth = 0;

bool runGuarded(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const EAbort&) {
        return false;
    } catch (const std::exception& e) {
        Application().HandleException(e);
        return false;
    }
}

struct Depth {
    Depth() { ++depth; }
    ~Depth() { --depth; }
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;
};

} // namespace

bool Dispatch(const std::function<void()>& action) {
    bool ok = false;
    {
        Depth guard;
        ok = runGuarded(action);
        ok = runGuarded([] { Application().CheckModalForms(); }) && ok;
    }
    if (depth == 0)
        Application().FreeReleasedForms();
    return ok;
}

} // namespace ger
