#include "platform/PreferredLanguages.h"

#include <QLocale>

namespace PreferredLanguages {

QStringList current()
{
    return QLocale::system().uiLanguages();
}

} // namespace PreferredLanguages
