#include "settings/HotKeyKey.h"

namespace HotKeyKeys {

QString title(HotKeyKey key)
{
    return QString(QChar(u'0' + static_cast<char16_t>(key)));
}

} // namespace HotKeyKeys
