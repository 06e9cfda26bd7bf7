#include "portkit/core/port_names.h"

#include "portkit/pty_support.h"
#include "support/temp_config.h"

#include <gtest/gtest.h>

#include <filesystem>

using portkit::DevicePath;

namespace {

TEST(PortNames, BuiltInMapCoversEachNumberOnce)
{
    const test_support::TempConfigHome home;
    ::unsetenv("PORTKIT_PORT_DIR");
    EXPECT_EQ(DevicePath(0), "");
    EXPECT_EQ(DevicePath(1), "/dev/ttyUSB0");
    EXPECT_EQ(DevicePath(8), "/dev/ttyUSB7");
    EXPECT_EQ(DevicePath(9), "/dev/ttyACM0");
    EXPECT_EQ(DevicePath(16), "/dev/ttyACM7");
    EXPECT_EQ(DevicePath(17), "/dev/ttyS0");
    EXPECT_EQ(DevicePath(48), "/dev/ttyS31");
    EXPECT_EQ(DevicePath(49), "");
}

TEST(PortNames, UserLinksTakePrecedenceEvenWhenDangling)
{
    const test_support::TempConfigHome home;
    ::unsetenv("PORTKIT_PORT_DIR");
    const std::string folder = home.path() + "/Quillon/ports";
    std::filesystem::create_directories(folder);
    std::filesystem::create_symlink("/dev/null", folder + "/COM3");
    std::filesystem::create_symlink(folder + "/unplugged", folder + "/COM60");
    EXPECT_EQ(DevicePath(3), folder + "/COM3");
    EXPECT_EQ(DevicePath(60), folder + "/COM60");
    EXPECT_EQ(DevicePath(4), "/dev/ttyUSB3");
}

TEST(PortNames, OverrideFolderIsTheOnlySource)
{
    const test_support::PortFolder ports;
    ports.Link(2, "/dev/null");
    EXPECT_EQ(DevicePath(2), ports.path() + "/COM2");
    EXPECT_EQ(DevicePath(1), "");
    EXPECT_EQ(DevicePath(17), "");
}

} // namespace
