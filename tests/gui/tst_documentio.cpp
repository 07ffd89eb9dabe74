// Loading and saving documents on the real QScintilla editor: bytes in, the same bytes out.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <Qsci/qscidocument.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/documentio.h"
#include "platform/editoradapter.h"

using namespace scrivlet;

namespace {

using Sci = QsciScintillaBase;
constexpr int kChunk = 1 << 20; // the loader's read size: cases below straddle it

QByteArray bytesOf(QsciScintilla& editor)
{
    EditorAdapter adapter(editor);
    return QByteArray::fromStdString(adapter.textBetween(0, adapter.length()));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

QByteArray lexerProperty(const QsciScintilla& editor, const char* name)
{
    const long length = editor.SendScintilla(Sci::SCI_GETPROPERTY, name, static_cast<const char*>(nullptr));
    QByteArray value(length + 1, '\0'); // room for the terminating NUL that Scintilla writes
    editor.SendScintilla(Sci::SCI_GETPROPERTY, name, value.data());
    value.chop(1);
    return value;
}

bool modified(const QsciScintilla& editor) { return editor.SendScintilla(Sci::SCI_GETMODIFY) != 0; }

// Runs chattr; false when the file system or the tool does not allow it.
bool chattr(const QString& flag, const QString& path)
{
    return QProcess::execute(QStringLiteral("chattr"), {flag, path}) == 0;
}

struct Immutable {
    QString path;
    bool set;
    explicit Immutable(const QString& p) : path(p), set(chattr(QStringLiteral("+i"), p)) {}
    ~Immutable()
    {
        if (set)
            chattr(QStringLiteral("-i"), path);
    }
};

// A tmpfs of a few pages mounted over a folder, for writes that run out of space.
struct SmallDisk {
    QString path;
    bool mounted;
    explicit SmallDisk(const QString& p)
        : path(p), mounted(QProcess::execute(QStringLiteral("mount"),
                                             {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                              QStringLiteral("size=64k"), QStringLiteral("tmpfs"), p}) == 0)
    {
    }
    ~SmallDisk()
    {
        if (mounted)
            QProcess::execute(QStringLiteral("umount"), {path});
    }
};

} // namespace

class TstDocumentIo : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        editor = std::make_unique<QsciScintilla>();
        lexer = new QsciLexerHTML(editor.get());
        editor->setLexer(lexer);
        editor->setUtf8(true);
        editor->SendScintilla(Sci::SCI_SETEOLMODE, long(Sci::SC_EOL_CRLF));
        editor->SendScintilla(Sci::SCI_SETTEXT, 0UL, " ");
        editor->SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
        editor->SendScintilla(Sci::SCI_SETSAVEPOINT);
    }
    void cleanup() { editor.reset(); }

    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<int>("eol");
        const int crlf = Sci::SC_EOL_CRLF, lf = Sci::SC_EOL_LF, cr = Sci::SC_EOL_CR;
        const QByteArray big(kChunk, 'x');

        QTest::newRow("Latin-1 letters shown as 8-bit") << QByteArray("<p>caf\xe9 \xe0 \xff</p>\r\n") << false << crlf;
        QTest::newRow("valid UTF-8 shown as UTF-8") << QByteArray("<p>caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80</p>\n")
                                                    << true << lf;
        QTest::newRow("invalid UTF-8: stray continuation byte") << QByteArray("a\x80z\n") << false << lf;
        QTest::newRow("invalid UTF-8: overlong slash") << QByteArray("\xc0\xaf\n") << false << lf;
        QTest::newRow("invalid UTF-8: encoded surrogate") << QByteArray("\xed\xa0\x80\n") << false << lf;
        QTest::newRow("invalid UTF-8: above U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << false << crlf;
        QTest::newRow("invalid UTF-8: sequence cut off at the end") << QByteArray("ok \xe2\x82") << false << crlf;
        QTest::newRow("NUL bytes kept, not cut") << QByteArray("a\0b\0\0c\r\n", 8) << true << crlf;
        QTest::newRow("CR line ends") << QByteArray("one\rtwo\r") << true << cr;
        QTest::newRow("LF line ends") << QByteArray("one\ntwo\n") << true << lf;
        QTest::newRow("CRLF line ends") << QByteArray("one\r\ntwo\r\n") << true << crlf;
        QTest::newRow("mixed line ends: the first one counts") << QByteArray("a\nb\r\nc\rd") << true << lf;
        QTest::newRow("lone CR as the last byte") << QByteArray("abc\r") << true << cr;
        QTest::newRow("UTF-8 BOM kept") << QByteArray("\xef\xbb\xbf<html>\r\n") << true << crlf;
        QTest::newRow("no final line end") << QByteArray("<p>a</p>\n<p>b</p>") << true << lf;
        QTest::newRow("no line end at all: CRLF as for a new document") << QByteArray("<br>") << true << crlf;
        QTest::newRow("empty file") << QByteArray() << true << crlf;
        QTest::newRow("CRLF split between two reads") << big.left(kChunk - 1) + "\r\n" + big << true << crlf;
        QTest::newRow("CR then other byte split between two reads") << big.left(kChunk - 1) + "\rz" << true << cr;
        QTest::newRow("UTF-8 character split between two reads")
            << big.left(kChunk - 1) + "\xe2\x82\xac" + big << true << crlf;
        QTest::newRow("8-bit byte deep in a large file") << big + big + "\xe9" + big << false << crlf;
    }

    void roundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        QFETCH(int, eol);
        const QString in = dir.filePath(QStringLiteral("in.htm"));
        const QString out = dir.filePath(QStringLiteral("out.htm"));
        writeFile(in, bytes);

        const LoadResult loaded = loadDocument(*editor, in);
        QVERIFY2(loaded.ok, qPrintable(loaded.error));
        QCOMPARE(loaded.bytes, qint64(bytes.size()));
        QCOMPARE(bytesOf(*editor), bytes);
        QCOMPARE(loaded.utf8, utf8);
        QCOMPARE(editor->SendScintilla(Sci::SCI_GETCODEPAGE), utf8 ? long(Sci::SC_CP_UTF8) : 0L);
        QCOMPARE(loaded.eolMode, eol);
        QCOMPARE(editor->SendScintilla(Sci::SCI_GETEOLMODE), long(eol));
        QVERIFY(!modified(*editor));
        QVERIFY(!editor->isUndoAvailable());
        QCOMPARE(editor->SendScintilla(Sci::SCI_GETCURRENTPOS), 0L);
        QCOMPARE(editor->SendScintilla(Sci::SCI_GETANCHOR), 0L);

        QVERIFY(saveDocument(*editor, out));
        QCOMPARE(readFile(out), bytes);
    }

    void editsAfterLoadAreUndoableAndSaved()
    {
        const QString path = dir.filePath(QStringLiteral("page.htm"));
        writeFile(path, "<p>x</p>\n");
        QVERIFY(loadDocument(*editor, path).ok);

        editor->show();
        editor->SendScintilla(Sci::SCI_GOTOPOS, 3L);
        QTest::keyClicks(editor.get(), "ab");
        QVERIFY(modified(*editor));
        QCOMPARE(bytesOf(*editor), QByteArray("<p>abx</p>\n"));
        editor->undo();
        QCOMPARE(bytesOf(*editor), QByteArray("<p>x</p>\n"));
        QVERIFY2(!editor->isUndoAvailable(), "the load itself is not an undo step");
        editor->redo();

        QVERIFY(saveDocument(*editor, path));
        QVERIFY(!modified(*editor));
        QCOMPARE(readFile(path), QByteArray("<p>abx</p>\n"));
    }

    void enterInsertsTheDocumentsOwnLineEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("LF file") << QByteArray("a\nb") << QByteArray("\n");
        QTest::newRow("CR file") << QByteArray("a\rb") << QByteArray("\r");
        QTest::newRow("CRLF file") << QByteArray("a\r\nb") << QByteArray("\r\n");
        QTest::newRow("no line end yet") << QByteArray("ab") << QByteArray("\r\n");
    }

    void enterInsertsTheDocumentsOwnLineEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, lineEnd);
        // The editor starts with the other mode, so a mode left over from before cannot pass.
        editor->SendScintilla(Sci::SCI_SETEOLMODE, long(lineEnd == "\n" ? Sci::SC_EOL_CR : Sci::SC_EOL_LF));
        const QString path = dir.filePath(QStringLiteral("eol.htm"));
        writeFile(path, bytes);
        QVERIFY(loadDocument(*editor, path).ok);
        editor->show();
        editor->SendScintilla(Sci::SCI_DOCUMENTEND);
        QTest::keyClick(editor.get(), Qt::Key_Return);
        QCOMPARE(bytesOf(*editor), bytes + lineEnd);
    }

    void loadKeepsColouringAndDocumentSettings()
    {
        // Scintilla keeps the lexer, its keywords and properties, and the tab settings with the document.
        editor->SendScintilla(Sci::SCI_SETTABWIDTH, 3UL);
        editor->SendScintilla(Sci::SCI_SETUSETABS, 0UL);
        const QByteArray fold = lexerProperty(*editor, "fold");
        QVERIFY(!fold.isEmpty());
        const QString path = dir.filePath(QStringLiteral("styled.htm"));
        writeFile(path, "<b>x</b><zork>y</zork>");
        QVERIFY(loadDocument(*editor, path).ok);

        QCOMPARE(editor->SendScintilla(Sci::SCI_GETLEXER), long(QsciScintillaBase::SCLEX_HTML));
        QCOMPARE(editor->SendScintilla(Sci::SCI_GETTABWIDTH), 3L);
        QCOMPARE(editor->SendScintilla(Sci::SCI_GETUSETABS), 0L);
        QCOMPARE(lexerProperty(*editor, "fold"), fold);
        editor->SendScintilla(Sci::SCI_COLOURISE, 0UL, -1L);
        QCOMPARE(editor->SendScintilla(Sci::SCI_GETSTYLEAT, 1UL), long(QsciLexerHTML::Tag));
        QCOMPARE(editor->SendScintilla(Sci::SCI_GETSTYLEAT, 9UL), long(QsciLexerHTML::UnknownTag));
    }

    void editorsOwnDocumentApiStaysSafeAfterLoads()
    {
        // QsciScintilla still names the document it was created with; swapping it out must not touch
        // freed memory (this shows under a memory checker).
        const QString path = dir.filePath(QStringLiteral("twice.htm"));
        writeFile(path, "<p>x</p>");
        QVERIFY(loadDocument(*editor, path).ok);
        QVERIFY(loadDocument(*editor, path).ok);
        QsciScintilla other; // outlives `remembered`: QScintilla releases a document through a live editor
        const QsciDocument remembered = editor->document();
        editor->setDocument(QsciDocument());
        other.setDocument(remembered);
        QCOMPARE(other.SendScintilla(Sci::SCI_GETLENGTH), 1L); // the editor's first text, " "
        editor.reset();
    }

    void failedLoadLeavesTheEditorAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << QStringLiteral("missing.htm");
        QTest::newRow("a folder") << QStringLiteral("folder");
        QTest::newRow("a FIFO, which must not block") << QStringLiteral("fifo");
        QTest::newRow("empty name") << QString();
    }

    void failedLoadLeavesTheEditorAsItWas()
    {
        QFETCH(QString, name);
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("folder")));
        const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("fifo")));
        QVERIFY(QFileInfo::exists(QString::fromLocal8Bit(fifo)) || mkfifo(fifo.constData(), 0600) == 0);

        editor->show();
        QTest::keyClicks(editor.get(), "typed");
        const QByteArray before = bytesOf(*editor);
        const LoadResult result = loadDocument(*editor, name.isEmpty() ? name : dir.filePath(name));
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(bytesOf(*editor), before);
        QVERIFY(modified(*editor));
        editor->undo();
        QCOMPARE(bytesOf(*editor), QByteArray(" "));
    }

    void failedSaveKeepsTheOldFileAndTheModifiedFlag_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("folder does not exist") << QStringLiteral("nofolder");
        QTest::newRow("folder takes no new files") << QStringLiteral("immutable-folder");
        QTest::newRow("file cannot be replaced") << QStringLiteral("immutable-file");
        QTest::newRow("disk full half way") << QStringLiteral("full-disk");
    }

    void failedSaveKeepsTheOldFileAndTheModifiedFlag()
    {
        QFETCH(QString, where);
        const QString folder = dir.filePath(where);
        QVERIFY(QDir(dir.path()).mkpath(where));
        std::unique_ptr<SmallDisk> disk;
        if (where == QLatin1String("full-disk")) {
            disk = std::make_unique<SmallDisk>(folder);
            if (!disk->mounted)
                QSKIP("cannot mount a small tmpfs here");
        }
        QString path = folder + QStringLiteral("/page.htm");
        writeFile(path, "old bytes");
        QVERIFY(loadDocument(*editor, path).ok);
        editor->SendScintilla(Sci::SCI_DOCUMENTEND);
        const QByteArray more = disk ? QByteArray(256 * 1024, 'x') : QByteArray(" new");
        editor->SendScintilla(Sci::SCI_ADDTEXT, static_cast<uintptr_t>(more.size()), more.constData());
        QVERIFY(modified(*editor));

        std::unique_ptr<Immutable> lock;
        if (where == QLatin1String("nofolder"))
            path = dir.filePath(QStringLiteral("absent/page.htm"));
        else if (where.startsWith(QLatin1String("immutable")))
            lock = std::make_unique<Immutable>(where == QLatin1String("immutable-file") ? path : folder);
        if (lock && !lock->set)
            QSKIP("chattr +i is not available here");

        QVERIFY(!saveDocument(*editor, path));
        QVERIFY(modified(*editor));
        lock.reset();
        QCOMPARE(readFile(folder + QStringLiteral("/page.htm")), QByteArray("old bytes"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("page.htm")});
    }

    void saveKeepsPermissionsAndWritesThroughALink()
    {
        const QString target = dir.filePath(QStringLiteral("target.htm"));
        const QString link = dir.filePath(QStringLiteral("link.htm"));
        writeFile(target, "old");
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QVERIFY(QFile::link(target, link));
        QVERIFY(loadDocument(*editor, link).ok);
        editor->SendScintilla(Sci::SCI_ADDTEXT, 4UL, "new ");

        QVERIFY(saveDocument(*editor, link));
        QVERIFY2(QFileInfo(link).isSymLink(), "the link stays a link");
        QCOMPARE(readFile(target), QByteArray("new old"));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0640));
    }

private:
    QTemporaryDir dir;
    std::unique_ptr<QsciScintilla> editor;
    QsciLexerHTML* lexer = nullptr;
};

QTEST_MAIN(TstDocumentIo)
#include "tst_documentio.moc"
