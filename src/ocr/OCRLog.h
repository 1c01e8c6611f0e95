#pragma once

#include <QLoggingCategory>

// Recognition. Failures are warnings, shown by default; the steps behind them are debug messages:
// QT_LOGGING_RULES="tessarin.ocr*=true" shows them.
Q_DECLARE_LOGGING_CATEGORY(ocrLog)
