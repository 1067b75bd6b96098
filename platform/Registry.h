// String values under HKEY_LOCAL_MACHINE, where the installer records each
// input method. Natively this is an in-memory registry of the process, so
// tests set it up with the same calls the program uses.
#pragma once

#include <cstdint>

// Reads the string value into `buffer` of `capacity` units. Fails when the key
// or value is missing, is not a string, or does not fit whole with its NUL.
bool ReadMachineString(const char16_t* keyPath, const char16_t* valueName, char16_t* buffer, uint32_t capacity);

// Creates the key when needed and stores the value.
bool WriteMachineString(const char16_t* keyPath, const char16_t* valueName, const char16_t* value);

// Removes the key with its values and subkeys; true when it is gone.
bool DeleteMachineKey(const char16_t* keyPath);
