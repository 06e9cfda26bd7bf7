#pragma once
// Our own 36 import column names, in their order, as the program hands them
// to the import wizard.

// std
#include <string>
#include <vector>

namespace test_support {

inline const std::vector<std::string>& OurColumnNames()
{
    static const std::vector<std::string> names = {"Channel Number",
                                                   "Receive Frequency",
                                                   "Transmit Frequency",
                                                   "Offset Frequency",
                                                   "Offset Direction",
                                                   "Operating Mode",
                                                   "Name",
                                                   "Show Name",
                                                   "Tone Mode",
                                                   "CTCSS Tone",
                                                   "DCS Code",
                                                   "Step",
                                                   "Clock Shift",
                                                   "Tx Power",
                                                   "Narrow",
                                                   "Bank 1",
                                                   "Bank 2",
                                                   "Bank 3",
                                                   "Bank 4",
                                                   "Bank 5",
                                                   "Bank 6",
                                                   "Bank 7",
                                                   "Bank 8",
                                                   "Bank 9",
                                                   "Bank 10",
                                                   "Bank 11",
                                                   "Bank 12",
                                                   "Bank 13",
                                                   "Bank 14",
                                                   "Bank 15",
                                                   "Bank 16",
                                                   "Bank 17",
                                                   "Bank 18",
                                                   "Bank 19",
                                                   "Bank 20",
                                                   "Comment"};
    return names;
}

} // namespace test_support
