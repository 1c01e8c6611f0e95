#include "feedback/Localization.h"

#include <QLocale>
#include <QMetaEnum>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <limits>
#include <memory>

namespace {

// One translator per language, loaded once; lookups are const and safe from any thread.
const QTranslator &translator(AppLanguage language)
{
    static const auto translators = [] {
        std::array<std::unique_ptr<QTranslator>, AppLanguages::count> all;
        for (int i = 0; i < AppLanguages::count; ++i) {
            all[size_t(i)] = std::make_unique<QTranslator>();
            const QLocale locale = AppLanguages::locale(AppLanguage(i));
            // A missing file leaves the translator empty: everything falls back to English.
            (void)all[size_t(i)]->load(QStringLiteral(":/i18n/tessarin_%1.qm").arg(locale.name()));
        }
        return all;
    }();
    return *translators[size_t(language)];
}

const char *id(LocalizedKey key)
{
    return QMetaEnum::fromType<LocalizedKey>().valueToKey(int(key));
}

QString lookUp(LocalizedKey key, AppLanguage language, int number)
{
    const QString own = translator(language).translate(nullptr, id(key), nullptr, number);
    return own.isEmpty() ? translator(AppLanguage::english).translate(nullptr, id(key), nullptr, number) : own;
}

} // namespace

namespace L {

QString text(LocalizedKey key)
{
    return text(key, AppLanguages::current());
}

QString text(LocalizedKey key, AppLanguage language)
{
    return lookUp(key, language, -1);
}

QString count(LocalizedKey key, qint64 number)
{
    return count(key, number, AppLanguages::current());
}

QString count(LocalizedKey key, qint64 number, AppLanguage language)
{
    const int form = int(std::clamp<qint64>(number, 0, std::numeric_limits<int>::max()));
    return lookUp(key, language, form).replace(QLatin1String("%n"), QLocale().toString(number));
}

QString ownText(LocalizedKey key, AppLanguage language)
{
    return translator(language).translate(nullptr, id(key));
}

QString headline(LocalizedKey key)
{
    return QStringLiteral("<b>%1</b>").arg(text(key).toHtmlEscaped());
}

} // namespace L
