// The sort dialog's and the import wizard's C entries and the exported
// functions over them.

// portkit
#include "portkit/import_data.h"
#include "portkit/portkit_c.h"
#include "portkit/sort.h"
#include "portkit/ui/import_wizard.h"
#include "portkit/ui/sort_dialog.h"

extern "C" int portkit_sort(void* parent, SortOptions* options)
{
    return portkit::RunSort(parent, options) ? 1 : 0;
}

extern "C" int portkit_import_data(const ImportDataStruct* data, const char* const* names, const int* widths,
                                   const char* path, ImportRowCallback callback)
{
    return portkit::RunImport(data, names, widths, path, callback) ? 1 : 0;
}

bool Sort(void* parent, SortOptions& options)
{
    return portkit_sort(parent, &options) != 0;
}

bool ImportData(const ImportDataStruct& data, const char* const* names, const int* widths, const char* path,
                ImportRowCallback callback)
{
    return portkit_import_data(&data, names, widths, path, callback) != 0;
}
