// Browser preview with real programs: a recording "browser" started directly, and the desktop's
// handler reached through the real xdg-open.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>

#include "app/scrivletapp.h"
#include "app/scrivletframe.h"
#include "core/commands.h"
#include "documents/mdichild.h"
#include "documents/mdiclient.h"
#include "documents/scrivletedit.h"
#include "support/appfixture.h"

using namespace scrivlet;

namespace {

// A browser stand-in: writes its working folder and then each argument on a line of `record`.
QString makeRecorder(const QString& path, const QString& record)
{
    QDir().mkpath(QFileInfo(path).path());
    writeFile(path, "#!/bin/sh\n{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" + record.toLocal8Bit()
                        + ".tmp'\nmv '" + record.toLocal8Bit() + ".tmp' '" + record.toLocal8Bit() + "'\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeGroup
                                    | QFileDevice::ExeOther);
    return path;
}

QStringList recorded(const QString& record)
{
    QString text = QString::fromLocal8Bit(readFile(record));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

void replaceText(TScrivletEdit& editor, const char* text)
{
    editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, text);
}

} // namespace

class TestBrowserView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Scrivlet")); }

    // The document is saved first, then the program gets its path as one argument, shell characters
    // and blanks untouched, and no shell runs the name.
    void externalBrowserGetsThePathAsOneWord()
    {
        AppFixture f;
        const QString record = f.path(QStringLiteral("record.txt"));
        f.app->SysBrowser = false;
        f.app->BrowserPath =
            QFile::encodeName(makeRecorder(f.path(QStringLiteral("my browser/view er")), record)).toStdString();
        const QString docDir = f.path(QStringLiteral("my docs"));
        QDir().mkpath(docDir);
        const QString doc = docDir + QStringLiteral("/a;touch pwned.htm");
        QVERIFY(writeFile(doc, "<p>old</p>\n"));
        f.client()->OpenFile(QFile::encodeName(doc).constData());
        replaceText(*f.editor(), "<p>new</p>\n");

        f.dialogs.messageAnswers = {QMessageBox::Yes};
        f.frame->routeCommand(cmd::CmBrowserView);

        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].caption, QStringLiteral("Scrivlet"));
        QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("Save File Before Continuing?"));
        QCOMPARE(f.dialogs.messages[0].icon, QMessageBox::Warning);
        QCOMPARE(f.dialogs.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(readFile(doc), QByteArray("<p>new</p>\n"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
        const QStringList got = recorded(record);
        QCOMPARE(got.mid(1), QStringList{doc});
        QVERIFY(!QFile::exists(QDir(got.value(0)).filePath(QStringLiteral("pwned.htm"))));
        QVERIFY(!QFile::exists(docDir + QStringLiteral("/pwned.htm")));
        QVERIFY(f.child()->isVisible());
    }

    // An unchanged document is asked about too; No saves nothing and starts nothing.
    void noSavesNothingAndStartsNothing()
    {
        AppFixture f;
        const QString record = f.path(QStringLiteral("record.txt"));
        f.app->SysBrowser = false;
        f.app->BrowserPath = QFile::encodeName(makeRecorder(f.path(QStringLiteral("rec")), record)).toStdString();
        const QString doc = f.path(QStringLiteral("page.htm"));
        QVERIFY(writeFile(doc, "<p>old</p>\n"));
        f.client()->OpenFile(QFile::encodeName(doc).constData());
        replaceText(*f.editor(), "<p>changed</p>\n");

        f.dialogs.messageAnswers = {QMessageBox::No};
        f.frame->routeCommand(cmd::CmBrowserView);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QTest::qWait(500); // give a wrongly started program time to show itself
        QVERIFY(!QFile::exists(record));
        QCOMPARE(readFile(doc), QByteArray("<p>old</p>\n"));
        QVERIFY(isModified(*f.editor()));
    }

    // A document that was never saved gets its name from the save-as dialog, and the browser that name.
    void untitledDocumentIsSavedUnderTheChosenName()
    {
        AppFixture f;
        const QString record = f.path(QStringLiteral("record.txt"));
        f.app->SysBrowser = false;
        f.app->BrowserPath = QFile::encodeName(makeRecorder(f.path(QStringLiteral("rec")), record)).toStdString();
        f.client()->OpenFile(nullptr);
        replaceText(*f.editor(), "<h1>fresh</h1>\n");
        const QString doc = f.path(QStringLiteral("fresh page.htm"));
        f.dialogs.saveAnswers = {doc};
        f.dialogs.messageAnswers = {QMessageBox::Yes};

        f.frame->routeCommand(cmd::CmBrowserView);
        QCOMPARE(f.dialogs.saveRequests.size(), 1);
        QCOMPARE(readFile(doc), QByteArray("<h1>fresh</h1>\n"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
        QCOMPARE(recorded(record).mid(1), QStringList{doc});
    }

    // A browser that cannot start is reported, and the document stays as saved.
    void browserThatCannotStartIsReported_data()
    {
        QTest::addColumn<bool>("sysBrowser");
        QTest::addColumn<QString>("browserPath");
        QTest::addColumn<bool>("untitled");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no such program (was silent)")
            << false << QStringLiteral("/nonexistent/browser") << false
            << QStringLiteral("Unable to start the browser /nonexistent/browser.");
        QTest::newRow("empty program (was silent)")
            << false << QString() << false
            << QStringLiteral("Unable to start the browser: no browser program is set in the options.");
        QTest::newRow("desktop browser, no file name (was silent)")
            << true << QString() << true
            << QStringLiteral("Unable to start the browser: the document has no file name.");
    }

    void browserThatCannotStartIsReported()
    {
        QFETCH(bool, sysBrowser);
        QFETCH(QString, browserPath);
        QFETCH(bool, untitled);
        QFETCH(QString, expected);
        AppFixture f;
        f.app->SysBrowser = sysBrowser;
        f.app->BrowserPath = QFile::encodeName(browserPath).toStdString();
        const QString doc = f.path(QStringLiteral("page.htm"));
        if (untitled) {
            f.client()->OpenFile(nullptr);
            f.dialogs.saveAnswers = {QString()}; // the save-as dialog is cancelled
            replaceText(*f.editor(), "<p>x</p>\n");
        } else {
            QVERIFY(writeFile(doc, "<p>x</p>\n"));
            f.client()->OpenFile(QFile::encodeName(doc).constData());
        }
        f.dialogs.messageAnswers = {QMessageBox::Yes};
        f.frame->routeCommand(cmd::CmBrowserView);

        QCOMPARE(f.dialogs.messages.size(), 2);
        QCOMPARE(f.dialogs.messages[1].caption, QStringLiteral("Scrivlet"));
        QCOMPARE(f.dialogs.messages[1].text, expected);
        if (!untitled) {
            QCOMPARE(readFile(doc), QByteArray("<p>x</p>\n"));
            QVERIFY(!isModified(*f.editor()));
        }
    }

    // The desktop's browser: xdg-open with a test home whose default handler for HTML is the recorder.
    void systemBrowserIsTheDesktopsHandlerForHtml()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
            QSKIP("xdg-open is not installed (xdg-utils)");
        AppFixture f;
        const QString home = f.path(QStringLiteral("home"));
        const QString record = f.path(QStringLiteral("record.txt"));
        const QString recorder = makeRecorder(home + QStringLiteral("/bin/recorder"), record);
        QDir().mkpath(home + QStringLiteral("/.config"));
        QDir().mkpath(home + QStringLiteral("/.local/share/applications"));
        QVERIFY(writeFile(home + QStringLiteral("/.local/share/applications/recorder.desktop"),
                          "[Desktop Entry]\nType=Application\nName=Recorder\nExec=" + recorder.toLocal8Bit()
                              + " %f\nMimeType=text/html;\n"));
        QVERIFY(writeFile(home + QStringLiteral("/.config/mimeapps.list"),
                          "[Default Applications]\ntext/html=recorder.desktop\n"));

        const QByteArray keep[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CURRENT_DESKTOP",
                                   "DESKTOP_SESSION", "BROWSER", "DISPLAY", "WAYLAND_DISPLAY"};
        QList<QPair<QByteArray, QByteArray>> saved;
        for (const QByteArray& name : keep)
            if (qEnvironmentVariableIsSet(name.constData()))
                saved.append({name, qgetenv(name.constData())});
        auto restore = qScopeGuard([&] {
            for (const QByteArray& name : keep)
                qunsetenv(name.constData());
            for (const auto& [name, value] : saved)
                qputenv(name.constData(), value);
        });
        for (const QByteArray& name : keep)
            qunsetenv(name.constData());
        qputenv("HOME", QFile::encodeName(home));
        qputenv("DISPLAY", ":0"); // xdg-open consults the desktop's handlers only for a graphical session
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));

        f.app->SysBrowser = true;
        f.app->BrowserPath = "/nonexistent/not-this-one";
        const QString doc = f.path(QStringLiteral("my page.htm"));
        QVERIFY(writeFile(doc, "<html><body>hi</body></html>\n"));
        f.client()->OpenFile(QFile::encodeName(doc).constData());
        f.dialogs.messageAnswers = {QMessageBox::Yes};
        f.frame->routeCommand(cmd::CmBrowserView);

        QCOMPARE(f.dialogs.messages.size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 20000);
        QCOMPARE(recorded(record).mid(1), QStringList{doc});
    }
};

QTEST_MAIN(TestBrowserView)
#include "tst_browserview.moc"
