#pragma once

#include "settings/AppSettings.h"
#include "settings/AppSettingsStore.h"

#include <QObject>

#include <functional>

// The settings while the program runs: read once from the store, changed only through update(),
// every text shortcut held to the same rules, and saved at each change.
class SettingsService
{
    Q_GADGET

public:
    // What became of a text shortcut that cannot work.
    enum class Correction {
        none,
        needsModifier,     // without Ctrl, Super or Alt it would take a key from every program
        takenByScreenshot, // the screenshot's own shortcut
        retired,           // clashes with common screenshot tools: replaced by the default
    };
    Q_ENUM(Correction)

    struct Update {
        Correction correction = Correction::none;
        HotKey asked;  // the text shortcut the change asked for
        HotKey before; // the one in use before it
        bool saved = true;
        bool operator==(const Update &) const = default;
    };

    explicit SettingsService(AppSettingsStore store);

    const AppSettings &settings() const { return m_settings; }
    const AppSettingsStore &store() const { return m_store; }

    Update update(const std::function<void(AppSettings &)> &mutation);

    // The text shortcut to use when `wanted` is asked for and `fallback` is in use, and why.
    static std::pair<HotKey, Correction> usableTextShortcut(const HotKey &wanted, const HotKey &fallback);

private:
    AppSettingsStore m_store;
    AppSettings m_settings;
};
