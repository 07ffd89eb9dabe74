// Wrapping a selection in a tag pair on the real editor: time and peak memory added, for selections of
// 1 KB, 1 MB and 100 MB, beside one memcpy of the same bytes (what copying the selection out would
// cost at the least). Run on the offscreen platform: bench_insert [max-MB]

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "benchsupport.h"
#include "platform/documentio.h"
#include "platform/editoradapter.h"
#include "platform/htmlinsert.h"

namespace {

using namespace bench;
using Sci = QsciScintillaBase;

// The document's CRLF lines: markup without indentation.
const QByteArray htmlUnit = htmlLine.mid(4);

struct Row {
    const char* label;
    qsizetype bytes;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long long maxMb = argc > 1 ? std::atoll(argv[1]) : 100;

    const Row rows[] = {{"1 KB", 1 << 10}, {"1 MB", 1 << 20}, {"100 MB", qsizetype(100) << 20}};
    QTemporaryDir dir;

    std::printf("%-8s %10s %14s %10s %14s %10s %11s %11s\n", "select", "wrap ms", "wrap +MB peak", "undo ms",
                "editor undo ms", "paint ms", "memcpy ms", "memcpy +MB");
    for (const Row& row : rows) {
        if (row.bytes > (maxMb << 20))
            continue;
        const QString path = dir.filePath(QStringLiteral("doc.htm"));
        if (!writeRepeated(path, htmlUnit, row.bytes, 'z'))
            return 1;

        double wrapMs = 0, undoMs = 0, editorUndoMs = 0, paintMs = 0;
        long long wrapPeak = 0;
        {
            QsciScintilla editor;
            editor.setLexer(new QsciLexerHTML(&editor));
            editor.resize(800, 600);
            editor.show();
            if (!scrivlet::loadDocument(editor, path).ok)
                return 1;
            QFile::remove(path);
            editor.viewport()->grab();
            editor.SendScintilla(Sci::SCI_SETSEL, 0UL, long(row.bytes));

            char open[] = "<B>";
            char close[] = "</B>";
            resetPeak();
            const long long before = statusBytes("VmRSS:");
            QElapsedTimer timer;
            timer.start();
            scrivlet::htmlInsert(editor, open, close, true);
            wrapMs = timer.nsecsElapsed() / 1e6;
            wrapPeak = statusBytes("VmHWM:") - before;

            // Painting after the wrap colours the text up to the caret, which now stands at the end.
            timer.restart();
            editor.viewport()->grab();
            paintMs = timer.nsecsElapsed() / 1e6;

            // Undo through the adapter, and through the editor's own undo (as the keyboard does), which
            // QScintilla makes cost in proportion to the position of the change.
            scrivlet::EditorAdapter adapter(editor);
            timer.restart();
            adapter.undo();
            undoMs = timer.nsecsElapsed() / 1e6;
            adapter.redo();
            timer.restart();
            editor.undo();
            editorUndoMs = timer.nsecsElapsed() / 1e6;
            if (editor.SendScintilla(Sci::SCI_GETLENGTH) != row.bytes)
                return 1;
        }

        // The floor: one copy of the selected bytes, in the same run.
        std::vector<char> source(static_cast<std::size_t>(row.bytes), 'x');
        resetPeak();
        const long long before = statusBytes("VmRSS:");
        long long copyPeak = 0;
        const double copyMs = copyFloorMs(source.data(), source.size(), &copyPeak, before);

        std::printf("%-8s %10.3f %14.2f %10.3f %14.3f %10.1f %11.3f %11.2f\n", row.label, wrapMs, mib(wrapPeak),
                    undoMs, editorUndoMs, paintMs, copyMs, mib(copyPeak));
    }
    std::printf("\ntarget: 100 MB wraps in < 500 ms with < 5 MB added\n");
    return 0;
}
