#pragma once
// The user's decimal separator, as the locale settings give it.

namespace platform {

// The first character of the locale's decimal point after setlocale(LC_NUMERIC, "").
// Read once and kept for the run.
char DecimalSeparator();

// The same, read afresh from the current LC_NUMERIC locale (for tests).
char CurrentDecimalSeparator();

} // namespace platform
