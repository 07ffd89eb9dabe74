#include "core/iniprofile.h"

#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "testfiles.h"

using namespace scrivlet;
using scrivlet::testing::TempDir;
using scrivlet::testing::readBytes;
using scrivlet::testing::writeBytes;

namespace {

using namespace std::string_literals; // NUL bytes inside literals

constexpr std::string_view Def = "<default>";

struct ReadCase {
    const char* fault; // what goes wrong when the row fails
    std::string file;
    std::string key;
    std::optional<std::string> value; // nullopt: the default comes back
};

const ReadCase readCases[] = {
    {"names must match regardless of ASCII case", "[options]\nlcasetag=7\n", "LCaseTag", "7"},
    {"blanks around name, = and value must not count", "[Options]\n  LCaseTag \t=  7 \t\n", "LCaseTag", "7"},
    {"CR of a CRLF line end must not end up in the value", "[Options]\r\nLCaseTag=7\r\n", "LCaseTag", "7"},
    {"a last line without line end must still be read", "[Options]\nLCaseTag=7", "LCaseTag", "7"},
    {"a comment line must not be taken for a key", "[Options]\n;LCaseTag=1\n", "LCaseTag", std::nullopt},
    {"a key before any section belongs to no section", "LCaseTag=1\n[Options]\n", "LCaseTag", std::nullopt},
    {"a key of the section before must not be taken", "[Other]\nLCaseTag=1\n[Options]\nX=1\n", "LCaseTag",
     std::nullopt},
    {"a key of the section after must not be taken", "[Options]\nX=1\n[Other]\nLCaseTag=1\n", "LCaseTag",
     std::nullopt},
    {"the first of duplicate keys counts", "[Options]\nLCaseTag=first\nlcasetag=second\n", "LCaseTag", "first"},
    {"only the first of duplicate sections counts, as writes use it", "[Options]\nA=1\n[Options]\nLCaseTag=2\n",
     "LCaseTag", std::nullopt},
    {"an empty value is a value, not a missing key", "[Options]\nBrowserPath=\n", "BrowserPath", ""},
    {"a quoted value reads without its quotes, blanks inside kept", "[Options]\nBrowserPath=\" /opt/b r \"\n",
     "BrowserPath", " /opt/b r "},
    {"a NUL ends the value; binary lines must not disturb the parse",
     "\0\xff\xfe junk\n[Options]\nLCaseTag=ab\0cd\n"s, "LCaseTag", "ab"},
    {"a UTF-8 byte order mark must not hide the first section", "\xEF\xBB\xBF[Options]\nLCaseTag=7\n", "LCaseTag",
     "7"},
    {"blanks inside the brackets are not part of the name", "[ Options ]\nLCaseTag=7\n", "LCaseTag", "7"},
    {"a line without = is not a key", "[Options]\nLCaseTag\n", "LCaseTag", std::nullopt},
    {"an empty file has no keys", "", "LCaseTag", std::nullopt},
    {"a line of lone CRs must not crash or be split", "[Options]\rLCaseTag=7\r", "LCaseTag", std::nullopt},
};

class IniRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, FindsTheValueOrGivesTheDefault)
{
    const ReadCase& c = GetParam();
    TempDir dir;
    const std::string file = dir.file("a.ini");
    writeBytes(file, c.file);
    EXPECT_EQ(ini::getString(file, "Options", c.key, ini::WholeValue, Def), c.value.value_or(std::string(Def)))
        << c.fault;
    EXPECT_EQ(readBytes(file), c.file) << "a read must not change the file";
}

INSTANTIATE_TEST_SUITE_P(Table, IniRead, ::testing::ValuesIn(readCases));

TEST(IniReadInt, ParsesLikeAtolAndKeepsDefaultsForMissing)
{
    struct Row {
        const char* fault;
        const char* value;
        int expected;
    };
    const Row rows[] = {
        {"plain number", "7", 7},
        {"negative numbers are kept", "-7", -7},
        {"an explicit plus sign is allowed", "+3", 3},
        {"digits before other text count", "12abc", 12},
        {"text that is not a number reads as 0", "yes", 0},
        {"an empty value reads as 0, not as the default", "", 0},
        {"any non-zero number is kept as is", "2", 2},
        {"too large must not overflow", "99999999999", INT_MAX},
        {"too small must not overflow", "-99999999999", INT_MIN},
        {"no hexadecimal", "0x10", 0},
    };
    TempDir dir;
    const std::string file = dir.file("a.ini");
    for (const Row& row : rows) {
        writeBytes(file, std::string("[Options]\nMRUSize=") + row.value + "\n");
        EXPECT_EQ(ini::getInt(file, "Options", "MRUSize", 4), row.expected) << row.fault;
    }
    EXPECT_EQ(ini::getInt(file, "Options", "Missing", 4), 4);
    EXPECT_EQ(ini::getInt(file, "NoSection", "MRUSize", 4), 4);
    EXPECT_EQ(ini::getInt(dir.file("none.ini"), "Options", "MRUSize", 4), 4);
}

TEST(IniReadString, CutsValueAndDefaultToBufferLessOne)
{
    TempDir dir;
    const std::string file = dir.file("a.ini");
    writeBytes(file, "[Options]\nBrowserPath=" + std::string(150, 'b') + "\n");
    EXPECT_EQ(ini::getString(file, "Options", "BrowserPath", 101, ""), std::string(100, 'b'));
    EXPECT_EQ(ini::getString(file, "Options", "BrowserPath", 1, ""), "");
    EXPECT_EQ(ini::getString(file, "Options", "BrowserPath", 0, ""), "");
    EXPECT_EQ(ini::getString(file, "Options", "Missing", 4, "abcdef"), "abc");
    EXPECT_EQ(ini::getString(dir.file("none.ini"), "Options", "BrowserPath", 101, "def"), "def");
}

struct WriteCase {
    const char* fault;
    std::optional<std::string> before; // nullopt: no file yet
    std::string key;
    std::string value;
    std::string after;
};

const WriteCase writeCases[] = {
    {"a missing file must be created, with LF line ends", std::nullopt, "LCaseTag", "1", "[Options]\nLCaseTag=1\n"},
    {"an empty file gets the section", "", "LCaseTag", "1", "[Options]\nLCaseTag=1\n"},
    {"the value must be replaced in place, every other byte kept",
     "; top\nKey=before\n[Options]\nA=1\n LCaseTag = 0 \n;c\nB=2\n\n[MRU]\nCount=4\n", "LCaseTag", "1",
     "; top\nKey=before\n[Options]\nA=1\n LCaseTag = 1 \n;c\nB=2\n\n[MRU]\nCount=4\n"},
    {"a key in other letter case must be replaced, not added", "[options]\nlcasetag=0\n", "LCaseTag", "1",
     "[options]\nlcasetag=1\n"},
    {"a missing key goes after the section's last line, before blanks and the next section",
     "[Options]\nA=1\n\n[MRU]\nCount=4\n", "LCaseTag", "1", "[Options]\nA=1\nLCaseTag=1\n\n[MRU]\nCount=4\n"},
    {"a section's last line without line end must get one before the new key", "[Options]\nA=1", "LCaseTag", "1",
     "[Options]\nA=1\nLCaseTag=1\n"},
    {"a file without final line end must get one before a new section", "[MRU]\nCount=4", "LCaseTag", "1",
     "[MRU]\nCount=4\n[Options]\nLCaseTag=1\n"},
    {"a CRLF file must stay CRLF for added lines", "[MRU]\r\nCount=4\r\n", "LCaseTag", "1",
     "[MRU]\r\nCount=4\r\n[Options]\r\nLCaseTag=1\r\n"},
    {"replacing in a CRLF file must keep the line's CRLF", "[Options]\r\nLCaseTag=0\r\nB=1\r\n", "LCaseTag", "1",
     "[Options]\r\nLCaseTag=1\r\nB=1\r\n"},
    {"mixed line ends: added lines take the most common one", "[Options]\r\nA=1\r\nB=2\nC=3\r\n", "LCaseTag", "1",
     "[Options]\r\nA=1\r\nB=2\nC=3\r\nLCaseTag=1\r\n"},
    {"mixed line ends, LF most common", "[Options]\nA=1\nB=2\r\n", "LCaseTag", "1",
     "[Options]\nA=1\nB=2\r\nLCaseTag=1\n"},
    {"of duplicate keys only the first is replaced", "[Options]\nLCaseTag=0\nLCaseTag=0\n", "LCaseTag", "1",
     "[Options]\nLCaseTag=1\nLCaseTag=0\n"},
    {"a key before any section must stay untouched", "LCaseTag=0\n[Options]\n", "LCaseTag", "1",
     "LCaseTag=0\n[Options]\nLCaseTag=1\n"},
    {"a commented-out key must stay untouched", "[Options]\n;LCaseTag=0\n", "LCaseTag", "1",
     "[Options]\n;LCaseTag=0\nLCaseTag=1\n"},
    {"NUL and binary bytes must be kept", "\0\x01\xff\n[Options]\nX=\0\x80\nLCaseTag=0\n"s, "LCaseTag", "1",
     "\0\x01\xff\n[Options]\nX=\0\x80\nLCaseTag=1\n"s},
    {"blanks at the ends of a value must survive the round trip", "[Options]\n", "BrowserPath", " a b ",
     "[Options]\nBrowserPath=\" a b \"\n"},
    {"a value in quotes must read back with its quotes", "[Options]\n", "BrowserPath", "\"q\"",
     "[Options]\nBrowserPath=\"\"q\"\"\n"},
    {"an empty value replaces the old one", "[Options]\nBrowserPath=/x\n", "BrowserPath", "",
     "[Options]\nBrowserPath=\n"},
    {"a byte order mark must be kept", "\xEF\xBB\xBF[Options]\nLCaseTag=0\n", "LCaseTag", "1",
     "\xEF\xBB\xBF[Options]\nLCaseTag=1\n"},
};

class IniWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWrite, ChangesOnlyTheKeyAndReadsBack)
{
    const WriteCase& c = GetParam();
    TempDir dir;
    const std::string file = dir.file("a.ini");
    if (c.before)
        writeBytes(file, *c.before);
    ASSERT_TRUE(ini::writeString(file, "Options", c.key, c.value)) << c.fault;
    EXPECT_EQ(readBytes(file), c.after) << c.fault;
    EXPECT_EQ(ini::getString(file, "Options", c.key, ini::WholeValue, Def), c.value) << c.fault;
    EXPECT_EQ(dir.listing(), std::vector<std::string>{"a.ini"}) << "no temporary file may stay behind";
}

INSTANTIATE_TEST_SUITE_P(Table, IniWrite, ::testing::ValuesIn(writeCases));

TEST(IniWrite, RefusesWhatWouldNotReadBackAndLeavesTheFile)
{
    struct Row {
        const char* fault;
        std::string section;
        std::string key;
        std::string value;
    };
    const Row rows[] = {
        {"a line break in a value would forge keys", "Options", "BrowserPath", "/x\n[Options]\nLCaseTag=0"},
        {"a CR in a value would be lost", "Options", "BrowserPath", "/x\ry"},
        {"a NUL in a value would cut it", "Options", "BrowserPath", "/x\0y"s},
        {"an = in a key would split it", "Options", "a=b", "1"},
        {"an empty key cannot be read", "Options", "", "1"},
        {"a ] in a section name cannot be read", "Opt]ions", "LCaseTag", "1"},
        {"a line break in a section name would forge lines", "Options\n", "LCaseTag", "1"},
    };
    TempDir dir;
    const std::string file = dir.file("a.ini");
    const std::string before = "[Options]\nBrowserPath=/old\n";
    writeBytes(file, before);
    for (const Row& row : rows) {
        EXPECT_FALSE(ini::writeString(file, row.section, row.key, row.value)) << row.fault;
        EXPECT_EQ(readBytes(file), before) << row.fault;
    }
    EXPECT_FALSE(ini::writeStrings(file, "Options", {{"A", "1"}, {"B", "x\ny"}}))
        << "a batch with one bad value must write nothing";
    EXPECT_EQ(readBytes(file), before);
}

TEST(IniWrite, BatchAppliesInOrder)
{
    TempDir dir;
    const std::string file = dir.file("a.ini");
    writeBytes(file, "[MRU]\nMRU0=a\n");
    ASSERT_TRUE(ini::writeStrings(file, "MRU", {{"MRU1", "a"}, {"MRU0", "b"}, {"MRU1", "c"}}));
    EXPECT_EQ(readBytes(file), "[MRU]\nMRU0=b\nMRU1=c\n");
}

TEST(IniLargeFiles, LongLinesAndTenMegabytesKeptExactly)
{
    TempDir dir;
    const std::string file = dir.file("a.ini");

    const std::string longLine(100000, 'x');
    const std::string withLongLine = "[A]\n" + longLine + "\nk=" + longLine + "\n[Options]\nLCaseTag=0\n";
    writeBytes(file, withLongLine);
    EXPECT_EQ(ini::getString(file, "A", "k", ini::WholeValue, ""), longLine);
    ASSERT_TRUE(ini::writeInt(file, "Options", "LCaseTag", 1));
    EXPECT_EQ(readBytes(file), "[A]\n" + longLine + "\nk=" + longLine + "\n[Options]\nLCaseTag=1\n");

    std::string big = "[Big]\r\n";
    for (int i = 0; big.size() < 10'000'000; ++i)
        big += "key" + std::to_string(i) + "=" + std::string(60, 'v') + "\r\n";
    const std::string tail = "[Options]\r\nLCaseTag=0\r\n";
    writeBytes(file, big + tail);
    EXPECT_EQ(ini::getInt(file, "Options", "LCaseTag", 5), 0);
    EXPECT_EQ(ini::getString(file, "Big", "key100000", ini::WholeValue, ""), std::string(60, 'v'));
    ASSERT_TRUE(ini::writeInt(file, "Options", "LCaseTag", 1));
    ASSERT_TRUE(ini::writeString(file, "Options", "HColor", "1"));
    EXPECT_EQ(readBytes(file), big + "[Options]\r\nLCaseTag=1\r\nHColor=1\r\n");
}

TEST(IniAtomicWrite, FailedWriteLeavesTheOldFileIntact)
{
    TempDir dir;
    const std::string file = dir.file("a.ini");
    const std::string before = "[Options]\nBrowserPath=/old\n";
    writeBytes(file, before);

    // A file-size limit makes the write of a large value fail part-way, as a full disk would;
    // it binds root as well.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = ini::writeString(file, "Options", "BrowserPath", std::string(100000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(dir.listing(), std::vector<std::string>{"a.ini"}) << "the temporary file must be removed";
}

TEST(IniAtomicWrite, UnwritablePlacesFailWithoutHarm)
{
    TempDir dir;
    const std::string inMissingFolder = dir.file("nofolder/a.ini");
    EXPECT_FALSE(ini::writeString(inMissingFolder, "Options", "LCaseTag", "1"));
    EXPECT_TRUE(dir.listing().empty()) << "nothing may be created";

    // Something that is not a regular file stands where the file should be: it is neither read
    // (no hang on a pipe) nor replaced.
    const std::string folder = dir.file("folder.ini");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    EXPECT_FALSE(ini::writeString(folder, "Options", "LCaseTag", "1"));
    EXPECT_EQ(ini::getInt(folder, "Options", "LCaseTag", 9), 9);
    const std::string fifo = dir.file("fifo.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_EQ(ini::getInt(fifo, "Options", "LCaseTag", 9), 9);
    EXPECT_FALSE(ini::writeString(fifo, "Options", "LCaseTag", "1"));

    struct stat st {};
    EXPECT_TRUE(::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
    EXPECT_TRUE(::stat(fifo.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"fifo.ini", "folder.ini"}));
}

TEST(IniAtomicWrite, KeepsPermissionsAndSymbolicLinks)
{
    TempDir dir;
    const std::string file = dir.file("a.ini");
    writeBytes(file, "[Options]\nLCaseTag=0\n");
    ASSERT_EQ(::chmod(file.c_str(), 0604), 0);
    ASSERT_TRUE(ini::writeInt(file, "Options", "LCaseTag", 1));
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);

    const std::string link = dir.file("link.ini");
    ASSERT_EQ(::symlink("a.ini", link.c_str()), 0);
    ASSERT_TRUE(ini::writeInt(link, "Options", "LCaseTag", 0));
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link must stay a link";
    EXPECT_EQ(readBytes(file), "[Options]\nLCaseTag=0\n");

    const mode_t mask = ::umask(022);
    ::umask(mask);
    const std::string fresh = dir.file("new.ini");
    ASSERT_TRUE(ini::writeInt(fresh, "Options", "LCaseTag", 0));
    ASSERT_EQ(::stat(fresh.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0666u & ~mask) << "a new file gets the usual permissions, not 0600";
}

TEST(TProfileTest, ResolvesRelativeNameOfExistingFileOnceAndFlushes)
{
    TempDir dir;
    writeBytes(dir.file("a.ini"), "[Options]\nLCaseTag=0\n");
    const std::string cwd = std::filesystem::current_path().string();
    ASSERT_EQ(::chdir(dir.path().c_str()), 0);
    TProfile existing("Options", "a.ini");
    TProfile missing("Options", "b.ini");
    ASSERT_EQ(::chdir(cwd.c_str()), 0);

    EXPECT_EQ(existing.fileName(), dir.file("a.ini"));
    EXPECT_EQ(missing.fileName(), "b.ini");
    EXPECT_EQ(existing.GetInt("LCaseTag", 1), 0);
    EXPECT_TRUE(existing.WriteString("BrowserPath", "/usr/bin/b"));
    EXPECT_TRUE(existing.Flush());
    EXPECT_EQ(existing.GetString("BrowserPath", 101), "/usr/bin/b");
}

} // namespace
