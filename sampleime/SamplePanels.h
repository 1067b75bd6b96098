// The module's panel provider: a panel for the common page and one for the
// appearance page, each writing its settings into the mapped blocks at once.
#pragma once

#include "ui/PanelProvider.h"

PanelProviderTable* PanelProvider();
