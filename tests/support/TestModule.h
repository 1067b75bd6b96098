// The test program as an input method module: tests that export
// ZVITFGetObject hand their objects to the code that asks a module for them.
#pragma once

#include "platform/ModuleObject.h"

// Exports of the test program must be marked so on Windows.
#ifdef _WIN32
#define ZV_TEST_EXPORT extern "C" __declspec(dllexport)
#else
#define ZV_TEST_EXPORT extern "C" __attribute__((visibility("default")))
#endif

ModuleHandle TestProgramModule();
