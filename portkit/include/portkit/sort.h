#pragma once
// The "Sort" dialog: two sort keys from the caller's names, the order and the
// channels to sort. SortOptions is declared in portkit_c.h.

#include "portkit/export.h"
#include "portkit/portkit_c.h"

// std
#include <cstddef>

// Natural layout on a 64-bit system: five ints, padding, then the pointers.
static_assert(sizeof(void*) != 8 ||
                  (offsetof(SortOptions, nCount) == 0 && offsetof(SortOptions, nScope) == 4 &&
                   offsetof(SortOptions, nOrder) == 8 && offsetof(SortOptions, nFirstKey) == 12 &&
                   offsetof(SortOptions, nSecondKey) == 16 && offsetof(SortOptions, pszNames) == 24 &&
                   sizeof(SortOptions) == 24 + 8 * PORTKIT_SORT_MAX_NAMES),
              "SortOptions crosses the library boundary with this layout");

// Shows the dialog modally over parent (a QWidget*, or nullptr). The dialog
// starts with the first name, "None", "Ascending" and "Selected channels",
// whatever the record held; when it ends the record gets the choice (zeros on
// Cancel). True for OK.
PORTKIT_API bool Sort(void* parent, SortOptions& options);
