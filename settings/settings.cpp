// Portable parts of the settings: the decimal reading of integers stored as text.
#include "settings/settings.h"

int32_t ParseDecimalUnits(const char16_t* units, size_t count) {
    uint32_t value = 0;
    for (size_t i = 0; i < count && units[i] != 0; ++i) {
        value = value * 10u + (static_cast<uint32_t>(units[i]) - 48u);
    }
    return static_cast<int32_t>(value);
}
