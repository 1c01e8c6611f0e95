#pragma once

#include <QLoggingCategory>

// The desktop's services: portals, X11 grabs, shortcuts, notifications. Failures are warnings,
// shown by default; the steps behind them are debug messages:
// QT_LOGGING_RULES="tessarin.platform*=true" shows them.
Q_DECLARE_LOGGING_CATEGORY(platformLog)
