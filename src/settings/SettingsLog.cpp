#include "settings/SettingsLog.h"

Q_LOGGING_CATEGORY(settingsLog, "tessarin.settings", QtInfoMsg)
