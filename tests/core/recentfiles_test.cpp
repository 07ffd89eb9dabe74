#include "core/recentfiles.h"

#include <gtest/gtest.h>

#include "testfiles.h"

using namespace scrivlet;
using scrivlet::testing::TempDir;
using scrivlet::testing::readBytes;
using scrivlet::testing::writeBytes;

namespace {

using Paths = std::vector<std::string>;

Paths shown(const TRecentFiles& list)
{
    Paths paths;
    for (const TRecentFiles::Entry& e : list.entries())
        paths.push_back(e.path);
    return paths;
}

class RecentFiles : public ::testing::Test {
protected:
    TempDir dir;
    const std::string file = dir.file("scrivlet.ini");
};

TEST_F(RecentFiles, CapacityIsWrittenAsCountAtEveryStart)
{
    const std::pair<int, int> sizes[] = {{25, 10}, {4, 4}, {0, 0}, {-5, 0}};
    for (const auto& [requested, capacity] : sizes) {
        writeBytes(file, "[Options]\nMRUSize=1\n[MRU]\nCount=7\nMRU0=/a\n");
        const TRecentFiles list(file, requested);
        EXPECT_EQ(list.capacity(), capacity) << requested;
        EXPECT_EQ(readBytes(file), "[Options]\nMRUSize=1\n[MRU]\nCount=" + std::to_string(capacity) + "\nMRU0=/a\n")
            << requested;
    }
}

TEST_F(RecentFiles, AddingPutsTheNewestFirstAndMovesAReopenedOneUp)
{
    TRecentFiles list(file, 4);
    list.SaveMenuChoice("/w/a.htm");
    list.SaveMenuChoice("/w/b.htm");
    list.SaveMenuChoice("/w/c.htm");
    EXPECT_EQ(shown(list), (Paths{"/w/c.htm", "/w/b.htm", "/w/a.htm"}));
    EXPECT_EQ(readBytes(file), "[MRU]\nCount=4\nMRU0=/w/c.htm\nMRU1=/w/b.htm\nMRU2=/w/a.htm\n");

    list.SaveMenuChoice("/w/a.htm");
    EXPECT_EQ(shown(list), (Paths{"/w/a.htm", "/w/c.htm", "/w/b.htm"})) << "listed once, on top";
    EXPECT_EQ(readBytes(file), "[MRU]\nCount=4\nMRU0=/w/a.htm\nMRU1=/w/c.htm\nMRU2=/w/b.htm\nMRU3=\nMRU4=\n")
        << "removal moves a missing entry up as an empty value and empties the last";
}

TEST_F(RecentFiles, PathsDifferingInLetterCaseAreDifferentFiles)
{
    TRecentFiles list(file, 4);
    list.SaveMenuChoice("/w/Index.htm");
    list.SaveMenuChoice("/w/index.htm");
    EXPECT_EQ(shown(list), (Paths{"/w/index.htm", "/w/Index.htm"}));
}

TEST_F(RecentFiles, TheNamePushedOutStaysPastTheListUntilALargerCount)
{
    {
        TRecentFiles list(file, 2);
        for (const char* path : {"/a", "/b", "/c"})
            list.SaveMenuChoice(path);
        EXPECT_EQ(shown(list), (Paths{"/c", "/b"}));
        EXPECT_EQ(readBytes(file), "[MRU]\nCount=2\nMRU0=/c\nMRU1=/b\nMRU2=/a\n");
        EXPECT_EQ(list.GetMenuText(TRecentFiles::FirstCommandId + 2), "") << "past the list is no entry";
    }
    const TRecentFiles larger(file, 3);
    EXPECT_EQ(shown(larger), (Paths{"/c", "/b", "/a"}));
}

TEST_F(RecentFiles, SizeZeroShowsNothingButStillStoresTheNewestAsMRU0)
{
    TRecentFiles list(file, 0);
    list.SaveMenuChoice("/a");
    list.SaveMenuChoice("/b");
    EXPECT_TRUE(list.entries().empty());
    EXPECT_EQ(readBytes(file), "[MRU]\nCount=0\nMRU0=/b\n");
}

TEST_F(RecentFiles, EmptyMissingAndDefaultEntriesAreSkippedKeepingTheirIndex)
{
    writeBytes(file, "[MRU]\nCount=5\nMRU0=/a\nMRU1=\nMRU2=Default\nMRU4=/e\nMRU5=/past\n");
    const TRecentFiles list(file, 5);
    const std::vector<TRecentFiles::Entry> entries = list.entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].index, 0);
    EXPECT_EQ(entries[1].index, 4);
    EXPECT_EQ(entries[1].path, "/e");

    struct Row {
        int commandId;
        const char* path;
    };
    const Row rows[] = {
        {31990, "/a"}, {31994, "/e"}, {31991, ""}, {31992, ""}, {31993, ""}, {31995, ""}, {31989, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(list.GetMenuText(row.commandId), row.path) << row.commandId;
}

TEST_F(RecentFiles, ADefaultEntryIsNotCopiedDown)
{
    writeBytes(file, "[MRU]\nCount=3\nMRU0=/a\nMRU1=Default\nMRU2=/c\n");
    TRecentFiles list(file, 3);
    list.SaveMenuChoice("/n");
    EXPECT_EQ(readBytes(file), "[MRU]\nCount=3\nMRU0=/n\nMRU1=/a\nMRU2=/c\nMRU3=/c\n");
    EXPECT_EQ(shown(list), (Paths{"/n", "/a", "/c"}));
}

TEST_F(RecentFiles, DuplicatesFromAnEditedFileAllGiveWayToTheNewTop)
{
    writeBytes(file, "[MRU]\nCount=3\nMRU0=/x\nMRU1=/y\nMRU2=/x\n");
    TRecentFiles list(file, 3);
    list.SaveMenuChoice("/x");
    EXPECT_EQ(shown(list), (Paths{"/x", "/y"}));
}

TEST_F(RecentFiles, CountIsReadBackWheneverTheListIsUsed)
{
    std::string lines = "[MRU]\nCount=4\n";
    for (int i = 0; i < 12; ++i)
        lines += "MRU" + std::to_string(i) + "=/f" + std::to_string(i) + "\n";
    writeBytes(file, lines);
    const TRecentFiles list(file, 4);
    EXPECT_EQ(list.entries().size(), 4u);

    writeBytes(file, "[MRU]\nCount=2\n" + lines.substr(lines.find("MRU0")));
    EXPECT_EQ(list.entries().size(), 2u) << "another program's Count is followed";
    writeBytes(file, "[MRU]\nCount=50\n" + lines.substr(lines.find("MRU0")));
    EXPECT_EQ(list.entries().size(), 10u) << "never more entries than menu commands";
}

TEST_F(RecentFiles, LongPathsAreKeptWhole)
{
    // A path cut to a fixed buffer would open a different file.
    const std::string longPath = "/" + std::string(1000, 'd') + "/page.htm";
    TRecentFiles list(file, 4);
    list.SaveMenuChoice(longPath);
    EXPECT_EQ(list.GetMenuText(TRecentFiles::FirstCommandId), longPath);
    EXPECT_EQ(shown(list), Paths{longPath});
}

TEST_F(RecentFiles, APathThatCannotBeStoredLeavesTheListAsItWas)
{
    TRecentFiles list(file, 4);
    list.SaveMenuChoice("/a");
    const std::string before = readBytes(file);
    list.SaveMenuChoice("/evil\n[Options]\nLCaseTag=0");
    list.SaveMenuChoice("");
    EXPECT_EQ(readBytes(file), before);
}

} // namespace
