#pragma once

#include "settings/AppSettings.h"
#include "settings/CaptureKind.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

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
    // The captures the window offers, in the menu's order.
    virtual std::vector<CaptureKind> captureKinds() const = 0;

public slots:
    // The capture of that action name; any other name starts nothing.
    virtual void startCapture(const QByteArray &action) = 0;

signals:
    void settingsChanged();
    void lastResultSummaryChanged();
};
