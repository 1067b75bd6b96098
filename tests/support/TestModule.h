// The test program as an input method module, so that a test's own
// ZVITFGetObject hands its objects to the code that asks a module for them.
#pragma once

#include "platform/Module.h"

// Windows looks the export up in the program, which must mark it so.
#ifdef _WIN32
#define ZV_TEST_EXPORT extern "C" __declspec(dllexport)
#else
#define ZV_TEST_EXPORT extern "C"
#endif

// The module whose ZVITFGetObject is `getObject`: natively an in-process
// module with that export; on Windows the test program itself, which exports
// it.
ModuleHandle TestProgramModule(void* getObject);
