#pragma once

#include <QObject>

#include <cstdint>

namespace PreferredLanguageModes {
Q_NAMESPACE

// Which group of recognition languages comes first. Stored by name (EnumNames).
enum class PreferredLanguageMode : std::uint8_t { automatic, prioritizeLatin, prioritizeCJK };
Q_ENUM_NS(PreferredLanguageMode)
} // namespace PreferredLanguageModes

using PreferredLanguageModes::PreferredLanguageMode;
