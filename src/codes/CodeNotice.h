#pragma once

#include "ocr/DecodedCode.h"

#include <QList>
#include <QString>

// What the notice after a capture says about the codes it copied: the code and the start of what
// it holds, or how many there were.
namespace CodeNotice {
// Empty when there were none.
QString copied(const QList<DecodedCode> &codes);
// The first line of a code's content, cut to what a notice shows at a glance.
QString shortened(const QString &content);
} // namespace CodeNotice
