#pragma once

#include <QException>
#include <QString>

#include <cstdint>

enum class ScreenCaptureError : std::uint8_t { displayUnavailable, cropFailed, encodingFailed };

namespace ScreenCaptureErrors {
QString toString(ScreenCaptureError error);
}

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
