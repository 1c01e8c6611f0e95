#pragma once

#include "app/PlatformLoader.h"
#include "platform/ScreenGrabber.h"
#include "platform/ScreenCaptureError.h"

#include <QPromise>
#include <QTimer>

#include <functional>
#include <memory>

// A screen grabber that answers as a test needs: the session's own pictures or empty ones, at
// once or a while later as desktop portals do, or with a portal's refusal.
class ScriptedGrabber : public ScreenGrabber
{
public:
    bool available = true;   // whether the session lets the program read the screen
    bool blank = false;      // pictures come back empty
    bool refuses = false;    // the portal answers "cancelled" (only with answerAfterMs)
    int answerAfterMs = -1;  // the answer comes on the event loop after this long; -1: at once
    std::function<void()> beforeAnswer;

    bool isAvailable() const override { return available; }
    QImage grab(const ScreenGrabTarget &screen) override
    {
        return blank ? QImage() : PlatformLoader::screenGrabber().grab(screen);
    }
    QFuture<QList<QImage>> grabScreens(const QList<ScreenGrabTarget> &screens) override
    {
        if (answerAfterMs < 0)
            return ScreenGrabber::grabScreens(screens);
        const QList<QImage> pictures = refuses ? QList<QImage>() : ScreenGrabber::grabScreens(screens).result();
        auto promise = std::make_shared<QPromise<QList<QImage>>>();
        promise->start();
        QTimer::singleShot(answerAfterMs, &m_context, [this, promise, pictures] {
            if (beforeAnswer)
                beforeAnswer();
            if (refuses)
                promise->setException(ScreenCaptureException(ScreenCaptureError::refused));
            else
                promise->addResult(pictures);
            promise->finish();
        });
        return promise->future();
    }

private:
    QObject m_context;
};
