#pragma once

#include <QString>

class QsciScintillaBase;

namespace scrivlet {

struct LoadResult {
    bool ok = false;
    QString error;        // why the file could not be read; empty on success
    qint64 bytes = 0;     // the document's length after loading
    bool utf8 = false;    // shown as UTF-8; otherwise each byte is one 8-bit (Latin-1) character
    int eolMode = 0;      // SC_EOL_CRLF, SC_EOL_CR or SC_EOL_LF: the line end that Enter inserts
};

// Makes the editor's document hold exactly the bytes of the file at `path`. The new document is built
// off screen and replaces the old one only when the whole file was read, so on failure (missing,
// unreadable, not a regular file, out of memory) the editor keeps its text. On success the caret is at
// the start with nothing selected, the document is unmodified with nothing to undo, the editor's
// colouring and per-document settings are kept, the code page is UTF-8 when the bytes are valid UTF-8
// and 8-bit otherwise, and Enter inserts the file's first line end (CRLF when it has none).
// QsciScintilla::document() does not know of the loaded document: it keeps naming the editor's first,
// empty one (kept alive for that), so share or swap documents through Scintilla's messages instead.
LoadResult loadDocument(QsciScintillaBase& editor, const QString& path);

// Writes the document's bytes exactly to `path` through a temporary file beside it that replaces the
// old file only when complete (the old file's permissions are kept; a symbolic link is written
// through). On success the document counts as unmodified; on failure the old file is left intact, the
// modified flag stays as it was, and the result is false.
bool saveDocument(QsciScintillaBase& editor, const QString& path);

} // namespace scrivlet
