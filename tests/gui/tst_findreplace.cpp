// Find and Replace through the program's dialogs, on UTF-8 and 8-bit documents.

#include <QLineEdit>
#include <QTest>

#include "app/scrivletframe.h"
#include "documents/mdichild.h"
#include "documents/mdiclient.h"
#include "documents/scrivletedit.h"
#include "platform/findreplacedialog.h"
#include "support/appfixture.h"

using namespace scrivlet;

namespace {

// Opens `bytes` as a file and the find (or replace) dialog of its editor with the given texts.
FindReplaceDialog* openDialog(AppFixture& f, const QByteArray& bytes, bool replace, const QString& find,
                              const QString& with = {})
{
    const QString file = f.path(QStringLiteral("s.htm"));
    writeFile(file, bytes);
    f.dialogs.openAnswers << file;
    f.frame->routeCommand(cmd::CmFileOpen);
    f.frame->routeCommand(replace ? cmd::CmEditReplace : cmd::CmEditFind);
    FindReplaceDialog* dialog = nullptr;
    for (FindReplaceDialog* d : f.frame->findChildren<FindReplaceDialog*>())
        if (d->isVisible() && d->windowTitle() == (replace ? QStringLiteral("Replace") : QStringLiteral("Find")))
            dialog = d;
    if (!dialog)
        return nullptr;
    const QList<QLineEdit*> fields = dialog->findChildren<QLineEdit*>();
    fields.value(0)->setText(find);
    if (replace)
        fields.value(1)->setText(with);
    return dialog;
}

long selectionStart(TScrivletEdit& e) { return e.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART); }
long selectionEnd(TScrivletEdit& e) { return e.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND); }

} // namespace

class TstFindReplace : public QObject {
    Q_OBJECT

private slots:
    void find_data();
    void find();
    void replaceAll_data();
    void replaceAll();
    void replaceOneThenNext();
    void findNextKeyAfterDialogClosed();
    void dialogGoesWithItsDocument();
};

void TstFindReplace::find_data()
{
    QTest::addColumn<QByteArray>("doc");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<long>("caret");
    QTest::addColumn<long>("start"); // -1: not found
    QTest::addColumn<long>("end");
    QTest::newRow("forward from the caret") << QByteArray("ab ab ab") << "ab" << false << false << true << 1L << 3L << 5L;
    QTest::newRow("backward from the caret") << QByteArray("ab ab ab") << "ab" << false << false << false << 5L << 3L << 5L;
    QTest::newRow("case ignored") << QByteArray("x ABC") << "abc" << false << false << true << 0L << 2L << 5L;
    QTest::newRow("case matched") << QByteArray("x ABC") << "abc" << true << false << true << 0L << -1L << -1L;
    QTest::newRow("whole word skips a part") << QByteArray("abc ab") << "ab" << false << true << true << 0L << 4L << 6L;
    QTest::newRow("8-bit document, non-ASCII needle") << QByteArray("x caf\xe9!") << QStringLiteral("caf\u00e9") << false
                                                      << false << true << 0L << 2L << 6L;
    QTest::newRow("8-bit document: a needle beyond Latin-1 does not match \"?\"")
        << QByteArray("a ? b") << QStringLiteral("\u20ac") << false << false << true << 0L << -1L << -1L;
    QTest::newRow("UTF-8 document, non-ASCII needle") << QByteArray("x caf\xc3\xa9!") << QStringLiteral("caf\u00e9")
                                                      << false << false << true << 0L << 2L << 7L;
}

void TstFindReplace::find()
{
    QFETCH(QByteArray, doc);
    QFETCH(QString, needle);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(bool, forward);
    QFETCH(long, caret);
    QFETCH(long, start);
    QFETCH(long, end);
    AppFixture f;
    FindReplaceDialog* dialog = openDialog(f, doc, false, needle);
    QVERIFY(dialog);
    dialog->setOptions(matchCase, wholeWord, forward);
    f.editor()->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, caret);
    emit dialog->findNextRequested();
    if (start < 0) {
        QCOMPARE(f.dialogs.messages.value(0).text, QStringLiteral("Cannot find \"%1\".").arg(needle));
        QCOMPARE(f.dialogs.messages.value(0).icon, QMessageBox::Warning);
        return;
    }
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(selectionStart(*f.editor()), start);
    QCOMPARE(selectionEnd(*f.editor()), end);
    QCOMPARE(documentBytes(*f.editor()), doc);
}

void TstFindReplace::replaceAll_data()
{
    QTest::addColumn<QByteArray>("doc");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QString>("with");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("every match") << QByteArray("<B>x</B><B>") << "B" << "b" << QByteArray("<b>x</b><b>");
    QTest::newRow("replacement holding the needle ends") << QByteArray("a a") << "a" << "aa" << QByteArray("aa aa");
    QTest::newRow("empty replacement removes") << QByteArray("a-b-c") << "-" << "" << QByteArray("abc");
    QTest::newRow("8-bit document: a needle beyond Latin-1 replaces no \"?\"")
        << QByteArray("\xe9?") << QStringLiteral("\u20ac") << "x" << QByteArray("\xe9?");
    QTest::newRow("8-bit bytes stay 8-bit") << QByteArray("\xe9t\xe9") << QStringLiteral("\u00e9") << QStringLiteral("\u00e8")
                                            << QByteArray("\xe8t\xe8");
}

void TstFindReplace::replaceAll()
{
    QFETCH(QByteArray, doc);
    QFETCH(QString, needle);
    QFETCH(QString, with);
    QFETCH(QByteArray, expected);
    AppFixture f;
    FindReplaceDialog* dialog = openDialog(f, doc, true, needle, with);
    QVERIFY(dialog);
    dialog->setOptions(true, false, true);
    emit dialog->replaceAllRequested();
    QCOMPARE(documentBytes(*f.editor()), expected);
    if (expected == doc) {
        QCOMPARE(f.dialogs.messages.value(0).text, QStringLiteral("Cannot find \"%1\".").arg(needle));
        QVERIFY(!isModified(*f.editor()));
        return;
    }
    QVERIFY(isModified(*f.editor()));
    // One undo step takes it all back.
    f.frame->routeCommand(cmd::CmEditUndo);
    QCOMPARE(documentBytes(*f.editor()), doc);
}

void TstFindReplace::replaceOneThenNext()
{
    AppFixture f;
    FindReplaceDialog* dialog = openDialog(f, "x1 x2 x3", true, QStringLiteral("x"), QStringLiteral("yy"));
    QVERIFY(dialog);
    emit dialog->replaceRequested(); // nothing selected: finds the first
    QCOMPARE(documentBytes(*f.editor()), QByteArray("x1 x2 x3"));
    QCOMPARE(selectionStart(*f.editor()), 0L);
    emit dialog->replaceRequested(); // replaces it, selects the next
    QCOMPARE(documentBytes(*f.editor()), QByteArray("yy1 x2 x3"));
    QCOMPARE(selectionStart(*f.editor()), 4L);
    QCOMPARE(selectionEnd(*f.editor()), 5L);
}

void TstFindReplace::findNextKeyAfterDialogClosed()
{
    AppFixture f;
    FindReplaceDialog* dialog = openDialog(f, "a x a x", false, QStringLiteral("x"));
    QVERIFY(dialog);
    emit dialog->findNextRequested();
    QCOMPARE(selectionStart(*f.editor()), 2L);
    dialog->close();
    AppFixture::settle();
    QVERIFY(f.frame->findChildren<FindReplaceDialog*>().isEmpty());
    QVERIFY(f.frame->isCommandEnabled(cmd::CmEditFind));
    QVERIFY(f.frame->isCommandEnabled(cmd::CmEditFindNext));
    QVERIFY(f.frame->routeCommand(cmd::CmEditFindNext));
    QCOMPARE(selectionStart(*f.editor()), 6L);
}

void TstFindReplace::dialogGoesWithItsDocument()
{
    AppFixture f;
    QPointer<FindReplaceDialog> dialog = openDialog(f, "abc", false, QStringLiteral("b"));
    QVERIFY(dialog);
    f.child()->close();
    AppFixture::settle();
    QVERIFY(!dialog);
}

QTEST_MAIN(TstFindReplace)
#include "tst_findreplace.moc"
