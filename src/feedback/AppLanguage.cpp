#include "feedback/AppLanguage.h"

#include "platform/PreferredLanguages.h"

#include <array>
#include <utility>

namespace AppLanguages {

AppLanguage fromPreferredLanguages(const QStringList &preferredLanguages)
{
    if (preferredLanguages.isEmpty())
        return AppLanguage::english;
    const QString first = preferredLanguages.first().toLower().replace(u'_', u'-');

    // Script prefixes come before region prefixes, so zh-Hans-HK is simplified.
    static const std::array<std::pair<const char *, AppLanguage>, 13> prefixes{{
        {"zh-hans", AppLanguage::simplifiedChinese},
        {"zh-cn", AppLanguage::simplifiedChinese},
        {"zh-sg", AppLanguage::simplifiedChinese},
        {"zh-hant", AppLanguage::traditionalChinese},
        {"zh-tw", AppLanguage::traditionalChinese},
        {"zh-hk", AppLanguage::traditionalChinese},
        {"zh-mo", AppLanguage::traditionalChinese},
        {"ja", AppLanguage::japanese},
        {"ko", AppLanguage::korean},
        {"fr", AppLanguage::french},
        {"de", AppLanguage::german},
        {"es", AppLanguage::spanish},
        {"pt", AppLanguage::portuguese},
    }};
    // Whole subtags only: "kok" (Konkani) is not Korean, "frr" (Frisian) not French.
    for (const auto &[prefix, language] : prefixes) {
        const QLatin1String tag(prefix);
        if (first == tag || (first.startsWith(tag) && first.at(tag.size()) == u'-'))
            return language;
    }
    return AppLanguage::english;
}

QLocale locale(AppLanguage language)
{
    switch (language) {
    case AppLanguage::english:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    case AppLanguage::simplifiedChinese:
        return QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
    case AppLanguage::traditionalChinese:
        return QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan);
    case AppLanguage::japanese:
        return QLocale(QLocale::Japanese, QLocale::Japan);
    case AppLanguage::korean:
        return QLocale(QLocale::Korean, QLocale::SouthKorea);
    case AppLanguage::french:
        return QLocale(QLocale::French, QLocale::France);
    case AppLanguage::german:
        return QLocale(QLocale::German, QLocale::Germany);
    case AppLanguage::spanish:
        return QLocale(QLocale::Spanish, QLocale::Spain);
    case AppLanguage::portuguese:
        return QLocale(QLocale::Portuguese, QLocale::Brazil);
    }
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

AppLanguage current()
{
    return fromPreferredLanguages(PreferredLanguages::current());
}

} // namespace AppLanguages
