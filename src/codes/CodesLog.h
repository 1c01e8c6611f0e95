#pragma once

#include <QLoggingCategory>

// Codes found in a capture. Failures are warnings, shown by default; the steps behind them are
// debug messages: QT_LOGGING_RULES="tessarin.codes*=true" shows them.
Q_DECLARE_LOGGING_CATEGORY(codesLog)
