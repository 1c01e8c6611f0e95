#pragma once

#include <QLocale>
#include <QStringList>

// The user-interface languages, in table column order.
enum class AppLanguage {
    english,
    simplifiedChinese,
    traditionalChinese,
    japanese,
    korean,
    french,
    german,
    spanish,
    portuguese,
};

namespace AppLanguages {
constexpr int count = 9;

// Only the first, most preferred entry decides; anything unknown is English.
AppLanguage fromPreferredLanguages(const QStringList &preferredLanguages);

// The locale whose translation file holds the language's texts.
QLocale locale(AppLanguage language);

// Detected afresh on every call, so a changed system language shows without a restart.
AppLanguage current();
} // namespace AppLanguages
