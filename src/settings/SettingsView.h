#pragma once

#include <QWidget>

class SettingsModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

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
    QPushButton *m_captureText = nullptr;
    QPushButton *m_captureScreenshot = nullptr;
    QComboBox *m_key = nullptr;
    QCheckBox *m_command = nullptr;
    QCheckBox *m_control = nullptr;
    QCheckBox *m_option = nullptr;
    QCheckBox *m_shift = nullptr;
    QLabel *m_textShortcut = nullptr;
    QLabel *m_imageShortcut = nullptr;
    QComboBox *m_languageMode = nullptr;
    QLabel *m_lastStatus = nullptr;
};
