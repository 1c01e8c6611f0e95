#include "app/AppLog.h"

Q_LOGGING_CATEGORY(appLog, "tessarin.app", QtInfoMsg)
