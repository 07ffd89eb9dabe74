#pragma once

#include <string>
#include <string_view>

namespace scrivlet::fileio {

enum class ReadResult {
    Ok,      // `out` holds the file's bytes
    Missing, // no file of that name (nor a folder on the way to it)
    Failed,  // something is there but cannot be read as a regular file
};

// Reads a whole regular file. Never blocks on a pipe or device: anything that is not a regular file
// is Failed.
ReadResult readWholeFile(const std::string& path, std::string& out);

// Replaces the file's content with `content` all at once: a temporary file in the same folder is
// written, synced to disk and renamed over the file, keeping the old file's permissions (and owner,
// where allowed). A symbolic link is followed, so the link stays and its target is replaced.
// Returns false, leaving any old file untouched and no temporary file behind, when any step fails.
bool replaceFileAtomically(const std::string& path, std::string_view content);

} // namespace scrivlet::fileio
