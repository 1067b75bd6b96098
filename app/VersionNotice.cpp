#include "app/VersionNotice.h"

#include "base/FixedText.h"
#include "base/LittleEndian.h"

bool NeedsVersionNotice(const ImeEnvironment& environment, const CommandLineOptions& options) {
    const std::u16string_view running = TextOf(options.currentVersion);
    return !running.empty() && running != TextOf(environment.softConfig->programVersionText);
}
