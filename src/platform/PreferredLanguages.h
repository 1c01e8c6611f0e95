#pragma once

#include <QStringList>

namespace PreferredLanguages {
// The user's preferred languages as BCP 47 tags, most preferred first.
QStringList current();
} // namespace PreferredLanguages
