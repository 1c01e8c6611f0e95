#pragma once

#include <QString>

// Levenshtein distance over Unicode scalars: the number of characters to insert, delete or
// replace to turn one text into the other.
int textDistance(const QString &a, const QString &b);
