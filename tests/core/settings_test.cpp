#include "core/settings.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "core/recentfiles.h"
#include "testfiles.h"

using namespace scrivlet;
using scrivlet::testing::TempDir;
using scrivlet::testing::readBytes;
using scrivlet::testing::writeBytes;

namespace {

// The start-up sequence of the program: path, list size, recent-files list, then the options.
struct Startup {
    explicit Startup(const std::string& startDir)
        : file(settingsFilePath(startDir))
        , mruSize(readMRUSize(file))
        , recent(file, mruSize)
    {
        loadSettings(record, file, mruSize);
    }
    std::string file;
    int mruSize;
    TRecentFiles recent;
    SettingsRecord record;
};

TEST(SettingsFilePath, FindsTheFileInAnyLetterCaseElseNamesANewOne)
{
    TempDir dir;
    EXPECT_EQ(settingsFilePath(dir.path()), dir.file("scrivlet.ini"));
    EXPECT_EQ(settingsFilePath(dir.path() + "/"), dir.file("scrivlet.ini")) << "no doubled slash";

    ASSERT_EQ(::mkdir(dir.file("SCRIVLET.INI").c_str(), 0755), 0);
    EXPECT_EQ(settingsFilePath(dir.path()), dir.file("scrivlet.ini")) << "a folder of that name is no file";

    writeBytes(dir.file("Scrivlet.ini"), "");
    EXPECT_EQ(settingsFilePath(dir.path()), dir.file("Scrivlet.ini")) << "the file from another system's case";
    writeBytes(dir.file("ScRiVlEt.InI"), "");
    EXPECT_EQ(settingsFilePath(dir.path()), dir.file("ScRiVlEt.InI")) << "the same pick at every start";
    writeBytes(dir.file("scrivlet.ini"), "");
    EXPECT_EQ(settingsFilePath(dir.path()), dir.file("scrivlet.ini")) << "the exact name wins";

    const std::string cwd = std::filesystem::current_path().string();
    ASSERT_EQ(::chdir(dir.path().c_str()), 0);
    const std::string fromRelative = settingsFilePath(".");
    ASSERT_EQ(::chdir(cwd.c_str()), 0);
    EXPECT_EQ(fromRelative.front(), '/') << "the path must not depend on a later current directory";
    EXPECT_EQ(std::filesystem::canonical(fromRelative), std::filesystem::canonical(dir.file("scrivlet.ini")));
}

TEST(Settings, FirstStartWithoutFileGivesDefaultsAndWritesInOrder)
{
    TempDir dir;
    Startup start(dir.path());
    EXPECT_EQ(start.mruSize, 4);
    EXPECT_TRUE(start.record.LCTag);
    EXPECT_TRUE(start.record.blnk);
    EXPECT_TRUE(start.record.SysBrowser);
    EXPECT_TRUE(start.record.HColor);
    EXPECT_EQ(start.record.MRUSize, 4);
    EXPECT_EQ(start.record.BrowserPath, "");
    EXPECT_EQ(start.record.dir, dir.file("scrivlet.ini"));
    EXPECT_EQ(readBytes(start.file), "[MRU]\nCount=4\n") << "the list writes its capacity at once";

    EXPECT_TRUE(writeSettings(start.record));
    EXPECT_EQ(readBytes(start.file), "[MRU]\nCount=4\n[Options]\nLCaseTag=1\nBlankFile=1\nSysBrowser=1\n"
                                     "MRUSize=4\nHColor=1\nBrowserPath=\n");
}

TEST(Settings, RoundTripKeepsEveryOption)
{
    TempDir dir;
    SettingsRecord written;
    written.dir = settingsFilePath(dir.path());
    written.LCTag = false;
    written.blnk = false;
    written.SysBrowser = true;
    written.HColor = false;
    written.MRUSize = 7;
    written.BrowserPath = "/opt/my browser/run";
    ASSERT_TRUE(writeSettings(written));

    SettingsRecord read;
    loadSettings(read, written.dir, readMRUSize(written.dir));
    EXPECT_EQ(read.LCTag, false);
    EXPECT_EQ(read.blnk, false);
    EXPECT_EQ(read.SysBrowser, true);
    EXPECT_EQ(read.HColor, false);
    EXPECT_EQ(read.MRUSize, 7);
    EXPECT_EQ(read.BrowserPath, "/opt/my browser/run");
    EXPECT_EQ(read.dir, written.dir);
}

TEST(Settings, OddStoredValuesReadAndWriteBackAsTheProgramKeepsThem)
{
    struct Row {
        const char* fault;
        std::string options; // the lines of section "Options" as found
        int capacity;        // the list's capacity and "Count"
        std::string after;   // the section after write-back
    };
    const std::string b150(150, 'b');
    const std::string b100(100, 'b');
    const Row rows[] = {
        {"a large size must be capped for the list only, and written back as it was",
         "MRUSize=25\n", 10,
         "MRUSize=25\nLCaseTag=1\nBlankFile=1\nSysBrowser=1\nHColor=1\nBrowserPath=\n"},
        {"size 0 gives an empty list", "MRUSize=0\n", 0,
         "MRUSize=0\nLCaseTag=1\nBlankFile=1\nSysBrowser=1\nHColor=1\nBrowserPath=\n"},
        {"a negative size counts as 0 for the list", "MRUSize=-3\n", 0,
         "MRUSize=-3\nLCaseTag=1\nBlankFile=1\nSysBrowser=1\nHColor=1\nBrowserPath=\n"},
        {"any non-zero number is true and written back as 1; text reads as 0",
         "LCaseTag=2\nBlankFile=yes\nSysBrowser=-1\nHColor=0\n", 4,
         "LCaseTag=1\nBlankFile=0\nSysBrowser=1\nHColor=0\nMRUSize=4\nBrowserPath=\n"},
        {"a browser path over 100 characters keeps its first 100", "BrowserPath=" + b150 + "\n", 4,
         "BrowserPath=" + b100 + "\nLCaseTag=1\nBlankFile=1\nSysBrowser=1\nMRUSize=4\nHColor=1\n"},
    };
    for (const Row& row : rows) {
        TempDir dir;
        writeBytes(dir.file("scrivlet.ini"), "[Options]\n" + row.options);
        Startup start(dir.path());
        EXPECT_EQ(start.recent.capacity(), row.capacity) << row.fault;
        EXPECT_LE(start.record.BrowserPath.size(), 100u) << row.fault;
        EXPECT_TRUE(writeSettings(start.record));
        EXPECT_EQ(readBytes(start.file),
                  "[Options]\n" + row.after + "[MRU]\nCount=" + std::to_string(row.capacity) + "\n")
            << row.fault;
    }
}

TEST(Settings, NamesInOtherLetterCaseAreFoundAndRewrittenInPlace)
{
    TempDir dir;
    writeBytes(dir.file("Scrivlet.INI"), "; mine\r\n[options]\r\nlcasetag=0\r\nmrusize=6\r\n\r\n[mru]\r\ncount=6\r\n");
    Startup start(dir.path());
    EXPECT_EQ(start.file, dir.file("Scrivlet.INI"));
    EXPECT_FALSE(start.record.LCTag);
    EXPECT_EQ(start.mruSize, 6);
    start.record.LCTag = true;
    EXPECT_TRUE(writeSettings(start.record));
    EXPECT_EQ(readBytes(start.file), "; mine\r\n[options]\r\nlcasetag=1\r\nmrusize=6\r\nBlankFile=1\r\n"
                                     "SysBrowser=1\r\nHColor=1\r\nBrowserPath=\r\n\r\n[mru]\r\ncount=6\r\n");
    EXPECT_EQ(dir.listing(), std::vector<std::string>{"Scrivlet.INI"}) << "one file for options and list";
}

TEST(Settings, WriteBackToAnUnwritablePlaceFailsQuietly)
{
    TempDir dir;
    SettingsRecord record;
    record.dir = dir.file("gone/scrivlet.ini");
    EXPECT_FALSE(writeSettings(record));
    EXPECT_TRUE(dir.listing().empty());
}

} // namespace
