#include "capture/ScreenRegionSelectionWindowPool.h"

#include "capture/ScreenRegionSelectionWindow.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>

ScreenRegionSelectionWindowPool::~ScreenRegionSelectionWindowPool()
{
    // Windows cannot be deleted into a Qt that has already ended; the process is ending then.
    if (!QCoreApplication::instance())
        return;
    for (const Entry &entry : m_ready)
        delete entry.window.data();
}

void ScreenRegionSelectionWindowPool::dropStale()
{
    std::erase_if(m_ready, [](const Entry &entry) {
        if (entry.screen && entry.window)
            return false;
        delete entry.window.data();
        return true;
    });
}

void ScreenRegionSelectionWindowPool::prepare()
{
    dropStale();
    for (QScreen *screen : QGuiApplication::screens()) {
        const bool ready = std::any_of(m_ready.begin(), m_ready.end(),
                                       [screen](const Entry &entry) { return entry.screen == screen; });
        if (!ready)
            m_ready.push_back({screen, new ScreenRegionSelectionWindow(screen)});
    }
}

ScreenRegionSelectionWindow *ScreenRegionSelectionWindowPool::take(QScreen *screen)
{
    dropStale();
    const auto found = std::find_if(m_ready.begin(), m_ready.end(),
                                    [screen](const Entry &entry) { return entry.screen == screen; });
    if (found == m_ready.end())
        return new ScreenRegionSelectionWindow(screen);
    ScreenRegionSelectionWindow *window = found->window;
    m_ready.erase(found);
    // The screen may have moved or changed its size since.
    if (window->screen() != screen)
        window->setScreen(screen);
    if (window->geometry() != screen->geometry())
        window->setGeometry(screen->geometry());
    return window;
}

qsizetype ScreenRegionSelectionWindowPool::readyCount() const
{
    return std::count_if(m_ready.begin(), m_ready.end(),
                         [](const Entry &entry) { return entry.screen && entry.window; });
}
