#include "feedback/AppLanguage.h"

#include "platform/PreferredLanguages.h"

#include <array>
#include <utility>

namespace AppLanguages {

AppLanguage fromPreferredLanguages(const QStringList &preferredLanguages)
{
    if (preferredLanguages.isEmpty())
        return AppLanguage::english;
    const QString first = preferredLanguages.first().toLower();

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
    for (const auto &[prefix, language] : prefixes) {
        if (first.startsWith(QLatin1String(prefix)))
            return language;
    }
    return AppLanguage::english;
}

AppLanguage current()
{
    return fromPreferredLanguages(PreferredLanguages::current());
}

} // namespace AppLanguages
