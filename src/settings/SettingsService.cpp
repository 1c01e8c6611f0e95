#include "settings/SettingsService.h"

#include "settings/SettingsLog.h"

SettingsService::SettingsService(AppSettingsStore store)
    : m_store(std::move(store))
    , m_settings(m_store.load())
{
    // Corrected, not written back: the file stays as the user left it.
    const auto [usable, correction] = usableTextShortcut(m_settings.hotKey, HotKey::defaultTextCapture());
    if (correction != Correction::none)
        qCInfo(settingsLog) << "the stored text shortcut" << m_settings.hotKey.displayString() << "is replaced:"
                            << correction;
    m_settings.hotKey = usable;
}

std::pair<HotKey, SettingsService::Correction> SettingsService::usableTextShortcut(const HotKey &wanted,
                                                                                    const HotKey &fallback)
{
    if (!wanted.hasRequiredModifier())
        return {fallback, Correction::needsModifier};
    if (wanted == HotKey::screenshotCapture())
        return {fallback, Correction::takenByScreenshot};
    if (wanted.isRetiredTextShortcut())
        return {HotKey::defaultTextCapture(), Correction::retired};
    return {wanted, Correction::none};
}

SettingsService::Update SettingsService::update(const std::function<void(AppSettings &)> &mutation)
{
    AppSettings changed = m_settings;
    mutation(changed);
    Update result{Correction::none, changed.hotKey, m_settings.hotKey};
    std::tie(changed.hotKey, result.correction) = usableTextShortcut(changed.hotKey, m_settings.hotKey);
    m_settings = changed;
    result.saved = m_store.save(m_settings);
    return result;
}
