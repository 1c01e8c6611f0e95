#pragma once

#include <QLoggingCategory>

// Captures from start to end, and the single instance. Failures are warnings, shown by default; the
// steps behind them are debug messages: QT_LOGGING_RULES="tessarin.app*=true" shows them.
Q_DECLARE_LOGGING_CATEGORY(appLog)
