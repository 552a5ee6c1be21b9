// A stand-in screen module whose Initialize fails.
#include <stdexcept>

#define GER_EXPORT extern "C" __attribute__((visibility("default")))

GER_EXPORT void Initialize() {
    throw std::runtime_error("Initialize failed on purpose");
}
GER_EXPORT void IniProc() {}
GER_EXPORT void Finalize() {}
