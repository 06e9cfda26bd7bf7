#pragma once
// The four-step import wizard for delimited text files. ImportDataStruct and
// ImportRowCallback are declared in portkit_c.h.

#include "portkit/export.h"
#include "portkit/portkit_c.h"

// std
#include <cstddef>
#include <vector>

static_assert(sizeof(void*) != 8 ||
                  (offsetof(ImportDataStruct, hWndOwner) == 0 && offsetof(ImportDataStruct, nColumns) == 8 &&
                   offsetof(ImportDataStruct, nFirstChannel) == 12 &&
                   offsetof(ImportDataStruct, nAvailable) == 16 &&
                   offsetof(ImportDataStruct, nLastChannel) == 20 && sizeof(ImportDataStruct) == 24),
              "ImportDataStruct crosses the library boundary with this layout");

// Reads path (its non-empty lines) and runs the wizard. names and widths hold
// data.nColumns entries each; the record handed to callback is the sum of the
// widths long and slot k gets at most widths[k] - 1 bytes of its cell. True
// when the wizard ended with Finish; false for Cancel or when the file cannot be
// opened (after the message "An error occurred file tring to open the file: \n<path>").
PORTKIT_API bool ImportData(const ImportDataStruct& data, const char* const* names, const int* widths,
                            const char* path, ImportRowCallback callback);

// The column assignment of the latest ImportData that ended with Finish (see
// portkit_import_assignment); empty before one.
PORTKIT_API std::vector<int> ImportAssignment();

// The counter of portkit_set_import_counter: what the wizard's last page shows
// before Finish; nullptr for none.
PORTKIT_API void SetImportCounter(ImportCountsCallback counter, void* context);
