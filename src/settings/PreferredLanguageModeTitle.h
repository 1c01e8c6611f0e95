#pragma once

#include "feedback/LocalizedKey.h"
#include "ocr/PreferredLanguageMode.h"

#include <QString>

namespace PreferredLanguageModes {
LocalizedKey titleKey(PreferredLanguageMode mode);
// The localized title, looked up at the moment of display.
QString title(PreferredLanguageMode mode);
} // namespace PreferredLanguageModes
