#pragma once

#include "feedback/AppLanguage.h"
#include "feedback/LocalizedKey.h"

#include <QString>

// Text lookup. Templates keep their placeholder ("%d" or "%@"); callers fill it in.
namespace L {
QString text(LocalizedKey key);
QString text(LocalizedKey key, AppLanguage language);

// Fills the single "%@" or "%d" placeholder of a template.
QString format(const QString &templateText, const QString &argument);
QString format(const QString &templateText, qint64 number);
} // namespace L
