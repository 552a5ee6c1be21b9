#pragma once
// Pkg_ger99500: the module's exports, looked up by name by the host's module loader.
//
//   Initialize   after loading the library: the units' initialisations, in the order
//                Cli_ger99501, Cli_ger99502, Cli_ger99500
//   IniProc      opens screen GER99500 (Cli_ger99500::CriaTpOperFil); an exception goes on
//                to the host
//   Finalize     before unloading it: releases the module's screens still alive, then runs
//                the units' finalisations in the reverse order
//
// The host and the module share one application object (the framework is a shared library),
// which owns every screen.

#include "module/ModuleExport.h"

extern "C" {

GER_MODULE_EXPORT void IniProc();
GER_MODULE_EXPORT void Initialize();
GER_MODULE_EXPORT void Finalize();
}
