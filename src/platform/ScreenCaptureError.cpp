#include "platform/ScreenCaptureError.h"

namespace ScreenCaptureErrors {

QString toString(ScreenCaptureError error)
{
    switch (error) {
    case ScreenCaptureError::displayUnavailable:
        return QStringLiteral("displayUnavailable");
    case ScreenCaptureError::cropFailed:
        return QStringLiteral("cropFailed");
    case ScreenCaptureError::encodingFailed:
        return QStringLiteral("encodingFailed");
    }
    return {};
}

} // namespace ScreenCaptureErrors
