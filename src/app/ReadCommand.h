#pragma once

#include "ocr/PreferredLanguageMode.h"

#include <QStringList>

#include <optional>

class OCRProvider;

// tessarin --read: the text and codes of image files on standard output, without a display and
// without the running program. Exit status 0 when any image had text, 1 when none had, 2 when an
// input could not be read as an image (each said on standard error), as grep counts.
struct ReadCommand {
    QStringList inputs; // "-" is standard input
    std::optional<PreferredLanguageMode> mode; // the saved one when none
    bool json = false;  // one JSON object per image and line instead of the bare text

    int run(OCRProvider &recognizer, PreferredLanguageMode savedMode) const;

    bool operator==(const ReadCommand &) const = default;
};
