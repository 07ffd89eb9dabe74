// Loading and saving documents on the real editor (offscreen platform): 1, 20 and 100 MB HTML files
// and one 20 MB single-line minified file, beside the floors measured in the same run (reading the
// file, copying its bytes, writing them). Files live in /tmp and are read from the page cache.
// Usage: bench_documentio [max-MB]

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <cstdio>
#include <cstdlib>

#include "benchsupport.h"
#include "platform/documentio.h"
#include "platform/editoradapter.h"

namespace {

using namespace bench;
using Sci = QsciScintillaBase;

// What the HTML is made of: CRLF lines of markup, or one line when `minified`.
QByteArray htmlUnit(bool minified)
{
    return minified ? QByteArray("<div class=\"c\"><a href=\"/x?id=1\">Lorem</a><span>ipsum dolor</span></div>")
                    : htmlLine;
}

struct Row {
    const char* label;
    qsizetype bytes;
    bool minified;
};

struct Figures {
    double readMs = 0, copyMs = 0, writeMs = 0;
    double loadMs = 0, paintMs = 0, keyMs = 0, quietKeyMs = 0, saveMs = 0;
    long long loadPeak = 0, resident = 0;
    bool exact = false;
};

Figures measure(const QString& in, const QString& out, const Row& row)
{
    Figures f;
    {
        QFile file(in);
        file.open(QIODevice::ReadOnly);
        const Stopwatch t;
        const QByteArray bytes = file.readAll();
        f.readMs = t.ms();
    }
    {
        const QByteArray source = repeatedText(htmlUnit(row.minified), row.bytes);
        f.copyMs = copyFloorMs(source.constData(), std::size_t(source.size()));

        QFile file(out);
        file.open(QIODevice::WriteOnly);
        const Stopwatch w;
        file.write(source);
        file.close();
        f.writeMs = w.ms();
        QFile::remove(out);
    }

    QsciScintilla editor;
    editor.setLexer(new QsciLexerHTML(&editor));
    editor.resize(1000, 700);
    editor.show();
    QApplication::processEvents();

    resetPeak();
    const long long before = statusBytes("VmRSS:");
    {
        const Stopwatch t;
        if (!scrivlet::loadDocument(editor, in).ok)
            std::exit(1);
        f.loadMs = t.ms();
    }
    f.loadPeak = statusBytes("VmHWM:") - before;
    f.resident = statusBytes("VmRSS:") - before;
    {
        const Stopwatch t;
        editor.viewport()->grab(); // the first painted screen: coloured, editable
        f.paintMs = t.ms();
    }
    {
        // One keystroke at the start of the document's middle line, painted: as the editor takes it,
        // and inside a QuietEdit.
        const long middle = editor.SendScintilla(Sci::SCI_POSITIONFROMLINE,
                                                 editor.SendScintilla(Sci::SCI_GETLINECOUNT) / 2);
        editor.SendScintilla(Sci::SCI_GOTOPOS, middle);
        editor.viewport()->grab();
        f.keyMs = keystrokeMs(editor);
        {
            const Stopwatch t;
            {
                scrivlet::QuietEdit quiet(editor);
                keystrokeMs(editor);
            }
            f.quietKeyMs = t.ms();
        }
        scrivlet::EditorAdapter(editor).undo();
    }
    {
        const Stopwatch t;
        if (!scrivlet::saveDocument(editor, out))
            std::exit(1);
        f.saveMs = t.ms();
    }
    QFile a(in), b(out);
    f.exact = a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) && a.readAll() == b.readAll();
    QFile::remove(out);
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long long maxMb = argc > 1 ? std::atoll(argv[1]) : 100;

    const Row rows[] = {
        {"1 MB", qsizetype(1) << 20, false},
        {"20 MB", qsizetype(20) << 20, false},
        {"100 MB", qsizetype(100) << 20, false},
        {"20 MB 1-line", qsizetype(20) << 20, true},
    };
    QTemporaryDir dir;

    std::printf("%-13s | %8s %8s %8s | %8s %9s %8s %9s %8s %9s %8s | %s\n", "file", "read ms", "copy ms",
                "write ms", "load ms", "load +MB", "doc MB", "paint ms", "key ms", "quiet key", "save ms",
                "round trip");
    for (const Row& row : rows) {
        if (row.bytes > (maxMb << 20))
            continue;
        const QString in = dir.filePath(QStringLiteral("in.htm"));
        const QString out = dir.filePath(QStringLiteral("out.htm"));
        if (!writeRepeated(in, htmlUnit(row.minified), row.bytes))
            return 1;
        const Figures f = measure(in, out, row);
        std::printf("%-13s | %8.1f %8.1f %8.1f | %8.1f %9.1f %8.1f %9.1f %8.1f %9.1f %8.1f | %s\n", row.label,
                    f.readMs, f.copyMs, f.writeMs, f.loadMs, mib(f.loadPeak), mib(f.resident), f.paintMs, f.keyMs,
                    f.quietKeyMs, f.saveMs, f.exact ? "byte-exact" : "DIFFERS");
        QFile::remove(in);
    }
    std::printf("\nfloors: read = QFile::readAll, copy = malloc+memcpy, write = QFile::write; "
                "load +MB = peak added while loading, doc MB = resident added by the document; "
                "key = one keystroke in the middle line, painted; quiet key = the same inside a QuietEdit\n");
    return 0;
}
