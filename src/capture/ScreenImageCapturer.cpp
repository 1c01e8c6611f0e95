#include "capture/ScreenImageCapturer.h"

#include "capture/CaptureLog.h"
#include "platform/ScreenCaptureError.h"
#include "platform/ScreenGrabber.h"

#include <QBuffer>
#include <QtConcurrent>

#include <cmath>

namespace ScreenImageCapturer {

namespace {
CapturedScreenImage cropAndEncode(const QImage &screenImage, const std::optional<QRect> &crop, Encoding encoding)
{
    if (!crop)
        throw ScreenCaptureException(ScreenCaptureError::cropFailed);
    const QRect inside = crop->intersected(screenImage.rect());
    if (inside.isEmpty()) {
        qCWarning(captureLog) << "the region" << *crop << "lies outside the screen's picture" << screenImage.size();
        throw ScreenCaptureException(ScreenCaptureError::cropFailed);
    }
    QImage image = screenImage.copy(inside);
    image.setDevicePixelRatio(1);
    if (encoding == Encoding::none)
        return CapturedScreenImage{image, {}};

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw ScreenCaptureException(ScreenCaptureError::encodingFailed);
    return CapturedScreenImage{image, png};
}
} // namespace

QFuture<CapturedScreenImage> capture(const ScreenRegionSelection &selection, ScreenGrabber &grabber, Encoding encoding)
{
    // The screen is read here, on the caller's (main) thread; the rest runs on a worker.
    QScreen *screen = selection.screen.data();
    const std::optional<ScreenGrabTarget> target = screen ? std::optional(ScreenGrabTarget::of(*screen)) : std::nullopt;
    const QImage snapshot = selection.snapshot;
    // A snapshot says itself how many pixels it has per point; the screen's own ratio may differ
    // (a desktop-wide picture is taken at the largest screen's ratio).
    const qreal scale = !target ? 1 : snapshot.isNull() ? target->devicePixelRatio : snapshot.devicePixelRatio();
    const std::optional<QRect> crop = target ? pixelCropRect(selection, scale) : std::nullopt;
    return QtConcurrent::run([target, crop, snapshot, encoding, &grabber] {
        if (!target || !grabber.isAvailable())
            throw ScreenCaptureException(ScreenCaptureError::displayUnavailable);
        const QImage screenImage = snapshot.isNull() ? grabber.grab(*target) : snapshot;
        if (screenImage.isNull()) {
            qCWarning(captureLog) << "no picture of the screen" << target->name;
            throw ScreenCaptureException(ScreenCaptureError::displayUnavailable);
        }
        return cropAndEncode(screenImage, crop, encoding);
    });
}

std::optional<QRect> pixelCropRect(const ScreenRegionSelection &selection, qreal scale)
{
    if (!selection.screen)
        return std::nullopt;
    return pixelCropRect(selection.screen->geometry(), selection.screenRect, scale);
}

std::optional<QRect> pixelCropRect(const QRectF &screenFrame, const QRectF &screenRect, qreal scale)
{
    const QRectF r = screenRect.intersected(screenFrame);
    if (!(r.width() > 0) || !(r.height() > 0))
        return std::nullopt;
    const double x = (r.left() - screenFrame.left()) * scale;
    const double y = (r.top() - screenFrame.top()) * scale;
    const double right = x + r.width() * scale;
    const double bottom = y + r.height() * scale;
    const int left = int(std::floor(x));
    const int top = int(std::floor(y));
    return QRect(left, top, int(std::ceil(right)) - left, int(std::ceil(bottom)) - top);
}

} // namespace ScreenImageCapturer
