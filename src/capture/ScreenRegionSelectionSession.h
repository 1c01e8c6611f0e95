#pragma once

#include "capture/ScreenRegionSelection.h"

#include <QFuture>
#include <QObject>
#include <QPointer>
#include <QPromise>

#include <functional>
#include <optional>
#include <vector>

class ScreenGrabber;
class ScreenRegionSelectionWindow;

// One selection run: an overlay on every screen until exactly one end arrives.
class ScreenRegionSelectionSession : public QObject
{
    Q_OBJECT

public:
    explicit ScreenRegionSelectionSession(ScreenGrabber &grabber);
    ~ScreenRegionSelectionSession() override;

    QFuture<std::optional<ScreenRegionSelection>> future() { return m_promise.future(); }
    std::function<void()> onFinish = [] {};

    void start();
    // Ends the run; every request after the first is ignored.
    void finish(const std::optional<ScreenRegionSelection> &selection);

    const std::vector<QPointer<ScreenRegionSelectionWindow>> &windows() const { return m_windows; }

private:
    ScreenGrabber &m_grabber;
    QPromise<std::optional<ScreenRegionSelection>> m_promise;
    std::vector<QPointer<ScreenRegionSelectionWindow>> m_windows;
    bool m_didFinish = false;
};
