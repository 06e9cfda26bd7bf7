#pragma once
// One QApplication for the dialog tests of this executable (offscreen).

#include <QApplication>

namespace test_support {

inline QApplication& App()
{
    static int argc = 1;
    static char name[] = "portkit_tests";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends; destroying it after main is not safe.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

} // namespace test_support
