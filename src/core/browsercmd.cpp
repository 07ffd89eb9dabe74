#include "core/browsercmd.h"

namespace scrivlet {

BrowserLaunch browserLaunch(bool sysBrowser, const std::string& browserPath, const std::string& fileName)
{
    BrowserLaunch launch;
    if (sysBrowser) {
        if (!fileName.empty()) {
            launch.kind = BrowserLaunch::Kind::OpenWithDesktop;
            launch.file = fileName;
        } else {
            launch.reason = "the document has no file name";
        }
        return launch;
    }
    if (browserPath.empty()) {
        launch.reason = "no browser program is set in the options";
        return launch;
    }
    launch.kind = BrowserLaunch::Kind::StartProgram;
    launch.program = browserPath;
    if (!fileName.empty())
        launch.arguments.push_back(fileName);
    return launch;
}

std::string browserFailureText(const BrowserLaunch& launch)
{
    switch (launch.kind) {
    case BrowserLaunch::Kind::OpenWithDesktop:
        return "Unable to open " + launch.file + " in the system's browser.";
    case BrowserLaunch::Kind::StartProgram:
        return "Unable to start the browser " + launch.program + ".";
    case BrowserLaunch::Kind::Impossible:
        break;
    }
    return "Unable to start the browser: " + launch.reason + ".";
}

} // namespace scrivlet
