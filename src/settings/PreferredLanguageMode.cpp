#include "settings/PreferredLanguageMode.h"

#include "feedback/Localization.h"

namespace PreferredLanguageModes {

const std::array<PreferredLanguageMode, 3> &allCases()
{
    static constexpr std::array<PreferredLanguageMode, 3> cases{
        PreferredLanguageMode::automatic,
        PreferredLanguageMode::prioritizeLatin,
        PreferredLanguageMode::prioritizeCJK,
    };
    return cases;
}

QString toRawValue(PreferredLanguageMode mode)
{
    switch (mode) {
    case PreferredLanguageMode::automatic:
        return QStringLiteral("automatic");
    case PreferredLanguageMode::prioritizeLatin:
        return QStringLiteral("prioritizeLatin");
    case PreferredLanguageMode::prioritizeCJK:
        return QStringLiteral("prioritizeCJK");
    }
    return {};
}

std::optional<PreferredLanguageMode> fromRawValue(const QString &rawValue)
{
    for (PreferredLanguageMode mode : allCases()) {
        if (toRawValue(mode) == rawValue)
            return mode;
    }
    return std::nullopt;
}

LocalizedKey titleKey(PreferredLanguageMode mode)
{
    switch (mode) {
    case PreferredLanguageMode::automatic:
        return LocalizedKey::languageModeAutomatic;
    case PreferredLanguageMode::prioritizeLatin:
        return LocalizedKey::languageModePrioritizeLatin;
    case PreferredLanguageMode::prioritizeCJK:
        return LocalizedKey::languageModePrioritizeCJK;
    }
    return LocalizedKey::languageModeAutomatic;
}

QString title(PreferredLanguageMode mode)
{
    return L::text(titleKey(mode));
}

} // namespace PreferredLanguageModes
