// Releasing the module's settings text object.
#include "config/SettingsTextObject.h"

SettingsTextObject::~SettingsTextObject() {
    if (table_ && table_->release) table_->release();
}
