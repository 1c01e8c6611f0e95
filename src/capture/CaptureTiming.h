#pragma once

#include <QLoggingCategory>

// Stage times of a capture, from the trigger to the overlay on screen, for measuring where the
// time goes. Off by default: QT_LOGGING_RULES="tessarin.capture.timing.debug=true" turns it on.
Q_DECLARE_LOGGING_CATEGORY(captureTiming)

namespace CaptureTiming {
// Logs "STAGE at MS", MS on the system's monotonic clock, so that another process can line the
// stages up with its own observations.
void stamp(const char *stage);
} // namespace CaptureTiming
