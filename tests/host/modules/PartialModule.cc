// A stand-in screen module that lacks Finalize; it records whether anything was called.
#include <string>

namespace {
std::string calls;
}

#define GER_EXPORT extern "C" __attribute__((visibility("default")))

GER_EXPORT void Initialize() {
    calls += "Initialize;";
}
GER_EXPORT void IniProc() {
    calls += "IniProc;";
}
GER_EXPORT const char* RecordedCalls() {
    return calls.c_str();
}
