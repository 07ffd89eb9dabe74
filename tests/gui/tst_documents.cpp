// Documents through the running program: new, start-up, open, save, save as, the save-changes prompt,
// shutdown, the byte round trip, and find.

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include "app/scrivletapp.h"
#include "app/scrivletframe.h"
#include "documents/mdichild.h"
#include "documents/mdiclient.h"
#include "documents/scrivletedit.h"
#include "platform/findreplacedialog.h"
#include "support/appfixture.h"

using namespace scrivlet;

namespace {

const QString SavePrompt = QStringLiteral("The text in the %1 file has changed.\n\nDo you want to save the changes?");

std::string mru0(TScrivletApp& app) { return app.GetMenuText(TRecentFiles::FirstCommandId); }

void typeText(TScrivletEdit& editor, const QByteArray& text)
{
    editor.SendScintilla(QsciScintillaBase::SCI_ADDTEXT, static_cast<unsigned long>(text.size()), text.constData());
}

// A folder whose entries cannot change, even for root; undone when it goes.
struct FrozenFolder {
    explicit FrozenFolder(const QString& path) : path(path)
    {
        if (!path.isEmpty())
            frozen = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
    }
    ~FrozenFolder()
    {
        if (frozen)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
    }
    QString path;
    bool frozen = false;
};

QList<FindReplaceDialog*> searchDialogs(QWidget* window)
{
    QList<FindReplaceDialog*> open;
    for (FindReplaceDialog* dialog : window->findChildren<FindReplaceDialog*>())
        if (dialog->isVisible())
            open << dialog;
    return open;
}

} // namespace

class TstDocuments : public QObject {
    Q_OBJECT

private slots:
    void newDocument_data();
    void newDocument();
    void startupDocument_data();
    void startupDocument();
    void newOpensMaximizedAfterMaximized();
    void openAndOpenFailure();
    void saveAndSaveAs();
    void saveAsCancelled();
    void saveFailure_data();
    void saveFailure();
    void savePrompt_data();
    void savePrompt();
    void closeMainWindowCancelKeepsAll();
    void settingsWrittenAtClose();
    void byteRoundTrip_data();
    void byteRoundTrip();
    void findDialog();
    void enterKeepsTheFilesLineEnd_data();
    void enterKeepsTheFilesLineEnd();
    void saveAsFromPromptRenamesItsOwnWindow();
    void recentEntryOfMissingFile();
    void sameFileTwice();
    void openFilterRemembered();
    void namedDocumentPromptAndIdleSave();
};

void TstDocuments::newDocument_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QByteArray>("skeleton");
    QTest::newRow("lower case (default): tags follow LCTag")
        << QByteArray() << QByteArray("<html>\r\n\r\n</html> ");
    QTest::newRow("upper case: tags kept as written")
        << QByteArray("[Options]\r\nLCaseTag=0\r\nBlankFile=0\r\n") << QByteArray("<HTML>\r\n\r\n</HTML> ");
}

void TstDocuments::newDocument()
{
    QFETCH(QByteArray, ini);
    QFETCH(QByteArray, skeleton);
    AppFixture f(ini);
    const int before = f.childCount();
    QVERIFY(f.frame->routeCommand(cmd::CmFileNew));
    QCOMPARE(f.childCount(), before + 1);
    QCOMPARE(documentBytes(*f.editor()), skeleton);
    QCOMPARE(caretOf(*f.editor()), long(skeleton.size() - 1)); // after the closing tag, before the blank
    QVERIFY(isModified(*f.editor()));
    QCOMPARE(f.child()->windowTitle(), QStringLiteral("New Document"));
    QVERIFY(f.editor()->FileName().isEmpty());

    // The new document's editor takes the keyboard.
    QApplication::setActiveWindow(f.frame);
    QVERIFY(QTest::qWaitForWindowActive(f.frame));
    f.frame->routeCommand(cmd::CmFileNew);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.editor()));
}

void TstDocuments::startupDocument_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("windows");
    QTest::newRow("BlankFile=1: one maximized blank document") << QByteArray("[Options]\r\nBlankFile=1\r\n") << 1;
    QTest::newRow("BlankFile=0: empty document area") << QByteArray("[Options]\r\nBlankFile=0\r\n") << 0;
}

void TstDocuments::startupDocument()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, windows);
    AppFixture f(ini);
    QCOMPARE(f.childCount(), windows);
    if (!windows)
        return;
    QVERIFY(f.child()->isMaximized());
    QCOMPARE(documentBytes(*f.editor()), QByteArray(" "));
    QVERIFY(!isModified(*f.editor()));
    QCOMPARE(f.child()->windowTitle(), QStringLiteral("New Document"));
    QVERIFY(!f.client()->saveChild);
    // Closing it asks nothing.
    QPointer<TMDIScrivletChild> child = f.child();
    child->close();
    AppFixture::settle();
    QVERIFY(!child);
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TstDocuments::newOpensMaximizedAfterMaximized()
{
    AppFixture f; // starts with the maximized blank document
    f.frame->routeCommand(cmd::CmFileNew);
    QVERIFY(f.child()->isMaximized());
    f.child()->showNormal();
    f.frame->routeCommand(cmd::CmFileNew);
    QVERIFY(!f.child()->isMaximized());
}

void TstDocuments::openAndOpenFailure()
{
    AppFixture f;
    const QString file = f.path(QStringLiteral("page.htm"));
    QVERIFY(writeFile(file, "<p>hi</p>\r\n"));
    f.dialogs.openAnswers << file;
    f.frame->routeCommand(cmd::CmFileOpen);
    QCOMPARE(f.dialogs.openRequests.size(), 1);
    QCOMPARE(f.dialogs.openRequests[0].filters.value(0).patterns, QStringLiteral("*.htm*"));
    QCOMPARE(f.child()->windowTitle(), file);
    QCOMPARE(f.editor()->FileName(), file);
    QCOMPARE(documentBytes(*f.editor()), QByteArray("<p>hi</p>\r\n"));
    QVERIFY(!isModified(*f.editor()));
    QCOMPARE(mru0(*f.app), file.toStdString());
    QVERIFY(f.dialogs.messages.isEmpty());

    // A missing file: the message, an untitled window, and the name in the list all the same.
    const QString missing = f.path(QStringLiteral("gone.htm"));
    f.dialogs.openAnswers << missing;
    f.frame->routeCommand(cmd::CmFileOpen);
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("Unable to read file %1 from disk.").arg(missing));
    QCOMPARE(f.dialogs.messages[0].caption, QStringLiteral("Scrivlet"));
    QCOMPARE(f.dialogs.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(f.child()->windowTitle(), QString());
    QVERIFY(f.editor()->FileName().isEmpty());
    QVERIFY(!isModified(*f.editor()));
    QCOMPARE(mru0(*f.app), missing.toStdString());

    // Cancel: nothing happens.
    const int windows = f.childCount();
    f.frame->routeCommand(cmd::CmFileOpen);
    QCOMPARE(f.childCount(), windows);
}

void TstDocuments::saveAndSaveAs()
{
    AppFixture f;
    const QString file = f.path(QStringLiteral("a.htm"));
    QVERIFY(writeFile(file, "old"));
    f.dialogs.openAnswers << file;
    f.frame->routeCommand(cmd::CmFileOpen);
    f.editor()->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    typeText(*f.editor(), "!");
    QVERIFY(isModified(*f.editor()));
    QVERIFY(f.frame->routeCommand(cmd::CmFileSave));
    QCOMPARE(readFile(file), QByteArray("old!"));
    QVERIFY(!isModified(*f.editor()));
    QCOMPARE(f.child()->windowTitle(), file);

    // Save As of a new document: the caption loses "New Document", the path tops the list.
    f.frame->routeCommand(cmd::CmFileNew);
    const QString target = f.path(QStringLiteral("b.htm"));
    f.dialogs.saveAnswers << target;
    QVERIFY(f.frame->routeCommand(cmd::CmFileSaveAs));
    QCOMPARE(f.dialogs.saveRequests.size(), 1);
    QCOMPARE(f.dialogs.saveRequests[0].defaultSuffix, QStringLiteral("htm"));
    QCOMPARE(readFile(target), QByteArray("<html>\r\n\r\n</html> "));
    QCOMPARE(f.child()->windowTitle(), target);
    QCOMPARE(f.editor()->FileName(), target);
    QVERIFY(!isModified(*f.editor()));
    QCOMPARE(mru0(*f.app), target.toStdString());
}

void TstDocuments::saveAsCancelled()
{
    AppFixture f;
    f.frame->routeCommand(cmd::CmFileNew);
    f.dialogs.saveAnswers << QString();
    f.frame->routeCommand(cmd::CmFileSave); // no name yet: Save asks for one
    QCOMPARE(f.dialogs.saveRequests.size(), 1);
    QCOMPARE(f.child()->windowTitle(), QStringLiteral("New Document"));
    QVERIFY(isModified(*f.editor()));
    QVERIFY(f.app->entries().empty());
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TstDocuments::saveFailure_data()
{
    QTest::addColumn<bool>("frozenFolder");
    QTest::newRow("folder that refuses new entries") << true;
    QTest::newRow("folder that does not exist") << false;
}

void TstDocuments::saveFailure()
{
    QFETCH(bool, frozenFolder);
    AppFixture f;
    QDir(f.dir.path()).mkdir(QStringLiteral("sub"));
    const QString folder = f.path(frozenFolder ? QStringLiteral("sub") : QStringLiteral("missing"));
    const QString file = folder + QStringLiteral("/a.htm");
    if (frozenFolder)
        QVERIFY(writeFile(file, "old"));
    FrozenFolder freeze(frozenFolder ? folder : QString());
    if (frozenFolder && !freeze.frozen)
        QSKIP("chattr +i is not available here");

    f.frame->routeCommand(cmd::CmFileNew);
    f.dialogs.saveAnswers << file;
    f.frame->routeCommand(cmd::CmFileSaveAs);
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("Unable to write file %1 to disk.").arg(file));
    QVERIFY(isModified(*f.editor()));
    QCOMPARE(f.child()->windowTitle(), QStringLiteral("New Document"));
    QVERIFY(f.app->entries().empty());
    if (frozenFolder)
        QCOMPARE(readFile(file), QByteArray("old"));

    // Save of a named document whose folder went bad keeps it modified, with the same message.
    if (frozenFolder) {
        f.dialogs.openAnswers << file;
        f.frame->routeCommand(cmd::CmFileOpen);
        typeText(*f.editor(), "x");
        f.dialogs.messages.clear();
        f.frame->routeCommand(cmd::CmFileSave);
        QCOMPARE(f.dialogs.messages.value(0).text, QStringLiteral("Unable to write file %1 to disk.").arg(file));
        QVERIFY(isModified(*f.editor()));
        QCOMPARE(readFile(file), QByteArray("old"));
    }
}

void TstDocuments::savePrompt_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveAnswer"); // "-" when the save dialog is not expected
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");
    QTest::newRow("Yes saves and closes") << int(QMessageBox::Yes) << "x.htm" << true << true;
    QTest::newRow("Yes, save dialog cancelled, stays open") << int(QMessageBox::Yes) << "" << false << false;
    QTest::newRow("No drops the changes and closes") << int(QMessageBox::No) << "-" << true << false;
    QTest::newRow("Cancel keeps it open") << int(QMessageBox::Cancel) << "-" << false << false;
}

void TstDocuments::savePrompt()
{
    QFETCH(int, answer);
    QFETCH(QString, saveAnswer);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    AppFixture f;
    f.frame->routeCommand(cmd::CmFileNew);
    const QString target = saveAnswer.isEmpty() ? QString() : f.path(saveAnswer);
    f.dialogs.messageAnswers << QMessageBox::StandardButton(answer);
    if (saveAnswer != QStringLiteral("-"))
        f.dialogs.saveAnswers << target;
    QPointer<TMDIScrivletChild> child = f.child();
    child->close();
    AppFixture::settle();
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].text, SavePrompt.arg(QStringLiteral("Document")));
    QCOMPARE(f.dialogs.messages[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(f.dialogs.messages[0].icon, QMessageBox::Question);
    QCOMPARE(f.dialogs.saveRequests.size(), saveAnswer == QStringLiteral("-") ? 0 : 1);
    QCOMPARE(child.isNull(), closed);
    QCOMPARE(QFile::exists(f.path(QStringLiteral("x.htm"))), written);
}

void TstDocuments::closeMainWindowCancelKeepsAll()
{
    AppFixture f(QByteArray("[Options]\r\nBlankFile=0\r\nLCaseTag=0\r\n"));
    QFile::remove(f.iniPath());
    f.frame->routeCommand(cmd::CmFileNew);
    f.frame->routeCommand(cmd::CmFileNew);
    f.dialogs.messageAnswers << QMessageBox::No << QMessageBox::Cancel;
    QVERIFY(!f.frame->close());
    QCOMPARE(f.dialogs.messages.size(), 2);
    AppFixture::settle();
    QCOMPARE(f.childCount(), 2);
    QVERIFY(f.frame->isVisible());
    // The settings were written before anything was asked.
    QVERIFY(readFile(f.iniPath()).contains("LCaseTag=0"));

    // Closing again asks both again; No to both ends the program.
    f.dialogs.messages.clear();
    f.dialogs.messageAnswers << QMessageBox::No << QMessageBox::No;
    QVERIFY(f.frame->close());
    QCOMPARE(f.dialogs.messages.size(), 2);
}

void TstDocuments::settingsWrittenAtClose()
{
    AppFixture f;
    QFile::remove(f.iniPath());
    f.app->BrowserPath = "/usr/bin/true";
    QVERIFY(f.frame->close());
    const QByteArray ini = readFile(f.iniPath());
    const QList<QByteArray> keys = {"LCaseTag=", "BlankFile=", "SysBrowser=", "MRUSize=", "HColor=", "BrowserPath="};
    qsizetype at = ini.indexOf("[Options]");
    QVERIFY2(at >= 0, ini.constData());
    for (const QByteArray& key : keys) {
        const qsizetype next = ini.indexOf(key, at);
        QVERIFY2(next > at, (key + " out of order in:\n" + ini).constData());
        at = next;
    }
    QVERIFY(ini.contains("BrowserPath=/usr/bin/true"));
}

void TstDocuments::byteRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Latin-1 bytes stay single bytes") << QByteArray("<p>caf\xe9 \xa0\xff</p>\r\n");
    QTest::newRow("NUL bytes survive") << QByteArray("a\0b\0\0c", 6);
    QTest::newRow("mixed line ends kept") << QByteArray("1\r\n2\n3\r4\r\n\n");
    QTest::newRow("BOM and UTF-8, no final line end") << QByteArray("\xef\xbb\xbf<b>\xc3\xa9\xe2\x82\xac</b>");
    QTest::newRow("invalid UTF-8") << QByteArray("\xc3\x28 \xe2\x82 ok");
    QTest::newRow("empty file") << QByteArray();
}

void TstDocuments::byteRoundTrip()
{
    QFETCH(QByteArray, bytes);
    AppFixture f;
    const QString source = f.path(QStringLiteral("in.htm"));
    const QString target = f.path(QStringLiteral("out.htm"));
    QVERIFY(writeFile(source, bytes));
    f.dialogs.openAnswers << source;
    f.frame->routeCommand(cmd::CmFileOpen);
    QCOMPARE(documentBytes(*f.editor()), bytes);
    f.dialogs.saveAnswers << target;
    QVERIFY(f.frame->routeCommand(cmd::CmFileSaveAs));
    QCOMPARE(readFile(target), bytes);
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TstDocuments::findDialog()
{
    AppFixture f;
    f.frame->routeCommand(cmd::CmFileNew);
    TMDIScrivletChild* firstChild = f.child();
    TScrivletEdit* first = f.editor();
    QVERIFY(f.frame->isCommandEnabled(cmd::CmEditFind));
    QVERIFY(!f.frame->isCommandEnabled(cmd::CmEditFindNext)); // nothing searched yet
    f.frame->routeCommand(cmd::CmEditFind);
    QCOMPARE(searchDialogs(f.frame).size(), 1);
    FindReplaceDialog* dialog = searchDialogs(f.frame).value(0);
    QVERIFY(!dialog->isModal());
    QVERIFY(!f.frame->isCommandEnabled(cmd::CmEditFind));
    f.frame->routeCommand(cmd::CmEditFind); // no second dialog for the same editor
    QCOMPARE(searchDialogs(f.frame).size(), 1);

    // A match is selected; a miss says so.
    dialog->findChild<QLineEdit*>()->setText(QStringLiteral("/html"));
    dialog->setOptions(false, false, true);
    first->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0L);
    emit dialog->findNextRequested();
    QCOMPARE(first->selectedText(), QStringLiteral("/html"));
    QVERIFY(f.frame->isCommandEnabled(cmd::CmEditFindNext));
    emit dialog->findNextRequested();
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("Cannot find \"/html\"."));
    QCOMPARE(f.dialogs.messages[0].caption, QStringLiteral("Scrivlet"));

    // Another editor has its own.
    f.frame->routeCommand(cmd::CmFileNew);
    QVERIFY(f.frame->isCommandEnabled(cmd::CmEditFind));
    f.frame->routeCommand(cmd::CmEditFind);
    QCOMPARE(searchDialogs(f.frame).size(), 2);

    // Dismissing the dialog offers Find again.
    f.client()->setActiveSubWindow(firstChild);
    QCOMPARE(f.editor(), first);
    dialog->reject();
    AppFixture::settle();
    QVERIFY(f.frame->isCommandEnabled(cmd::CmEditFind));
    f.frame->routeCommand(cmd::CmEditFind);
    QCOMPARE(searchDialogs(f.frame).size(), 2);
}

void TstDocuments::enterKeepsTheFilesLineEnd_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("LF file") << QByteArray("a\nb") << QByteArray("a\nb\n");
    QTest::newRow("CR file") << QByteArray("a\rb") << QByteArray("a\rb\r");
    QTest::newRow("CRLF file") << QByteArray("a\r\nb") << QByteArray("a\r\nb\r\n");
    QTest::newRow("no line end: CRLF") << QByteArray("ab") << QByteArray("ab\r\n");
}

void TstDocuments::enterKeepsTheFilesLineEnd()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);
    AppFixture f;
    const QString path = f.path(QStringLiteral("e.htm"));
    QVERIFY(writeFile(path, file));
    f.dialogs.openAnswers << path;
    f.frame->routeCommand(cmd::CmFileOpen);
    TScrivletEdit& editor = *f.editor();
    QApplication::setActiveWindow(f.frame);
    editor.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(f.frame));
    editor.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    QTest::keyClick(&editor, Qt::Key_Return);
    QCOMPARE(documentBytes(editor), expected);
}

void TstDocuments::saveAsFromPromptRenamesItsOwnWindow()
{
    AppFixture f(QByteArray("[Options]\r\nBlankFile=0\r\n"));
    f.frame->routeCommand(cmd::CmFileNew);
    TMDIScrivletChild* first = f.child();
    f.frame->routeCommand(cmd::CmFileNew);
    TMDIScrivletChild* second = f.child();
    const QString target = f.path(QStringLiteral("first.htm"));
    f.dialogs.messageAnswers << QMessageBox::Yes << QMessageBox::Cancel;
    f.dialogs.saveAnswers << target;
    QVERIFY(!f.frame->close());
    QCOMPARE(first->windowTitle(), target);
    QCOMPARE(second->windowTitle(), QStringLiteral("New Document"));
    QCOMPARE(f.child(), second);
    QVERIFY(!isModified(*first->client));
    QCOMPARE(f.childCount(), 2);
}

void TstDocuments::recentEntryOfMissingFile()
{
    AppFixture f(QByteArray("[Options]\r\nBlankFile=0\r\n"));
    const QString missing = f.path(QStringLiteral("gone.htm"));
    f.app->SaveMenuChoice(missing.toStdString());
    QVERIFY(f.frame->routeCommand(TRecentFiles::FirstCommandId));
    QCOMPARE(f.childCount(), 1);
    QCOMPARE(f.dialogs.messages.value(0).text, QStringLiteral("Unable to read file %1 from disk.").arg(missing));
    QCOMPARE(f.child()->windowTitle(), QString());
    QCOMPARE(documentBytes(*f.editor()), QByteArray(" "));
    // An entry that does not exist reads as an empty name.
    QVERIFY(f.frame->routeCommand(TRecentFiles::FirstCommandId + 5));
    QCOMPARE(f.dialogs.messages.value(1).text, QStringLiteral("Unable to read file  from disk."));
}

void TstDocuments::sameFileTwice()
{
    AppFixture f;
    const QString path = f.path(QStringLiteral("twice.htm"));
    QVERIFY(writeFile(path, "x"));
    f.dialogs.openAnswers << path << path;
    f.frame->routeCommand(cmd::CmFileOpen);
    TScrivletEdit* one = f.editor();
    f.frame->routeCommand(cmd::CmFileOpen);
    TScrivletEdit* two = f.editor();
    QVERIFY(one != two);
    one->SendScintilla(QsciScintillaBase::SCI_ADDTEXT, 1UL, "1");
    QCOMPARE(documentBytes(*two), QByteArray("x"));
    QVERIFY(!isModified(*two));
}

void TstDocuments::openFilterRemembered()
{
    struct PickSecondFilter : QueuedDialogs {
        QString getOpenFileName(QWidget* parent, FileRequest& request) override
        {
            const QString answer = QueuedDialogs::getOpenFileName(parent, request);
            request.selectedFilter = 1;
            return answer;
        }
    } dialogs;
    AppFixture f;
    DialogProvider::setInstance(&dialogs);
    f.frame->routeCommand(cmd::CmFileOpen);
    f.frame->routeCommand(cmd::CmFileOpen);
    DialogProvider::setInstance(&f.dialogs);
    QCOMPARE(dialogs.openRequests.size(), 2);
    QCOMPARE(dialogs.openRequests[0].selectedFilter, 0);
    QCOMPARE(dialogs.openRequests[1].selectedFilter, 1);
}

void TstDocuments::namedDocumentPromptAndIdleSave()
{
    AppFixture f;
    const QString path = f.path(QStringLiteral("named.htm"));
    QVERIFY(writeFile(path, "n"));
    f.dialogs.openAnswers << path;
    f.frame->routeCommand(cmd::CmFileOpen);
    // Save with nothing changed writes nothing.
    QVERIFY(QFile::remove(path));
    f.editor()->Save();
    QVERIFY(!QFile::exists(path));
    // The prompt names the file.
    typeText(*f.editor(), "x");
    f.dialogs.messageAnswers << QMessageBox::Cancel;
    f.child()->close();
    QCOMPARE(f.dialogs.messages.value(0).text, SavePrompt.arg(path));
}

QTEST_MAIN(TstDocuments)
#include "tst_documents.moc"
