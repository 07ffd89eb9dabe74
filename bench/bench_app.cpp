// The program's own start-up, open, keystroke and save on the offscreen platform, beside the floors
// measured in the same run: a bare Qt main window, reading the file, copying its bytes.
// Start-up runs in a fresh folder like a first start; documents are 1, 20 and 100 MB HTML files in /tmp
// opened through the document area into painted, editable document windows.
// Usage: bench_app [max-MB] [start-up runs]

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <Qsci/qsciscintillabase.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/scrivletapp.h"
#include "app/scrivletframe.h"
#include "benchsupport.h"
#include "core/settings.h"
#include "documents/mdichild.h"
#include "documents/mdiclient.h"
#include "documents/scrivletedit.h"
#include "platform/dialogprovider.h"

namespace {

using namespace bench;
using scrivlet::TMDIScrivletChild;
using scrivlet::TScrivletApp;
using Sci = QsciScintillaBase;

// Any message box would stop the run unseen: count it and answer No.
class QuietDialogs : public scrivlet::DialogProvider {
public:
    int messages = 0;
    QMessageBox::StandardButton message(QWidget*, const QString& caption, const QString& text, QMessageBox::Icon,
                                        QMessageBox::StandardButtons, QMessageBox::StandardButton) override
    {
        ++messages;
        std::fprintf(stderr, "message box: %s: %s\n", qPrintable(caption), qPrintable(text));
        return QMessageBox::No;
    }
};

// Returns once the event loop has gone idle: everything posted by showing the window is handled.
void waitForIdle()
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct StartTimes {
    double idleMs = 0;    // to the first idle after show
    double paintedMs = 0; // the same, then the whole window painted once
};

StartTimes bareWindow()
{
    StartTimes s;
    const Stopwatch t;
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Scrivlet"));
    window.showMaximized();
    waitForIdle();
    s.idleMs = t.ms();
    window.grab();
    s.paintedMs = t.ms();
    return s;
}

// From before the application object exists to the first idle after its main window is shown, in a
// folder without settings (a first start: the blank start-up document is made).
StartTimes appStart()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    StartTimes s;
    {
        const Stopwatch t;
        const std::string settings = scrivlet::settingsFilePath(dir.path().toStdString());
        TScrivletApp app(settings, scrivlet::readMRUSize(settings));
        app.InitMainWindow();
        app.mainWindow()->showMaximized();
        waitForIdle();
        s.idleMs = t.ms();
        app.mainWindow()->grab();
        s.paintedMs = t.ms();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDir::setCurrent(previous);
    return s;
}

struct Figures {
    double readMs = 0, copyMs = 0;
    double openMs = 0, keyEndMs = 0, keyAgainMs = 0, keyMiddleMs = 0, saveMs = 0;
    long long peak = 0, peakAdded = 0;
    bool saved = false;
};

// One typed "a" at `pos`, as the editor takes it from the keyboard, and the repaint it causes.
double keystroke(scrivlet::TScrivletEdit& editor, long pos)
{
    editor.SendScintilla(Sci::SCI_GOTOPOS, pos);
    editor.viewport()->grab(); // the caret's screen is laid out before the clock starts
    return keystrokeMs(editor);
}

Figures measureFile(scrivlet::TScrivletFrame& frame, const QString& path, qsizetype size)
{
    Figures f;
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const Stopwatch t;
        const QByteArray bytes = file.readAll();
        f.readMs = t.ms();
        char* copy = static_cast<char*>(std::malloc(std::size_t(bytes.size())));
        const Stopwatch c;
        std::memcpy(copy, bytes.constData(), std::size_t(bytes.size()));
        f.copyMs = c.ms();
        volatile char sink = copy[bytes.size() - 1];
        (void)sink;
        std::free(copy);
    }

    resetPeak();
    const long long before = statusBytes("VmRSS:");
    const QByteArray local = QFile::encodeName(path);
    TMDIScrivletChild* child = nullptr;
    {
        const Stopwatch t;
        child = frame.client()->OpenFile(local.constData());
        child->client->viewport()->grab();
        f.openMs = t.ms();
    }
    scrivlet::TScrivletEdit& editor = *child->client;
    const long length = editor.SendScintilla(Sci::SCI_GETLENGTH);
    if (length != size)
        std::fprintf(stderr, "opened %ld bytes of %lld\n", length, static_cast<long long>(size));
    f.keyEndMs = keystroke(editor, length);
    // A second one at the same place: the cost of every keystroke, not of the first layout there.
    f.keyAgainMs = keystroke(editor, length + 1);
    f.keyMiddleMs = keystroke(editor, editor.SendScintilla(Sci::SCI_POSITIONFROMLINE,
                                                           editor.SendScintilla(Sci::SCI_GETLINECOUNT) / 2));
    {
        const Stopwatch t;
        f.saved = editor.Save();
        f.saveMs = t.ms();
    }
    f.peak = statusBytes("VmHWM:");
    f.peakAdded = f.peak - before;
    f.saved = f.saved && QFile(path).size() == size + 3;

    child->setCloseConfirmed(true);
    child->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    return f;
}

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

} // namespace

// The program's pictures live in the GUI library's resources, which must be registered by hand here.
static void initResources() { Q_INIT_RESOURCE(scrivlet); }

int main(int argc, char** argv)
{
    initResources();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scrivlet"));
    const long long maxMb = argc > 1 ? std::atoll(argv[1]) : 100;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    QuietDialogs dialogs;
    scrivlet::DialogProvider::setInstance(&dialogs);

    // Start-up: the two kinds of window alternate so that neither profits from warm caches alone.
    std::vector<double> bare, start, barePainted, startPainted;
    for (int i = 0; i < runs; ++i) {
        const StartTimes b = bareWindow();
        const StartTimes a = appStart();
        bare.push_back(b.idleMs);
        barePainted.push_back(b.paintedMs);
        start.push_back(a.idleMs);
        startPainted.push_back(a.paintedMs);
    }
    const double bareMs = median(bare), startMs = median(start);
    const double barePaintedMs = median(barePainted), startPaintedMs = median(startPainted);
    std::printf("start-up (median of %d runs; the first run, with cold caches, in brackets)\n", runs);
    std::printf("                       to first idle          idle + one full paint\n");
    std::printf("  bare QMainWindow     %8.1f ms (%6.1f)   %8.1f ms (%6.1f)\n", bareMs, bare.front(), barePaintedMs,
                barePainted.front());
    std::printf("  Scrivlet             %8.1f ms (%6.1f)   %8.1f ms (%6.1f)\n", startMs, start.front(),
                startPaintedMs, startPainted.front());
    std::printf("  ratio                %8.2fx                 %8.2fx          target < 1.5x: %s\n\n",
                startMs / bareMs, startPaintedMs / barePaintedMs, verdict(startMs < 1.5 * bareMs));

    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/bench_app-XXXXXX"));
    QTemporaryDir startDir;
    QDir::setCurrent(startDir.path());
    const std::string settings = scrivlet::settingsFilePath(startDir.path().toStdString());
    TScrivletApp app(settings, scrivlet::readMRUSize(settings));
    app.InitMainWindow();
    app.mainWindow()->showMaximized();
    waitForIdle();

    struct Row {
        const char* label;
        qsizetype bytes;
    };
    const Row rows[] = {{"1 MB", qsizetype(1) << 20}, {"20 MB", qsizetype(20) << 20}, {"100 MB", qsizetype(100) << 20}};
    std::printf("%-7s | %8s %8s | %8s %8s %8s %8s %8s | %8s %9s %9s | %s\n", "file", "read ms", "copy ms",
                "open ms", "key end", "again", "key mid", "save ms", "peak MB", "added MB", "limit MB", "saved");
    Figures last;
    qsizetype lastBytes = 0;
    for (const Row& row : rows) {
        if (row.bytes > (maxMb << 20))
            continue;
        const QString path = work.filePath(QStringLiteral("page.htm"));
        if (!writeRepeated(path, htmlLine, row.bytes))
            return 1;
        const Figures f = measureFile(*app.mainWindow(), path, row.bytes);
        const double limit = 2.5 * mib(row.bytes) + 100;
        std::printf("%-7s | %8.1f %8.1f | %8.1f %8.2f %8.2f %8.2f %8.1f | %8.1f %9.1f %9.1f | %s\n", row.label,
                    f.readMs, f.copyMs, f.openMs, f.keyEndMs, f.keyAgainMs, f.keyMiddleMs, f.saveMs, mib(f.peak),
                    mib(f.peakAdded), limit, f.saved ? "yes" : "NO");
        QFile::remove(path);
        last = f;
        lastBytes = row.bytes;
    }
    if (lastBytes == (qsizetype(100) << 20)) {
        const double limit = 2.5 * mib(lastBytes) + 100;
        std::printf("\ntargets for 100 MB: open %.0f ms < 1000: %s; save %.0f ms < 1000: %s; "
                    "peak %.0f MB < %.0f: %s; keystroke %.2f/%.2f/%.2f ms < 5: %s\n",
                    last.openMs, verdict(last.openMs < 1000), last.saveMs, verdict(last.saveMs < 1000),
                    mib(last.peak), limit, verdict(mib(last.peak) < limit),
                    last.keyEndMs, last.keyAgainMs, last.keyMiddleMs, verdict(std::max({last.keyEndMs, last.keyAgainMs, last.keyMiddleMs}) < 5));
    }
    std::printf("\nopen = OpenFile to a painted document window; key = one typed character and its repaint; "
                "save = Save after the keystrokes; peak = whole process VmHWM from before the open to after "
                "the save, added = above the resident size before the open; floors: read = QFile::readAll, "
                "copy = memcpy\n");

    scrivlet::DialogProvider::setInstance(nullptr);
    return dialogs.messages == 0 ? 0 : 1;
}
