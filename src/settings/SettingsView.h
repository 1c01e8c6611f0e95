#pragma once

#include "settings/CaptureKind.h"

#include <QWidget>

#include <utility>
#include <vector>

class SettingsModel;
class QCheckBox;
class QComboBox;
class QLabel;

// The settings form. Every edit goes straight to the model's updateSettings(); the form
// redraws itself from the model whenever its settings or status change.
class SettingsView : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsView(SettingsModel &controller, QWidget *parent = nullptr);

    // Reads the controller's current state into the controls.
    void refresh();

private:
    void build();
    static QLabel *sectionHeader(const QString &text);
    QLabel *secondaryLabel(const QString &text = {});

    SettingsModel &m_controller;
    QComboBox *m_key = nullptr;
    QCheckBox *m_command = nullptr;
    QCheckBox *m_control = nullptr;
    QCheckBox *m_option = nullptr;
    QCheckBox *m_shift = nullptr;
    // Each capture kind's shortcut, as it is now.
    std::vector<std::pair<CaptureKind, QLabel *>> m_shortcuts;
    QComboBox *m_languageMode = nullptr;
    QLabel *m_lastStatus = nullptr;
};
