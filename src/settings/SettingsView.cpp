#include "settings/SettingsView.h"

#include "common/EnumNames.h"
#include "feedback/Localization.h"
#include "settings/ColorContrast.h"
#include "settings/PreferredLanguageModeTitle.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsWindowController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

SettingsView::SettingsView(SettingsModel &controller, QWidget *parent)
    : QWidget(parent)
    , m_controller(controller)
{
    build();
    refresh();
    connect(&m_controller, &SettingsModel::settingsChanged, this, &SettingsView::refresh);
    connect(&m_controller, &SettingsModel::lastResultSummaryChanged, this, &SettingsView::refresh);
}

QLabel *SettingsView::sectionHeader(const QString &text)
{
    auto *label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel *SettingsView::secondaryLabel(const QString &text)
{
    auto *label = new QLabel(text);
    // Dimmed, but readable: the palette's placeholder grey is often too faint for text that
    // matters (3.5:1 in Qt's default light palette).
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ColorContrast::secondaryText(palette.color(QPalette::WindowText),
                                                                        palette.color(QPalette::Window)));
    label->setPalette(palette);
    return label;
}

void SettingsView::build()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    // Never narrower than the window was designed for; wider where a language needs it.
    setMinimumWidth(SettingsWindowController::width);
    auto form = [layout](const QString &header) {
        layout->addWidget(sectionHeader(header));
        auto *rows = new QFormLayout;
        rows->setContentsMargins(12, 0, 0, 12);
        rows->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
        rows->setRowWrapPolicy(QFormLayout::DontWrapRows);
        layout->addLayout(rows);
        return rows;
    };

    QFormLayout *capture = form(L::text(LocalizedKey::captureSection));
    auto *buttons = new QHBoxLayout;
    for (const CaptureKind &kind : m_controller.captureKinds()) {
        auto *button = new QPushButton(L::text(kind.title));
        // Enter in the dialog must not start a capture behind the user's back.
        button->setAutoDefault(false);
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this,
                [this, action = kind.action] { m_controller.startCapture(action); });
    }
    buttons->addStretch();
    capture->addRow(buttons);

    m_key = new QComboBox;
    for (HotKeyKey key : EnumNames::values<HotKeyKey>())
        m_key->addItem(HotKeyKeys::title(key));
    capture->addRow(L::text(LocalizedKey::textShortcutKey), m_key);
    connect(m_key, &QComboBox::activated, this, [this](int index) {
        m_controller.updateSettings([index](AppSettings &s) { s.hotKey.key = EnumNames::values<HotKeyKey>().value(index); });
    });

    // The modifier toggles, in the order the shortcut is written.
    auto *toggles = new QHBoxLayout;
    auto toggle = [&](Qt::KeyboardModifier modifier, bool HotKey::*flag) {
        auto *box = new QCheckBox(HotKey::modifierName(modifier));
        toggles->addWidget(box);
        connect(box, &QCheckBox::clicked, this, [this, flag](bool on) {
            m_controller.updateSettings([flag, on](AppSettings &s) { s.hotKey.*flag = on; });
        });
        return box;
    };
    m_control = toggle(Qt::ControlModifier, &HotKey::control);
    m_option = toggle(Qt::AltModifier, &HotKey::option);
    m_shift = toggle(Qt::ShiftModifier, &HotKey::shift);
    m_command = toggle(Qt::MetaModifier, &HotKey::command);
    toggles->addStretch();
    capture->addRow(L::text(LocalizedKey::modifierKeys), toggles);

    for (const CaptureKind &kind : m_controller.captureKinds()) {
        m_shortcuts.emplace_back(kind, secondaryLabel());
        capture->addRow(L::text(kind.shortcutLabel), m_shortcuts.back().second);
    }

    m_languageMode = new QComboBox;
    for (PreferredLanguageMode mode : EnumNames::values<PreferredLanguageMode>())
        m_languageMode->addItem(PreferredLanguageModes::title(mode));
    form(L::text(LocalizedKey::textRecognitionSection))->addRow(L::text(LocalizedKey::languageMode), m_languageMode);
    connect(m_languageMode, &QComboBox::activated, this, [this](int index) {
        m_controller.updateSettings([index](AppSettings &s) {
            s.preferredLanguageMode = EnumNames::values<PreferredLanguageMode>().value(index);
        });
    });

    // A status of several lines shows whole: Qt sizes a wrapping label by a guess at a narrow width,
    // so the label gets the width its column has, and the height its text needs there.
    QFormLayout *app = form(L::text(LocalizedKey::appSection));
    auto *statusTitle = new QLabel(L::text(LocalizedKey::lastStatus));
    m_lastStatus = secondaryLabel();
    m_lastStatus->setWordWrap(true);
    m_lastStatus->setFixedWidth(SettingsWindowController::width - layout->contentsMargins().left()
                                - layout->contentsMargins().right() - app->contentsMargins().left()
                                - statusTitle->sizeHint().width() - app->horizontalSpacing());
    app->setLabelAlignment(Qt::AlignLeft | Qt::AlignTop);
    app->addRow(statusTitle, m_lastStatus);

    QLabel *privacy = secondaryLabel(L::text(LocalizedKey::privacyMessage));
    privacy->setWordWrap(true);
    form(L::text(LocalizedKey::privacyTitle))->addRow(privacy);
}

void SettingsView::refresh()
{
    const AppSettings &settings = m_controller.settings();
    const QSignalBlocker blockers[] = {QSignalBlocker(m_key), QSignalBlocker(m_command), QSignalBlocker(m_control),
                                       QSignalBlocker(m_option), QSignalBlocker(m_shift),
                                       QSignalBlocker(m_languageMode)};
    m_key->setCurrentIndex(int(settings.hotKey.key));
    m_command->setChecked(settings.hotKey.command);
    m_control->setChecked(settings.hotKey.control);
    m_option->setChecked(settings.hotKey.option);
    m_shift->setChecked(settings.hotKey.shift);
    for (const auto &[kind, label] : m_shortcuts)
        label->setText(kind.shortcut(settings).displayString());
    m_languageMode->setCurrentIndex(int(settings.preferredLanguageMode));
    m_lastStatus->setText(m_controller.lastResultSummary());
    m_lastStatus->setFixedHeight(m_lastStatus->heightForWidth(m_lastStatus->width()));
}
