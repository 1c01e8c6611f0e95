#include "settings/SettingsWindowController.h"

#include "feedback/Localization.h"
#include "settings/SettingsView.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

SettingsWindowController &SettingsWindowController::shared()
{
    static SettingsWindowController *const instance = new SettingsWindowController();
    return *instance;
}

void SettingsWindowController::show(AppController &controller)
{
    if (!m_window) {
        m_window = new QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                                            | Qt::WindowMinimizeButtonHint);
        m_window->setFixedSize(width, height);
        if (QScreen *screen = QGuiApplication::primaryScreen())
            m_window->move(screen->availableGeometry().center() - m_window->rect().center());
        auto *layout = new QVBoxLayout(m_window);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    // A fresh form, so texts follow a change of the interface language.
    QLayout *layout = m_window->layout();
    while (QLayoutItem *item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    auto *view = new SettingsView(controller);
    layout->addWidget(view);
    // A window that is already open does not show new children by itself.
    view->show();
    m_window->setWindowTitle(L::text(LocalizedKey::settingsWindowTitle));
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
