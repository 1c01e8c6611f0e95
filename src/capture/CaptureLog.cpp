#include "capture/CaptureLog.h"

Q_LOGGING_CATEGORY(captureLog, "tessarin.capture", QtInfoMsg)
