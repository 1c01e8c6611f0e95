#pragma once

#include "feedback/AppLanguage.h"
#include "feedback/LocalizedKey.h"

#include <QString>

// Text lookup in the compiled-in translations. Templates keep their "%1" placeholders for the
// caller's QString::arg(); counts pick the language's plural form.
namespace L {
QString text(LocalizedKey key);
QString text(LocalizedKey key, AppLanguage language);

// The text for a count, in the plural form the language uses for it, the number in its place.
QString count(LocalizedKey key, qint64 number);
QString count(LocalizedKey key, qint64 number, AppLanguage language);

// The language's own text, without the English fallback; empty when it has none.
QString ownText(LocalizedKey key, AppLanguage language);

// The text as an alert's first line: alerts on Linux desktops do not set it apart by themselves.
QString headline(LocalizedKey key);
} // namespace L
