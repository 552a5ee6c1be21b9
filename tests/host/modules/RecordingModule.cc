// A stand-in screen module that records, in order, which of its exports the host called.
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
GER_EXPORT void Finalize() {
    calls += "Finalize;";
}
GER_EXPORT const char* RecordedCalls() {
    return calls.c_str();
}
