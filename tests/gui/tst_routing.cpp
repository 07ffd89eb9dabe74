// Command routing and enabling in the running program: menus, toolbar, accelerators against the
// editor's own keys, recent files, window list and hints.

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "app/scrivletapp.h"
#include "app/scrivletframe.h"
#include "core/commands.h"
#include "documents/mdichild.h"
#include "documents/mdiclient.h"
#include "documents/scrivletedit.h"
#include "platform/findreplacedialog.h"
#include "support/appfixture.h"

using namespace scrivlet;

namespace {

const QByteArray NoDocument("[Options]\r\nBlankFile=0\r\n");

QMenu* menuHolding(TScrivletFrame& frame, CommandId itemId)
{
    QAction* action = frame.menuAction(itemId);
    for (QAction* top : frame.menuBar()->actions())
        if (top->menu() && top->menu()->actions().contains(action))
            return top->menu();
    return nullptr;
}

QMenu* shownMenu(TScrivletFrame& frame, CommandId itemId)
{
    QMenu* menu = menuHolding(frame, itemId);
    if (menu)
        emit menu->aboutToShow();
    return menu;
}

QSet<CommandId> enabledToolbarButtons(TScrivletFrame& frame)
{
    AppFixture::settle();
    QSet<CommandId> enabled;
    const QList<QAction*> actions = frame.toolbar()->actions();
    int index = 0;
    for (const ToolbarItem& item : scrivlet::toolbar()) {
        QAction* action = actions.value(index++);
        if (item.id && action && action->isEnabled())
            enabled << item.id;
    }
    return enabled;
}

void setText(TScrivletEdit& editor, const QByteArray& text)
{
    editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, text.constData());
}

} // namespace

class TstRouting : public QObject {
    Q_OBJECT

private slots:
    void noDocument_data();
    void noDocument();
    void oneDocument();
    void tagActsOnActiveDocument();
    void toolbarFollowsActivationAndClosing();
    void everyCommandHasItsHandler();
    void acceleratorsWinOverEditor_data();
    void acceleratorsWinOverEditor();
    void editorKeepsItsOwnKeys();
    void nextItemFindsNext();
    void windowKeys_data();
    void windowKeys();
    void disabledAcceleratorDoesNothing();
    void exitAndAbout();
    void recentFiles();
    void recentFilesSizeZero();
    void windowList();
    void hints();
    void mainWindowShape();
};

void TstRouting::noDocument_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("enabled");
    const struct {
        const char* name;
        CommandId id;
        bool enabled;
    } rows[] = {
        {"New", cmd::CmFileNew, true},        {"Open", cmd::CmFileOpen, true},
        {"Exit", cmd::CmExit, true},          {"Options", cmd::CmOptions, true},
        {"About", cmd::CmHelpAbout, true},    {"Save", cmd::CmFileSave, false},
        {"Save As", cmd::CmFileSaveAs, false}, {"Bold tag", cmd::CmBold, false},
        {"Image tag", cmd::CmIMG, false},     {"Cascade", cmd::CmCascadeChildren, false},
        {"Tile", cmd::CmTileChildren, false}, {"Arrange", cmd::CmArrangeIcons, false},
        {"Undo", cmd::CmEditUndo, false},     {"Find", cmd::CmEditFind, false},
        {"Print", cmd::CmFilePrint, false},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << int(row.id) << row.enabled;
}

void TstRouting::noDocument()
{
    QFETCH(int, id);
    QFETCH(bool, enabled);
    AppFixture f(NoDocument);
    QCOMPARE(f.childCount(), 0);
    QCOMPARE(f.frame->isCommandEnabled(CommandId(id)), enabled);
    QCOMPARE(enabledToolbarButtons(*f.frame), (QSet<CommandId>{cmd::CmFileNew, cmd::CmFileOpen}));
}

void TstRouting::oneDocument()
{
    AppFixture f(NoDocument);
    const QString file = f.path(QStringLiteral("a.htm"));
    QVERIFY(writeFile(file, "one word"));
    f.dialogs.openAnswers << file;
    f.frame->routeCommand(cmd::CmFileOpen);
    TScrivletEdit& editor = *f.editor();
    QApplication::clipboard()->clear();

    const QList<CommandId> selectionCommands = {cmd::CmEditCut, cmd::CmEditCopy, cmd::CmEditDelete};
    for (CommandId id : selectionCommands)
        QVERIFY2(!f.frame->isCommandEnabled(id), "enabled without a selection");
    QVERIFY(!f.frame->isCommandEnabled(cmd::CmFileSave)); // unmodified
    QVERIFY(f.frame->isCommandEnabled(cmd::CmFileSaveAs));
    QVERIFY(f.frame->isCommandEnabled(cmd::CmBold));
    QVERIFY(f.frame->isCommandEnabled(cmd::CmCascadeChildren));
    QVERIFY(!f.frame->isCommandEnabled(cmd::CmEditPaste));
    QVERIFY(!enabledToolbarButtons(*f.frame).contains(cmd::CmEditCut));

    selectBytes(editor, 4, 8);
    for (CommandId id : selectionCommands)
        QVERIFY2(f.frame->isCommandEnabled(id), "disabled with a selection");
    QVERIFY(enabledToolbarButtons(*f.frame).contains(cmd::CmEditCut));

    QApplication::clipboard()->setText(QStringLiteral("x"));
    QVERIFY(f.frame->isCommandEnabled(cmd::CmEditPaste));
    QVERIFY(enabledToolbarButtons(*f.frame).contains(cmd::CmEditPaste));

    f.frame->routeCommand(cmd::CmEditDelete);
    QCOMPARE(documentBytes(editor), QByteArray("one "));
    QVERIFY(f.frame->isCommandEnabled(cmd::CmFileSave));
    QVERIFY(f.frame->isCommandEnabled(cmd::CmEditUndo));
    QVERIFY(enabledToolbarButtons(*f.frame).contains(cmd::CmFileSave));
    QApplication::clipboard()->clear();
}

void TstRouting::tagActsOnActiveDocument()
{
    AppFixture f(NoDocument);
    f.frame->routeCommand(cmd::CmFileNew);
    TMDIScrivletChild* first = f.child();
    f.frame->routeCommand(cmd::CmFileNew);
    TMDIScrivletChild* second = f.child();
    QVERIFY(first != second);
    f.client()->setActiveSubWindow(first);
    QCOMPARE(f.child(), first);
    const QByteArray before = documentBytes(*second->client);
    QVERIFY(f.frame->routeCommand(cmd::CmBold));
    QVERIFY(documentBytes(*first->client).contains("<b></b>"));
    QCOMPARE(documentBytes(*second->client), before);
}

void TstRouting::toolbarFollowsActivationAndClosing()
{
    AppFixture f(NoDocument);
    f.frame->routeCommand(cmd::CmFileNew); // modified
    TMDIScrivletChild* modified = f.child();
    const QString file = f.path(QStringLiteral("t.htm"));
    QVERIFY(writeFile(file, "t"));
    f.dialogs.openAnswers << file;
    f.frame->routeCommand(cmd::CmFileOpen); // not modified, nothing to undo
    QVERIFY(!f.frame->isCommandEnabled(cmd::CmEditUndo));
    QVERIFY(!enabledToolbarButtons(*f.frame).contains(cmd::CmFileSave));
    f.client()->setActiveSubWindow(modified);
    QVERIFY(enabledToolbarButtons(*f.frame).contains(cmd::CmFileSave));
    f.dialogs.messageAnswers << QMessageBox::No;
    modified->close();
    AppFixture::settle();
    QVERIFY(!enabledToolbarButtons(*f.frame).contains(cmd::CmFileSave));
    f.child()->close();
    AppFixture::settle();
    QCOMPARE(f.childCount(), 0);
    QCOMPARE(enabledToolbarButtons(*f.frame), (QSet<CommandId>{cmd::CmFileNew, cmd::CmFileOpen}));
}

void TstRouting::everyCommandHasItsHandler()
{
    AppFixture f; // with the start-up document
    TMDIScrivletChild* child = f.child();
    QVERIFY(child);
    for (const CommandInfo& info : commands()) {
        const CommandTarget* target = nullptr;
        switch (info.owner) {
        case Owner::Editor: target = child->client; break;
        case Owner::Child: target = child; break;
        case Owner::Client: target = f.client(); break;
        case Owner::App: target = f.app.get(); break;
        case Owner::Frame: target = f.frame; break;
        case Owner::None: continue;
        }
        QVERIFY2(target->hasCommand(info.id),
                 qPrintable(QStringLiteral("%1 (%2) has no handler").arg(info.id).arg(QString::fromLatin1(info.handler))));
    }
}

void TstRouting::acceleratorsWinOverEditor_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<QByteArray>("expected");
    // The document is "word", with the given anchor and the caret at its end.
    QTest::newRow("Ctrl+B bolds, not the editor's nothing") << QKeySequence("Ctrl+B") << 0 << QByteArray("<b>word</b>");
    QTest::newRow("Ctrl+U underlines, not lower case") << QKeySequence("Ctrl+U") << 0 << QByteArray("<u>word</u>");
    QTest::newRow("Ctrl+A centres, not select all") << QKeySequence("Ctrl+A") << 0 << QByteArray("<center>word</center>");
    QTest::newRow("Ctrl+T titles, not swap lines") << QKeySequence("Ctrl+T") << 0 << QByteArray("<title>word</title>");
    QTest::newRow("Ctrl+Del clears all, not delete word") << QKeySequence("Ctrl+Del") << 4 << QByteArray("");
    QTest::newRow("Ctrl+Return paragraph, not a line end") << QKeySequence("Ctrl+Return") << 4 << QByteArray("word<p>");
    QTest::newRow("Alt+Return line break, not a line end") << QKeySequence("Alt+Return") << 4 << QByteArray("word<br>");
    QTest::newRow("Ctrl+L left-aligns, not cut the line") << QKeySequence("Ctrl+L") << 0 << QByteArray("<p align=\"left\">word</p>");
    QTest::newRow("Ctrl+R right-aligns") << QKeySequence("Ctrl+R") << 0 << QByteArray("<p align=\"right\">word</p>");
    QTest::newRow("Ctrl+J justifies") << QKeySequence("Ctrl+J") << 0 << QByteArray("<p align=\"justify\">word</p>");
    QTest::newRow("Ctrl+H wraps in HTML, not backspace") << QKeySequence("Ctrl+H") << 0 << QByteArray("<html>word</html>");
    QTest::newRow("Ctrl+I italic, not a tab") << QKeySequence("Ctrl+I") << 0 << QByteArray("<i>word</i>");
    QTest::newRow("Ctrl+Alt+T previews, not a title") << QKeySequence("Ctrl+Alt+T") << 0 << QByteArray("word");
}

void TstRouting::acceleratorsWinOverEditor()
{
    QFETCH(QKeySequence, key);
    QFETCH(int, anchor);
    QFETCH(QByteArray, expected);
    AppFixture f; // the start-up document
    TScrivletEdit& editor = *f.editor();
    QApplication::setActiveWindow(f.frame);
    editor.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(f.frame));
    setText(editor, "word");
    selectBytes(editor, anchor, 4);
    const QKeyCombination combination = key[0];
    QTest::keyClick(&editor, combination.key(), combination.keyboardModifiers());
    QCOMPARE(documentBytes(editor), expected);
    if (expected.isEmpty())
        QVERIFY2(!f.frame->isCommandEnabled(cmd::CmEditClear), "Clear All offered on an empty document");
    if (combination == QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_T)) {
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("Save File Before Continuing?"));
    }
}

void TstRouting::editorKeepsItsOwnKeys()
{
    AppFixture f;
    TScrivletEdit& editor = *f.editor();
    QApplication::setActiveWindow(f.frame);
    editor.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(f.frame));
    QSignalSpy changed(&editor, &QsciScintilla::textChanged);
    QSignalSpy lines(&editor, &QsciScintilla::linesChanged);
    QSignalSpy modification(&editor, &QsciScintilla::modificationChanged);
    QTest::keyClicks(&editor, QStringLiteral("ab"));
    QCOMPARE(documentBytes(editor), QByteArray("ab "));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(modification.count(), 1);
    QVERIFY(isModified(editor));
    QVERIFY(enabledToolbarButtons(*f.frame).contains(cmd::CmFileSave));
    QCOMPARE(lines.count(), 0);
    QTest::keyClick(&editor, Qt::Key_Return);
    QCOMPARE(documentBytes(editor), QByteArray("ab\r\n ")); // a new document's line end
    QCOMPARE(lines.count(), 1);
    // Typing is one undo step.
    QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(documentBytes(editor), QByteArray(" "));
    QVERIFY(!isModified(editor));
    QVERIFY(!enabledToolbarButtons(*f.frame).contains(cmd::CmFileSave));
    QTest::keyClick(&editor, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(documentBytes(editor), QByteArray("ab\r\n "));

    // Pasting and cutting by key go through the program's commands.
    QApplication::clipboard()->setText(QStringLiteral("<i>"));
    QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(documentBytes(editor), QByteArray("ab\r\n<i> "));
    selectBytes(editor, 0, 2);
    QTest::keyClick(&editor, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(documentBytes(editor), QByteArray("\r\n<i> "));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("ab"));
    QApplication::clipboard()->clear();
    // Del keeps its editor meaning: the line end after the caret goes, both of its bytes.
    QTest::keyClick(&editor, Qt::Key_Delete);
    QCOMPARE(documentBytes(editor), QByteArray("<i> "));
    QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(documentBytes(editor), QByteArray("\r\n<i> "));
    // Text from an input method arrives as UTF-8 bytes, with the same signals.
    changed.clear();
    editor.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0L);
    QInputMethodEvent compose;
    compose.setCommitString(QStringLiteral("\u00e9"));
    QCoreApplication::sendEvent(&editor, &compose);
    QCOMPARE(documentBytes(editor), QByteArray("\xc3\xa9\r\n<i> "));
    QVERIFY(changed.count() >= 1);
    QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(documentBytes(editor), QByteArray("\r\n<i> "));

}

void TstRouting::nextItemFindsNext()
{
    AppFixture f;
    setText(*f.editor(), "a x a x a");
    f.frame->routeCommand(cmd::CmEditFind);
    auto* dialog = f.frame->findChild<FindReplaceDialog*>();
    QVERIFY(dialog);
    dialog->findChild<QLineEdit*>()->setText(QStringLiteral("x"));
    emit dialog->findNextRequested();
    QCOMPARE(f.editor()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART), 2L);
    QAction* next = f.frame->menuAction(cmd::CmNext);
    QVERIFY(next);
    shownMenu(*f.frame, cmd::CmNext);
    QVERIFY(next->isEnabled());
    next->trigger();
    QCOMPARE(f.editor()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART), 6L);
}

void TstRouting::windowKeys_data()
{
    QTest::addColumn<bool>("maximized");
    QTest::newRow("normal windows") << false;
    QTest::newRow("maximized windows") << true;
}

void TstRouting::windowKeys()
{
    QFETCH(bool, maximized);
    AppFixture f(NoDocument);
    f.frame->routeCommand(cmd::CmFileNew);
    TMDIScrivletChild* first = f.child();
    if (maximized)
        first->showMaximized();
    f.frame->routeCommand(cmd::CmFileNew);
    TMDIScrivletChild* second = f.child();
    QCOMPARE(second->isMaximized(), maximized);
    QApplication::setActiveWindow(f.frame);
    second->client->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(f.frame));
    QTest::keyClick(second->client, Qt::Key_F6, Qt::ControlModifier);
    QCOMPARE(f.child(), first);
    // Ctrl+F4 closes the active document, asking first.
    QPointer<TMDIScrivletChild> closing = first;
    f.dialogs.messageAnswers << QMessageBox::No;
    QTest::keyClick(first->client, Qt::Key_F4, Qt::ControlModifier);
    AppFixture::settle();
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(!closing);
    QCOMPARE(f.childCount(), 1);
    // Keys the table does not name close nothing.
    QTest::keyClick(second->client, Qt::Key_W, Qt::ControlModifier);
    AppFixture::settle();
    QCOMPARE(f.childCount(), 1);
}

void TstRouting::disabledAcceleratorDoesNothing()
{
    AppFixture f;
    TScrivletEdit& editor = *f.editor();
    QApplication::setActiveWindow(f.frame);
    editor.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(f.frame));
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::keyClick(&editor, Qt::Key_X, Qt::ControlModifier); // nothing selected: Cut is off
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
    QCOMPARE(documentBytes(editor), QByteArray(" "));
    f.dialogs.saveAnswers << f.path(QStringLiteral("never.htm"));
    QTest::keyClick(&editor, Qt::Key_S, Qt::ControlModifier); // unmodified: Save is off
    QVERIFY(f.dialogs.saveRequests.isEmpty());
    QApplication::clipboard()->clear();
}

void TstRouting::exitAndAbout()
{
    AppFixture f;
    QVERIFY(f.frame->routeCommand(cmd::CmHelpAbout));
    QCOMPARE(f.dialogs.execTitles, QStringList{QStringLiteral("About Scrivlet")});
    f.frame->routeCommand(cmd::CmFileNew);
    f.dialogs.messageAnswers << QMessageBox::Cancel;
    QVERIFY(f.frame->routeCommand(cmd::CmExit));
    QCOMPARE(f.dialogs.messages.size(), 1); // the modified new document asked
    QVERIFY(f.frame->isVisible());
    f.dialogs.messageAnswers << QMessageBox::No;
    f.frame->routeCommand(cmd::CmExit);
    QVERIFY(!f.frame->isVisible());
}

void TstRouting::recentFiles()
{
    AppFixture f(NoDocument);
    QMenu* file = shownMenu(*f.frame, cmd::CmExit);
    QVERIFY(file);
    const QList<QAction*> plain = file->actions();
    QVERIFY2(!plain.value(plain.indexOf(f.frame->menuAction(cmd::CmExit)) - 2)->isSeparator(),
             "an empty list adds no separator");

    const QString a = f.path(QStringLiteral("a&b.htm"));
    const QString b = f.path(QStringLiteral("b.htm"));
    QVERIFY(writeFile(a, "A"));
    QVERIFY(writeFile(b, "B"));
    f.app->SaveMenuChoice(a.toStdString());
    f.app->SaveMenuChoice(b.toStdString());
    emit file->aboutToShow();
    emit file->aboutToShow(); // shown twice: the entries are not repeated
    QList<QAction*> actions = file->actions();
    const qsizetype exit = actions.indexOf(f.frame->menuAction(cmd::CmExit));
    QCOMPARE(actions.size(), plain.size() + 3);
    QVERIFY(actions[exit - 1]->isSeparator());
    QCOMPARE(actions[exit - 2]->text(), QStringLiteral("&2 ") + QString(a).replace(QStringLiteral("&"), QStringLiteral("&&")));
    QCOMPARE(actions[exit - 3]->text(), QStringLiteral("&1 ") + b);
    QVERIFY(actions[exit - 4]->isSeparator());
    QVERIFY(actions[exit - 2]->statusTip().isEmpty());

    // Pointing at an item shows its hint; pointing at an entry empties the area.
    f.frame->menuBar()->setActiveAction(file->menuAction());
    QVERIFY(QTest::qWaitForWindowExposed(file));
    actions = file->actions(); // showing the menu made the entries anew
    QTest::mouseMove(file, file->actionGeometry(f.frame->menuAction(cmd::CmFileNew)).center());
    QCOMPARE(f.frame->statusBar()->currentMessage(), QStringLiteral("Creates a new window"));
    QTest::mouseMove(file, file->actionGeometry(actions[exit - 2]).center());
    QCOMPARE(f.frame->statusBar()->currentMessage(), QString());
    QTest::mouseMove(file, file->actionGeometry(f.frame->menuAction(cmd::CmExit)).center());
    QCOMPARE(f.frame->statusBar()->currentMessage(), QStringLiteral("Quits Scrivlet and prompts to save the documents"));
    file->hide();
    QCOMPARE(f.frame->statusBar()->currentMessage(), QString());

    actions[exit - 2]->trigger();
    QCOMPARE(f.childCount(), 1);
    QCOMPARE(f.child()->windowTitle(), a);
    QCOMPARE(documentBytes(*f.editor()), QByteArray("A"));
    QCOMPARE(f.app->GetMenuText(TRecentFiles::FirstCommandId), b.toStdString()); // order unchanged
}

void TstRouting::recentFilesSizeZero()
{
    AppFixture f(QByteArray("[Options]\r\nBlankFile=0\r\nMRUSize=0\r\n"));
    QMenu* file = menuHolding(*f.frame, cmd::CmExit);
    const qsizetype plain = file->actions().size();
    const QString path = f.path(QStringLiteral("z.htm"));
    QVERIFY(writeFile(path, "z"));
    f.dialogs.openAnswers << path;
    f.frame->routeCommand(cmd::CmFileOpen);
    QCOMPARE(f.childCount(), 1);
    emit file->aboutToShow();
    QCOMPARE(file->actions().size(), plain);
}

void TstRouting::windowList()
{
    AppFixture f; // the start-up document
    const QString file = f.path(QStringLiteral("w.htm"));
    QVERIFY(writeFile(file, "w"));
    f.dialogs.openAnswers << file;
    f.frame->routeCommand(cmd::CmFileOpen);
    QMenu* window = menuHolding(*f.frame, cmd::CmCascadeChildren);
    QVERIFY(window);
    f.frame->menuBar()->setActiveAction(window->menuAction()); // opened from the menu bar, as a user does
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QList<QAction*> actions = window->actions();
    QAction* first = actions.value(actions.size() - 2);
    QAction* second = actions.value(actions.size() - 1);
    QVERIFY(actions.value(actions.size() - 3)->isSeparator());
    QCOMPARE(first->text(), QStringLiteral("&1 New Document"));
    QCOMPARE(second->text(), QStringLiteral("&2 ") + file);
    QVERIFY(!first->isChecked());
    QVERIFY(second->isChecked());
    QTest::mouseMove(window, window->actionGeometry(f.frame->menuAction(cmd::CmTileChildren)).center());
    QVERIFY(!f.frame->statusBar()->currentMessage().isEmpty());
    QTest::mouseMove(window, window->actionGeometry(first).center());
    QCOMPARE(f.frame->statusBar()->currentMessage(), QString());
    window->hide();
    first->trigger();
    QCOMPARE(f.child()->windowTitle(), QStringLiteral("New Document"));
}

void TstRouting::hints()
{
    AppFixture f;
    const struct {
        CommandId item;
        const char* hint;
    } rows[] = {
        {cmd::CmFileNew, "Creates a new window"},
        {cmd::CmExit, "Quits Scrivlet and prompts to save the documents"},
        {cmd::CmFontSize, "Change Font Size"}, // "&SIZE" borrows an unused hint
        {cmd::CmArrangeIcons, "Arrange Icons"}, // so does "&Arrange Icons"
        {cmd::CmNext, ""},                      // its own id has no text
    };
    for (const auto& row : rows) {
        QAction* action = f.frame->menuAction(row.item);
        QVERIFY2(action, row.hint);
        QCOMPARE(action->statusTip(), QString::fromLatin1(row.hint));
    }
    // The find-next button has a hint but no tooltip; the others have both.
    const QList<QAction*> buttons = f.frame->toolbar()->actions();
    int index = 0;
    for (const ToolbarItem& item : scrivlet::toolbar()) {
        QAction* button = buttons.value(index++);
        if (!item.id)
            continue;
        QCOMPARE(button->statusTip(), QString::fromStdString(statusHint(item.id)));
        QCOMPARE(button->toolTip().isEmpty(), item.id == cmd::CmEditFindNext);
    }
    // Pointing at the find-next button shows its hint.
    const int findNext = int(std::find_if(scrivlet::toolbar().begin(), scrivlet::toolbar().end(),
                                          [](const ToolbarItem& i) { return i.id == cmd::CmEditFindNext; })
                             - scrivlet::toolbar().begin());
    QWidget* button = f.frame->toolbar()->widgetForAction(buttons.value(findNext));
    QVERIFY(button);
    QTest::mouseMove(button);
    QCOMPARE(f.frame->statusBar()->currentMessage(), QStringLiteral("Finds the next match"));
    // Closing a menu clears the hint.
    QMenu* file = menuHolding(*f.frame, cmd::CmExit);
    f.frame->statusBar()->showMessage(QStringLiteral("Creates a new window"));
    emit file->aboutToHide();
    QVERIFY(f.frame->statusBar()->currentMessage().isEmpty());
}

void TstRouting::mainWindowShape()
{
    AppFixture f(NoDocument); // a maximized document adds its caption, as in any multi-document frame
    QCOMPARE(f.frame->windowTitle(), QStringLiteral("Scrivlet"));
    QStringList menus;
    for (QAction* top : f.frame->menuBar()->actions())
        menus << top->text();
    QCOMPARE(menus, (QStringList{"&File", "&Edit", "&Insert", "&Style", "&Breaks", "Str&ucture", "&Window", "&Help"}));
    QCOMPARE(f.frame->toolbar()->windowTitle(), QStringLiteral("Toolbar"));
    QVERIFY(f.frame->toolbar()->isMovable());
    QVERIFY(f.frame->toolbar()->isFloatable());
    QCOMPARE(f.frame->toolBarArea(f.frame->toolbar()), Qt::TopToolBarArea);
    QStringList indicators;
    for (QLabel* label : f.frame->statusBar()->findChildren<QLabel*>())
        indicators << label->text();
    for (const char* text : {"CAPS", "NUM", "SCRL"})
        QVERIFY2(indicators.contains(QLatin1String(text)), text);
}

QTEST_MAIN(TstRouting)
#include "tst_routing.moc"
