#pragma once
// What the harnesses share: the input as Qt bytes, and the check of a property that must hold
// for every input. A broken property is named on stderr and ends the run with a trap, which
// libFuzzer reports as a crash and keeps the input of.

#include <QByteArray>
#include <QByteArrayView>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace ger::fuzz {

inline QByteArray bytesOf(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

inline QByteArrayView viewOf(const uint8_t* data, size_t size) {
    return QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

[[noreturn]] inline void broken(const char* property) {
    std::fprintf(stderr, "fuzz property broken: %s\n", property);
    std::fflush(stderr);
    __builtin_trap();
}

inline void require(bool holds, const char* property) {
    if (!holds)
        broken(property);
}

} // namespace ger::fuzz
