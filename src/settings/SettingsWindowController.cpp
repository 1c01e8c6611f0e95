#include "settings/SettingsWindowController.h"

#include "feedback/Localization.h"
#include "settings/SettingsView.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

SettingsWindowController &SettingsWindowController::shared()
{
    static SettingsWindowController *const instance = new SettingsWindowController();
    return *instance;
}

void SettingsWindowController::show(SettingsModel &model)
{
    if (!m_window) {
        // A dialog: Escape closes it (hiding it, as the close button does).
        m_window = new QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                            | Qt::WindowCloseButtonHint);
        auto *layout = new QVBoxLayout(m_window);
        layout->setContentsMargins(0, 0, 0, 0);
        // As large as the form needs in the current language, and no larger: nothing to maximise.
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }
    // A fresh form, so texts follow a change of the interface language.
    QLayout *layout = m_window->layout();
    while (QLayoutItem *item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    auto *view = new SettingsView(model);
    layout->addWidget(view);
    // A window that is already open does not show new children by itself.
    view->show();
    m_window->setWindowTitle(L::text(LocalizedKey::settingsWindowTitle));
    if (!m_window->isVisible()) {
        m_window->adjustSize();
        if (QScreen *screen = QGuiApplication::primaryScreen())
            m_window->move(screen->availableGeometry().center() - m_window->rect().center());
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
