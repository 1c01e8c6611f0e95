#include "capture/CaptureTiming.h"

#include <chrono>

Q_LOGGING_CATEGORY(captureTiming, "tessarin.capture.timing", QtInfoMsg)

namespace CaptureTiming {

void stamp(const char *stage)
{
    if (!captureTiming().isDebugEnabled())
        return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const double ms = std::chrono::duration<double, std::milli>(now).count();
    qCDebug(captureTiming).noquote() << stage << "at" << QString::number(ms, 'f', 2);
}

} // namespace CaptureTiming
