#pragma once

#include "feedback/LocalizedKey.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Which group of recognition languages comes first.
enum class PreferredLanguageMode : std::uint8_t { automatic, prioritizeLatin, prioritizeCJK };

namespace PreferredLanguageModes {
const std::array<PreferredLanguageMode, 3> &allCases();

QString toRawValue(PreferredLanguageMode mode);
// Exact, case-sensitive match of a raw value.
std::optional<PreferredLanguageMode> fromRawValue(const QString &rawValue);

LocalizedKey titleKey(PreferredLanguageMode mode);
// The localized title, looked up at the moment of display.
QString title(PreferredLanguageMode mode);
} // namespace PreferredLanguageModes
