#pragma once

#include "capture/CapturedScreenImage.h"
#include "capture/ScreenRegionSelection.h"

#include <QFuture>
#include <QRect>

#include <optional>

class ScreenGrabber;

// Cuts the selected pixels out of a picture of the selection's screen, at the screen's full
// device resolution, and encodes them as PNG where asked.
namespace ScreenImageCapturer {

// Reading text needs no PNG, and encoding a screenful of photo or noise costs more than finding
// that it holds no text.
enum class Encoding { png, none };

// Runs off the calling thread. Fails with ScreenCaptureException.
QFuture<CapturedScreenImage> capture(const ScreenRegionSelection &selection, ScreenGrabber &grabber,
                                     Encoding encoding = Encoding::png);

// The selection clipped to its screen, in the screen image's pixels, rounded outwards;
// none when they do not meet.
std::optional<QRect> pixelCropRect(const ScreenRegionSelection &selection, qreal scale);
std::optional<QRect> pixelCropRect(const QRectF &screenFrame, const QRectF &screenRect, qreal scale);

} // namespace ScreenImageCapturer
