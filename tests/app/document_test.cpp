#include "app/document.h"

// project
#include "radio/default_image.h"
#include "radio/main_doc.h"
#include "support/temp_config.h"

// std
#include <filesystem>
#include <gtest/gtest.h>

TEST(Document, UntitledNamesAndDefaultExtension)
{
    EXPECT_EQ(app::UntitledName(1), "Untitled");
    EXPECT_EQ(app::UntitledName(2), "Untitled2");
    EXPECT_EQ(app::WithDefaultExtension("/home/u/club"), "/home/u/club.rdf");
    EXPECT_EQ(app::WithDefaultExtension("/home/u/club.rdf"), "/home/u/club.rdf");
    EXPECT_EQ(app::WithDefaultExtension("/home/u/club.dat"), "/home/u/club.dat");
    EXPECT_EQ(app::WithDefaultExtension("/home/u.v/club"), "/home/u.v/club.rdf");
}

TEST(Document, NewSaveAndReopenKeepTheData)
{
    test_support::TempDir dir;
    const std::string path = dir.path() + "/club.rdf";
    app::Document document("Untitled");
    ASSERT_TRUE(document.NewFile());
    EXPECT_EQ(document.Title(), "Untitled");
    EXPECT_FALSE(document.HasPath());
    EXPECT_EQ(document.Data().Image(), radio::DefaultImage());

    document.Data().SetComment(0, "Repeater");
    ASSERT_TRUE(document.IsModified());
    ASSERT_TRUE(document.SaveFile(path));
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.Path(), path);
    EXPECT_EQ(document.Title(), "club.rdf");

    app::Document reopened("");
    ASSERT_TRUE(reopened.OpenFile(path));
    EXPECT_FALSE(reopened.IsModified());
    EXPECT_EQ(reopened.Data().Comment(0), "Repeater");
}

// A failed save keeps the old name and the modified state, and says why.
TEST(Document, FailedSaveKeepsPathAndModifiedState)
{
    test_support::TempDir dir;
    const std::string good = dir.path() + "/club.rdf";
    app::Document document("Untitled");
    ASSERT_TRUE(document.NewFile());
    ASSERT_TRUE(document.SaveFile(good));
    document.Data().SetComment(3, "changed");

    EXPECT_FALSE(document.SaveFile(dir.path() + "/no such folder/club.rdf"));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.Path(), good);
    EXPECT_FALSE(document.ErrorText().empty());
}

TEST(Document, OpenFailureKeepsNoPath)
{
    test_support::TempDir dir;
    app::Document document("");
    EXPECT_FALSE(document.OpenFile(dir.path() + "/missing.rdf"));
    EXPECT_FALSE(document.HasPath());
    EXPECT_FALSE(document.ErrorText().empty());
}
