#include "platform/locale.h"

#include <clocale>

namespace platform {

char CurrentDecimalSeparator()
{
    const std::lconv* conv = std::localeconv();
    if (conv == nullptr || conv->decimal_point == nullptr || conv->decimal_point[0] == '\0')
        return '.';
    return conv->decimal_point[0];
}

char DecimalSeparator()
{
    static const char separator = [] {
        std::setlocale(LC_NUMERIC, "");
        const char c = CurrentDecimalSeparator();
        // Keep the C library's own number formatting stable for the rest of the run.
        std::setlocale(LC_NUMERIC, "C");
        return c;
    }();
    return separator;
}

} // namespace platform
