#pragma once
#include "settings/SettingsImage.h"

namespace settings {

// The settings the printer leaves the factory with; never modified.
const SettingsImage& FactoryImage();

}  // namespace settings
