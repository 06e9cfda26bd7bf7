#include "app/recent_files.h"

// project
#include "support/temp_config.h"

// std
#include <gtest/gtest.h>

using app::RecentFiles;

TEST(RecentFiles, NewestFirstNoDuplicatesAtMostFourAndKept)
{
    test_support::TempConfigHome home;
    RecentFiles recent;
    recent.Load();
    EXPECT_TRUE(recent.Paths().empty());
    for (const char* path : {"/a.rdf", "/b.rdf", "/c.rdf", "/d.rdf", "/e.rdf"})
        recent.Add(path);
    recent.Add("/c.rdf");
    const std::vector<std::string> expected{"/c.rdf", "/e.rdf", "/d.rdf", "/b.rdf"};
    EXPECT_EQ(recent.Paths(), expected);

    RecentFiles again;
    again.Load();
    EXPECT_EQ(again.Paths(), expected);

    again.Remove(1);
    again.Remove(7); // out of range: nothing
    RecentFiles third;
    third.Load();
    EXPECT_EQ(third.Paths(), (std::vector<std::string>{"/c.rdf", "/d.rdf", "/b.rdf"}));
}

TEST(RecentFiles, MenuTextNumbersShortensAndEscapes)
{
    test_support::TempConfigHome home;
    RecentFiles recent;
    recent.Add("/home/user/radios/a very long folder name that goes on/and on/club & friends.rdf");
    recent.Add("/tmp/x.rdf");
    EXPECT_EQ(recent.MenuText(0), "&1 /tmp/x.rdf");
    EXPECT_EQ(recent.MenuText(1), "&2 .../club && friends.rdf");
    EXPECT_EQ(recent.MenuText(2), "");
}
