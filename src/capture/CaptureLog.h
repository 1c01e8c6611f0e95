#pragma once

#include <QLoggingCategory>

// The selection overlay and the captured image. Failures are warnings, shown by default; the steps
// behind them are debug messages: QT_LOGGING_RULES="tessarin.capture*=true" shows them.
Q_DECLARE_LOGGING_CATEGORY(captureLog)
