#pragma once

#include <QLoggingCategory>

// The settings file and the shortcuts' registration. Failures are warnings, shown by default; the
// steps behind them are debug messages: QT_LOGGING_RULES="tessarin.settings*=true" shows them.
Q_DECLARE_LOGGING_CATEGORY(settingsLog)
