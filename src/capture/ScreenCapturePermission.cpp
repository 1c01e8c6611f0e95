#include "capture/ScreenCapturePermission.h"

#include "platform/ScreenGrabber.h"

namespace {
class SessionPermission : public ScreenCapturePermission
{
public:
    explicit SessionPermission(ScreenGrabber &grabber)
        : m_grabber(grabber)
    {
    }
    bool isGranted() const override { return m_grabber.isAvailable(); }
    void request() override { m_grabber.forgetRefusal(); }

private:
    ScreenGrabber &m_grabber;
};
} // namespace

std::unique_ptr<ScreenCapturePermission> ScreenCapturePermission::forSession(ScreenGrabber &grabber)
{
    return std::make_unique<SessionPermission>(grabber);
}
