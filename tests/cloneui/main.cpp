// The transfer dialogs need a QApplication; tests run on the offscreen platform.

// Qt
#include <QApplication>

// std
#include <cstdlib>

// lib
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
