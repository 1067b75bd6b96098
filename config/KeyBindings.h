// Key bindings of the DME options block: a table key keeps its FunctionSet in
// the slot of its virtual key in the plain or the Shift table, every other
// key in one of the 64 combination records.
#pragma once

#include "config/DmeConfigData.h"
#include "config/FunctionSet.h"
#include "config/KeyCode.h"

// Binds the set to the key: its table slot, else the first of the first
// combinationCount records holding the key, else the next record while fewer
// than 64 are in use, else the binding is dropped. A key of 0 or below is not
// stored. New records go to index combinationCount, which is free while the
// records are kept packed, as after ClearKeyBindings.
void StoreFunctionSet(DmeConfigData& dme, KeyCode code, FunctionSet functions);

// Where the key's set lives: its table slot (the Shift table when Shift is
// chosen), else the last of the first combinationCount records holding the
// key; null for a combination not stored and for a key of 0 or below.
StoredFunctionSet* FindFunctionSet(DmeConfigData& dme, KeyCode code, bool shiftChosen);

// Empties both key tables and all combination records.
void ClearKeyBindings(DmeConfigData& dme);

// The default scheme: every binding cleared, then the usual keys of the plain
// table bound (Esc clears, space and the digits commit, Shift switches, ...).
void LoadDefaultKeyScheme(DmeConfigData& dme);
