#include "settings/PreferredLanguageModeTitle.h"

#include "feedback/Localization.h"

namespace PreferredLanguageModes {

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
