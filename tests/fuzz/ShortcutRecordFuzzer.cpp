// Any JSON value where a shortcut is stored: decoding never crashes, and what it accepts
// survives a round trip with the same key and modifier bits.
#include "settings/HotKey.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
void check(const QJsonValue &value)
{
    const std::optional<HotKey> hotKey = HotKey::fromJson(value);
    if (!hotKey)
        return;
    const std::optional<HotKey> again = HotKey::fromJson(hotKey->toJson());
    if (again != hotKey || again->modifierMask() != hotKey->modifierMask())
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (document.isObject())
        check(document.object());
    else if (document.isArray())
        for (const QJsonValue &value : document.array())
            check(value);
    return 0;
}
