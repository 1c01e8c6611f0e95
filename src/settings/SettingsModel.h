#pragma once

#include "settings/AppSettings.h"

#include <QObject>
#include <QString>

#include <functional>

// What the settings window shows and changes. The application implements it; the window
// knows nothing above this module.
class SettingsModel : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual const AppSettings &settings() const = 0;
    virtual const QString &lastResultSummary() const = 0;
    // The only way settings change while the program runs: applied, saved, effective at once.
    virtual void updateSettings(const std::function<void(AppSettings &)> &mutation) = 0;

public slots:
    virtual void startCapture() = 0;
    virtual void startImageCapture() = 0;

signals:
    void settingsChanged();
    void lastResultSummaryChanged();
};
