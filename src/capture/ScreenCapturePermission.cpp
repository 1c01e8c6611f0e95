#include "capture/ScreenCapturePermission.h"

#include "platform/DesktopSession.h"
#include "platform/ScreenGrabber.h"

namespace {
class SessionPermission : public ScreenCapturePermission
{
public:
    bool isGranted() const override { return DesktopSession::screenGrabber().isAvailable(); }
    void request() override { DesktopSession::screenGrabber().forgetRefusal(); }
};
} // namespace

std::unique_ptr<ScreenCapturePermission> ScreenCapturePermission::forSession()
{
    return std::make_unique<SessionPermission>();
}
