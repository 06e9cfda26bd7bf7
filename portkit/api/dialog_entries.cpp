// The sort dialog's and the import wizard's C entries and the exported
// functions over them.

// portkit
#include "portkit/import_data.h"
#include "portkit/portkit_c.h"
#include "portkit/sort.h"
#include "portkit/ui/import_wizard.h"
#include "portkit/ui/sort_dialog.h"

// std
#include <algorithm>
#include <vector>

extern "C" int portkit_sort(void* parent, SortOptions* options)
{
    return portkit::RunSort(parent, options) ? 1 : 0;
}

extern "C" int portkit_import_data(const ImportDataStruct* data, const char* const* names, const int* widths,
                                   const char* path, ImportRowCallback callback)
{
    return portkit::RunImport(data, names, widths, path, callback) ? 1 : 0;
}

extern "C" int portkit_import_assignment(int* assignment, int capacity)
{
    const std::vector<int>& finished = portkit::FinishedAssignment();
    if (assignment != nullptr && capacity > 0)
        std::copy_n(finished.begin(), std::min(finished.size(), static_cast<std::size_t>(capacity)), assignment);
    return static_cast<int>(finished.size());
}

extern "C" void portkit_set_import_counter(ImportCountsCallback counter, void* context)
{
    portkit::SetCounter({counter, context});
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

std::vector<int> ImportAssignment()
{
    std::vector<int> assignment(static_cast<std::size_t>(portkit_import_assignment(nullptr, 0)));
    portkit_import_assignment(assignment.data(), static_cast<int>(assignment.size()));
    return assignment;
}

void SetImportCounter(ImportCountsCallback counter, void* context)
{
    portkit_set_import_counter(counter, context);
}
