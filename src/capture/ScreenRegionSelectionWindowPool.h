#pragma once

#include <QPointer>
#include <QScreen>

#include <vector>

class ScreenRegionSelectionWindow;

// Overlay windows made ahead of the trigger, one per screen, hidden and not yet drawn (so they
// hold no pixels). Main thread only.
class ScreenRegionSelectionWindowPool
{
public:
    ScreenRegionSelectionWindowPool() = default;
    ~ScreenRegionSelectionWindowPool();
    ScreenRegionSelectionWindowPool(const ScreenRegionSelectionWindowPool &) = delete;
    ScreenRegionSelectionWindowPool &operator=(const ScreenRegionSelectionWindowPool &) = delete;

    // Makes a window for every screen that has none; drops those of screens that are gone.
    void prepare();
    // A window for the screen, fitted to its current geometry: the one made ahead when there is
    // one, else a new one. The caller owns it.
    ScreenRegionSelectionWindow *take(QScreen *screen);
    qsizetype readyCount() const;

private:
    struct Entry {
        QPointer<QScreen> screen;
        QPointer<ScreenRegionSelectionWindow> window;
    };
    void dropStale();

    std::vector<Entry> m_ready;
};
