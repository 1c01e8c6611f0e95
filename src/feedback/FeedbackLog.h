#pragma once

#include <QLoggingCategory>

// The clipboard, the screenshot files and the notices. Failures are warnings, shown by default; the
// steps behind them are debug messages: QT_LOGGING_RULES="tessarin.feedback*=true" shows them.
Q_DECLARE_LOGGING_CATEGORY(feedbackLog)
