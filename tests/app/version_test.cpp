#include "app/version.h"

// std
#include <gtest/gtest.h>

TEST(VersionLine, MajorAndThirdPartInTwoDigits)
{
    EXPECT_EQ(app::VersionLine("2.0.32.0"), "Ostrel Version 2.32");
    EXPECT_EQ(app::VersionLine("3.1.5.9"), "Ostrel Version 3.05");
    EXPECT_EQ(app::VersionLine(app::ProgramVersion()), "Ostrel Version 2.32");
}

TEST(VersionLine, UnreadableVersionIsDemo)
{
    for (const char* version : {"", "2.0.32", "2.0.32.0.1", "2.x.32.0", "2.0.32.0 ", "2.0.70000.0", "-1.0.2.0"})
        EXPECT_EQ(app::VersionLine(version), "Ostrel Version Demo") << version;
}
