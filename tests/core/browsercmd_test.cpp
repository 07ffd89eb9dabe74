#include <gtest/gtest.h>

#include "core/browsercmd.h"

using namespace scrivlet;
using Kind = BrowserLaunch::Kind;

namespace {

struct Case {
    const char* fault; // what a wrong decision would do
    bool sysBrowser;
    const char* browserPath;
    const char* fileName;
    Kind kind;
    const char* program;
    std::vector<std::string> arguments;
};

const Case kCases[] = {
    {"desktop handler not given the file", true, "/usr/bin/ignored", "/tmp/a b.htm", Kind::OpenWithDesktop, "", {}},
    {"desktop handler asked to open nothing", true, "", "", Kind::Impossible, "", {}},
    {"path with blanks split into words", false, "/opt/my browser/run", "/tmp/my page.htm", Kind::StartProgram,
     "/opt/my browser/run", {"/tmp/my page.htm"}},
    {"shell characters in the name interpreted", false, "viewer", "/tmp/a;touch pwned.htm", Kind::StartProgram,
     "viewer", {"/tmp/a;touch pwned.htm"}},
    {"untitled document passes an empty argument", false, "viewer", "", Kind::StartProgram, "viewer", {}},
    {"empty program started", false, "", "/tmp/a.htm", Kind::Impossible, "", {}},
};

} // namespace

TEST(BrowserLaunch, DecidesProgramAndArgumentsFromSettings)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.fault);
        const BrowserLaunch launch = browserLaunch(c.sysBrowser, c.browserPath, c.fileName);
        EXPECT_EQ(launch.kind, c.kind);
        EXPECT_EQ(launch.program, c.program);
        EXPECT_EQ(launch.arguments, c.arguments);
        if (c.kind == Kind::OpenWithDesktop) {
            EXPECT_EQ(launch.file, c.fileName);
        }
        if (c.kind == Kind::Impossible) {
            EXPECT_FALSE(launch.reason.empty());
        }
    }
}

TEST(BrowserLaunch, FailureTextNamesWhatCouldNotStart)
{
    EXPECT_EQ(browserFailureText(browserLaunch(false, "/opt/x", "/tmp/a.htm")), "Unable to start the browser /opt/x.");
    EXPECT_NE(browserFailureText(browserLaunch(true, "", "/tmp/a.htm")).find("/tmp/a.htm"), std::string::npos);
    EXPECT_NE(browserFailureText(browserLaunch(false, "", "/tmp/a.htm")).find("no browser program"),
              std::string::npos);
}
