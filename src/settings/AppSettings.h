#pragma once

#include "settings/HotKey.h"
#include "ocr/PreferredLanguageMode.h"

#include <QByteArray>

#include <optional>

// The user's settings, persisted as one compact JSON document.
struct AppSettings {
    HotKey hotKey = HotKey::defaultTextCapture();
    PreferredLanguageMode preferredLanguageMode = PreferredLanguageMode::automatic;

    QByteArray toJson() const;
    // Strict: every member required with its exact type, and a shortcut with Control, Super or
    // Alt, or nothing at all is used. Members of earlier versions ("autoCopyEnabled") are ignored.
    static std::optional<AppSettings> fromJson(const QByteArray &json);

    bool operator==(const AppSettings &) const = default;
};
