// Any bytes in the configuration's settings value: decoding never crashes, and whatever it
// accepts is written back as a record that reads the same.
#include "settings/AppSettings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<AppSettings> settings = AppSettings::fromJson(bytes);
    if (!settings)
        return 0;
    if (!settings->hotKey.hasRequiredModifier())
        std::abort(); // a bare key must never become a global shortcut
    if (AppSettings::fromJson(settings->toJson()) != settings)
        std::abort();
    return 0;
}
