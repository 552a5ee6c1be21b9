#pragma once
// The module is built with hidden symbols (see CMakeLists.txt): only what is marked here is
// exported. The host needs the three C entry points; the module's tests also reach the units'
// state and the screen classes.

#define GER_MODULE_EXPORT __attribute__((visibility("default")))
