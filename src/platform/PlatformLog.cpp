#include "platform/PlatformLog.h"

Q_LOGGING_CATEGORY(platformLog, "tessarin.platform", QtInfoMsg)
