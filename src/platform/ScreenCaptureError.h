#pragma once

#include <QException>
#include <QObject>

#include <cstdint>

namespace ScreenCaptureErrors {
Q_NAMESPACE

// refused: the desktop's screenshot service said no, was cancelled, or is missing; the user
// is asked for the permission.
enum class ScreenCaptureError : std::uint8_t { displayUnavailable, cropFailed, encodingFailed, refused };
Q_ENUM_NS(ScreenCaptureError)
} // namespace ScreenCaptureErrors

using ScreenCaptureErrors::ScreenCaptureError;

// How a capture reports a ScreenCaptureError through a QFuture.
class ScreenCaptureException : public QException
{
public:
    explicit ScreenCaptureException(ScreenCaptureError error)
        : m_error(error)
    {
    }
    ScreenCaptureError error() const { return m_error; }
    void raise() const override { throw *this; }
    ScreenCaptureException *clone() const override { return new ScreenCaptureException(*this); }

private:
    ScreenCaptureError m_error;
};
