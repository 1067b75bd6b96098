// Whether the start must tell the user that an older input method program is
// still running: the input method passes its own version with "/currver".
#pragma once

#include "app/ImeEnvironment.h"

bool NeedsVersionNotice(const ImeEnvironment& environment, const CommandLineOptions& options);
