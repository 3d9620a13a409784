#include "SettingsCategory.h"

Q_LOGGING_CATEGORY(lcSettings, "quendix.settings")
