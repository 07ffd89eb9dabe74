#pragma once

#include <string>
#include <vector>

namespace scrivlet {

// How a document is handed to a browser for preview.
struct BrowserLaunch {
    enum class Kind {
        OpenWithDesktop, // the desktop's default handler opens `file`
        StartProgram,    // `program` is started directly (no shell) with `arguments`
        Impossible,      // nothing can be started; `reason` says why
    };
    Kind kind = Kind::Impossible;
    std::string file;                   // OpenWithDesktop: the document's path
    std::string program;                // StartProgram: the browser program, exactly as set
    std::vector<std::string> arguments; // StartProgram: the document's path as one word, or none
    std::string reason;                 // Impossible: why
};

// Decides the launch from the browser settings and the document's file name (empty when the
// document has none). The desktop browser needs a file; an external browser starts without a
// document when there is no file, but needs a program.
BrowserLaunch browserLaunch(bool sysBrowser, const std::string& browserPath, const std::string& fileName);

// The text of the message shown when `launch` could not be carried out.
std::string browserFailureText(const BrowserLaunch& launch);

} // namespace scrivlet
