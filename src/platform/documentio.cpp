#include "platform/documentio.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>
#include <Qsci/qsciscintillabase.h>

namespace scrivlet {

// The document loader that SCI_CREATELOADER hands out (Scintilla's ILoader, whose header QScintilla
// does not install). Only the order and signatures of the three functions matter: they are reached
// through the object's table of virtual functions. It stays outside the anonymous namespace: a class
// private to this file with no implementation in it would let the compiler treat every call as a
// call of a pure virtual function.
class ScintillaLoader {
public:
    virtual int Release() = 0;
    // Appends bytes; returns SC_STATUS_OK (0) or a failure status.
    virtual int AddData(const char* data, std::ptrdiff_t length) = 0;
    // Ends loading; the result is the document, for SCI_SETDOCPOINTER, holding the loader's reference.
    virtual void* ConvertToDocument() = 0;

protected:
    ~ScintillaLoader() = default;
};

namespace {

using Sci = QsciScintillaBase;

// Bytes moved per read and per write: large enough for full-speed I/O, small beside the document.
constexpr qint64 kChunk = 1 << 20;

// Decides, a piece at a time, whether a byte stream is well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
class Utf8Check {
public:
    void feed(const unsigned char* p, std::size_t n)
    {
        std::size_t i = 0;
        while (valid_ && i < n) {
            if (need_ == 0) {
                // ASCII runs go eight bytes at a time.
                while (i + 8 <= n && isAscii8(p + i))
                    i += 8;
                if (i == n)
                    break;
                start(p[i++]);
            } else {
                const unsigned char c = p[i++];
                valid_ = c >= lo_ && c <= hi_;
                lo_ = 0x80;
                hi_ = 0xBF;
                --need_;
            }
        }
    }
    bool valid() const { return valid_ && need_ == 0; }

private:
    static bool isAscii8(const unsigned char* p)
    {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        return (word & 0x8080808080808080ULL) == 0;
    }

    void start(unsigned char c)
    {
        struct Lead {
            unsigned char first, last;
            int need;
            unsigned char lo, hi; // allowed range of the byte after the lead
        };
        static constexpr Lead leads[] = {
            {0x00, 0x7F, 0, 0x80, 0xBF}, {0xC2, 0xDF, 1, 0x80, 0xBF}, {0xE0, 0xE0, 2, 0xA0, 0xBF},
            {0xE1, 0xEC, 2, 0x80, 0xBF}, {0xED, 0xED, 2, 0x80, 0x9F}, {0xEE, 0xEF, 2, 0x80, 0xBF},
            {0xF0, 0xF0, 3, 0x90, 0xBF}, {0xF1, 0xF3, 3, 0x80, 0xBF}, {0xF4, 0xF4, 3, 0x80, 0x8F},
        };
        for (const Lead& lead : leads) {
            if (c >= lead.first && c <= lead.last) {
                need_ = lead.need;
                lo_ = lead.lo;
                hi_ = lead.hi;
                return;
            }
        }
        valid_ = false;
    }

    bool valid_ = true;
    int need_ = 0;
    unsigned char lo_ = 0x80;
    unsigned char hi_ = 0xBF;
};

// Finds the first line end of a byte stream fed in pieces.
class LineEndSniffer {
public:
    void feed(const char* p, std::size_t n)
    {
        if (found_ || n == 0)
            return;
        if (pendingCr_) {
            decide(p[0] == '\n' ? Sci::SC_EOL_CRLF : Sci::SC_EOL_CR);
            return;
        }
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', n));
        const char* cr = static_cast<const char*>(std::memchr(p, '\r', lf ? std::size_t(lf - p) : n));
        if (!cr) {
            if (lf)
                decide(Sci::SC_EOL_LF);
        } else if (cr + 1 == p + n) {
            pendingCr_ = true; // the next piece tells CR from CRLF
        } else {
            decide(cr[1] == '\n' ? Sci::SC_EOL_CRLF : Sci::SC_EOL_CR);
        }
    }
    // The mode for the whole stream: a CR at its very end stands alone; no line end at all gives CRLF.
    int mode() const { return found_ ? mode_ : pendingCr_ ? int(Sci::SC_EOL_CR) : int(Sci::SC_EOL_CRLF); }

private:
    void decide(int mode)
    {
        found_ = true;
        mode_ = mode;
    }

    bool found_ = false;
    bool pendingCr_ = false;
    int mode_ = Sci::SC_EOL_CRLF;
};

// Settings that Scintilla keeps with the document rather than the view: a new document starts with
// its own defaults, so they are carried over from the document it replaces.
class DocumentSettings {
public:
    explicit DocumentSettings(const Sci& editor)
    {
        for (std::size_t i = 0; i < std::size(kIntSettings); ++i)
            values_[i] = editor.SendScintilla(kIntSettings[i].get);
        lexer_ = editor.SendScintilla(Sci::SCI_GETLEXER);
        const std::string names = fetch(editor, Sci::SCI_PROPERTYNAMES, nullptr);
        std::size_t from = 0;
        while (from < names.size()) {
            std::size_t to = names.find('\n', from);
            if (to == std::string::npos)
                to = names.size();
            std::string name = names.substr(from, to - from);
            if (!name.empty())
                properties_.emplace_back(name, fetch(editor, Sci::SCI_GETPROPERTY, name.c_str()));
            from = to + 1;
        }
    }

    void applyTo(Sci& editor) const
    {
        for (std::size_t i = 0; i < std::size(kIntSettings); ++i)
            editor.SendScintilla(kIntSettings[i].set, static_cast<unsigned long>(values_[i]));
        editor.SendScintilla(Sci::SCI_SETLEXER, static_cast<unsigned long>(lexer_));
        // Keywords cannot be read back from Scintilla; the lexer object of the editor holds them.
        if (const auto* sci = dynamic_cast<const QsciScintilla*>(&editor); sci && sci->lexer()) {
            constexpr int kKeywordSets = 9;
            for (int set = 0; set < kKeywordSets; ++set) {
                const char* words = sci->lexer()->keywords(set + 1);
                editor.SendScintilla(Sci::SCI_SETKEYWORDS, static_cast<uintptr_t>(set), words ? words : "");
            }
        }
        for (const auto& [name, value] : properties_)
            editor.SendScintilla(Sci::SCI_SETPROPERTY, name.c_str(), value.c_str());
    }

private:
    struct IntSetting {
        unsigned get, set;
    };
    static constexpr IntSetting kIntSettings[] = {
        {Sci::SCI_GETTABWIDTH, Sci::SCI_SETTABWIDTH},
        {Sci::SCI_GETINDENT, Sci::SCI_SETINDENT},
        {Sci::SCI_GETUSETABS, Sci::SCI_SETUSETABS},
        {Sci::SCI_GETTABINDENTS, Sci::SCI_SETTABINDENTS},
        {Sci::SCI_GETBACKSPACEUNINDENTS, Sci::SCI_SETBACKSPACEUNINDENTS},
        {Sci::SCI_GETLINEENDTYPESALLOWED, Sci::SCI_SETLINEENDTYPESALLOWED},
        {Sci::SCI_GETREADONLY, Sci::SCI_SETREADONLY},
    };

    // A string answer of Scintilla: asked once for its length, once for the text.
    static std::string fetch(const Sci& editor, unsigned msg, const char* key)
    {
        const long length = editor.SendScintilla(msg, key, static_cast<const char*>(nullptr));
        if (length <= 0)
            return {};
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        editor.SendScintilla(msg, key, text.data());
        text.resize(static_cast<std::size_t>(length));
        return text;
    }

    long values_[std::size(kIntSettings)] = {};
    long lexer_ = 0;
    std::vector<std::pair<std::string, std::string>> properties_;
};

// A QsciScintilla remembers the document it was created with and names it again when documents are
// shared or swapped through its own API. That document is kept alive for the editor's lifetime, so
// such a use meets a valid document rather than a freed one.
void keepOriginalDocument(Sci& editor)
{
    static const char* const kHeld = "scrivletOriginalDocumentHeld";
    if (!dynamic_cast<QsciScintilla*>(&editor) || editor.property(kHeld).toBool())
        return;
    void* original = editor.SendScintillaPtrResult(Sci::SCI_GETDOCPOINTER);
    editor.SendScintilla(Sci::SCI_ADDREFDOCUMENT, 0UL, original);
    editor.setProperty(kHeld, true);
    QObject::connect(&editor, &QObject::destroyed, [original] {
        // Any live editor can drop a document reference; the dying one no longer casts.
        for (QWidget* widget : QApplication::allWidgets()) {
            if (auto* other = qobject_cast<Sci*>(widget)) {
                other->SendScintilla(Sci::SCI_RELEASEDOCUMENT, 0UL, original);
                return;
            }
        }
    });
}

// Releases a loader that never became the editor's document.
struct LoaderRelease {
    void operator()(ScintillaLoader* loader) const { loader->Release(); }
};

} // namespace

LoadResult loadDocument(QsciScintillaBase& editor, const QString& path)
{
    LoadResult result;
    const QFileInfo info(path);
    if (!info.isFile()) {
        result.error = info.exists() ? QStringLiteral("Not a regular file") : QStringLiteral("No such file");
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }

    // Room beyond the file's size, so that the first edits do not reallocate the whole document.
    const qint64 size = file.size();
    const qint64 room = std::min<qint64>(size / 16 + 4096, 16 << 20);
    const unsigned long options = size + room > INT_MAX ? Sci::SC_DOCUMENTOPTION_TEXT_LARGE : 0;
    std::unique_ptr<ScintillaLoader, LoaderRelease> loader(reinterpret_cast<ScintillaLoader*>(
        editor.SendScintilla(Sci::SCI_CREATELOADER, static_cast<unsigned long>(size + room), long(options))));
    if (!loader) {
        result.error = QStringLiteral("Out of memory");
        return result;
    }

    Utf8Check utf8;
    LineEndSniffer lineEnds;
    std::vector<char> buffer(static_cast<std::size_t>(kChunk));
    for (;;) {
        const qint64 n = file.read(buffer.data(), kChunk);
        if (n < 0) {
            result.error = file.errorString();
            return result;
        }
        if (n == 0)
            break;
        if (loader->AddData(buffer.data(), n) != Sci::SC_STATUS_OK) {
            result.error = QStringLiteral("Out of memory");
            return result;
        }
        utf8.feed(reinterpret_cast<const unsigned char*>(buffer.data()), std::size_t(n));
        lineEnds.feed(buffer.data(), std::size_t(n));
        result.bytes += n;
    }
    buffer = {};

    const DocumentSettings settings(editor);
    keepOriginalDocument(editor);
    void* document = loader.release()->ConvertToDocument();
    editor.SendScintilla(Sci::SCI_SETDOCPOINTER, 0UL, document);
    editor.SendScintilla(Sci::SCI_RELEASEDOCUMENT, 0UL, document); // the editor holds it now

    result.ok = true;
    result.utf8 = utf8.valid();
    result.eolMode = lineEnds.mode();
    settings.applyTo(editor);
    editor.SendScintilla(Sci::SCI_SETCODEPAGE, result.utf8 ? long(Sci::SC_CP_UTF8) : 0L);
    editor.SendScintilla(Sci::SCI_SETEOLMODE, long(result.eolMode));
    // The loader built the document without undo history; editing from here on is undoable.
    editor.SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1L);
    editor.SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    editor.SendScintilla(Sci::SCI_SETSAVEPOINT);
    // Caret and view to the start without asking for the caret to be shown: that would lay out the
    // whole first line, which takes seconds when the file is one long line of minified markup.
    editor.SendScintilla(Sci::SCI_SETEMPTYSELECTION, 0UL);
    editor.SendScintilla(Sci::SCI_SETFIRSTVISIBLELINE, 0UL);
    editor.SendScintilla(Sci::SCI_SETXOFFSET, 0UL);
    return result;
}

bool saveDocument(QsciScintillaBase& editor, const QString& path)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    // The document lies in two runs around its gap; reading each run in place copies nothing.
    const long length = editor.SendScintilla(Sci::SCI_GETLENGTH);
    const long gap = editor.SendScintilla(Sci::SCI_GETGAPPOSITION);
    const std::pair<long, long> runs[] = {{0, gap}, {gap, length}};
    for (const auto& [from, to] : runs) {
        for (long pos = from; pos < to;) {
            const long n = std::min<long>(to - pos, kChunk);
            const auto* bytes = reinterpret_cast<const char*>(
                editor.SendScintilla(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(pos), n));
            if (!bytes || out.write(bytes, n) != n) {
                out.cancelWriting();
                out.commit();
                return false;
            }
            pos += n;
        }
    }
    if (!out.commit())
        return false;
    editor.SendScintilla(Sci::SCI_SETSAVEPOINT);
    return true;
}

} // namespace scrivlet
