#include "codes/CodesLog.h"

Q_LOGGING_CATEGORY(codesLog, "tessarin.codes", QtInfoMsg)
