// Tag insertion on the real QScintilla editor: the outcome table, undo, and the byte-level editor
// operations it is built on.

#include <QSignalSpy>
#include <QTest>
#include <Qsci/qsciscintilla.h>

#include <optional>
#include <string>

#include "platform/editoradapter.h"
#include "platform/htmlinsert.h"

using namespace scrivlet;

namespace {

using Sci = QsciScintillaBase;

void setBytes(QsciScintilla& editor, const std::string& bytes)
{
    editor.SendScintilla(Sci::SCI_CLEARALL);
    editor.SendScintilla(Sci::SCI_ADDTEXT, static_cast<uintptr_t>(bytes.size()), bytes.data());
    editor.SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    editor.SendScintilla(Sci::SCI_SETSAVEPOINT);
}

QByteArray bytesOf(QsciScintilla& editor)
{
    EditorAdapter adapter(editor);
    return QByteArray::fromStdString(adapter.textBetween(0, adapter.length()));
}

QByteArray b(const std::string& s) { return QByteArray::fromStdString(s); }
QByteArray b(const std::optional<std::string>& s) { return s ? b(*s) : QByteArray("(none)"); }

long caretOf(const QsciScintilla& editor) { return editor.SendScintilla(Sci::SCI_GETCURRENTPOS); }
long anchorOf(const QsciScintilla& editor) { return editor.SendScintilla(Sci::SCI_GETANCHOR); }
bool modified(const QsciScintilla& editor) { return editor.SendScintilla(Sci::SCI_GETMODIFY) != 0; }

struct Case {
    std::string doc;
    long anchor, caret; // the selection as the user made it
    std::string open;
    std::optional<std::string> close;
    bool lower;
    std::string expectedDoc;
    long expectedCaret;
    std::string expectedOpen; // the caller's storage after the call
    std::optional<std::string> expectedClose;
};

} // namespace

Q_DECLARE_METATYPE(Case)

class TstHtmlInsert : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        editor = std::make_unique<QsciScintilla>();
        editor->setUtf8(true);
    }
    void cleanup() { editor.reset(); }

    void outcomeTable_data()
    {
        QTest::addColumn<Case>("c");
        // "one Two three": "Two" is [4, 7).
        const std::string doc = "one Two three";
        QTest::newRow("selection + closing text: caret after the closing text; the word keeps its case")
            << Case{doc, 4, 7, "<B>", "</b>", true, "one <b>Two</b> three", 14, "<b>", "</b>"};
        QTest::newRow("upper case: both tags upper, the mixed-case word untouched")
            << Case{doc, 4, 7, "<b>", "</B>", false, "one <B>Two</B> three", 14, "<B>", "</B>"};
        QTest::newRow("selection, no closing text: the word stays, caret after the word")
            << Case{doc, 4, 7, "<br>", std::nullopt, true, "one <br>Two three", 11, "<br>", std::nullopt};
        QTest::newRow("no selection + closing text: both at the caret, caret after the closing text")
            << Case{doc, 4, 4, "<h1>", "</h1>", true, "one <h1></h1>Two three", 13, "<h1>", "</h1>"};
        QTest::newRow("no selection, no closing text: caret after the opening text")
            << Case{doc, 4, 4, "<HR>", std::nullopt, true, "one <hr>Two three", 8, "<hr>", std::nullopt};
        QTest::newRow("selection made backwards reads as the same range")
            << Case{doc, 7, 4, "<i>", "</i>", true, "one <i>Two</i> three", 14, "<i>", "</i>"};
        QTest::newRow("whole document between the tags")
            << Case{doc, 0, 13, "<p>", "</p>", true, "<p>one Two three</p>", 20, "<p>", "</p>"};
        QTest::newRow("multi-line selection re-inserted exactly, line breaks included")
            << Case{"a\r\nb\nc\rd", 1, 7, "<pre>", "</pre>", true, "a<pre>\r\nb\nc\r</pre>d", 18, "<pre>",
                    "</pre>"};
        QTest::newRow("empty opening text: text unchanged, selection becomes a caret after it")
            << Case{doc, 4, 7, "", std::nullopt, true, doc, 7, "", std::nullopt};
        QTest::newRow("tag texts: only ASCII letters change, 0x80-0xFF and punctuation stay")
            << Case{doc, 4, 4, "<IMG SRC=\"Caf\xe9 1%.gif\">", std::nullopt, true,
                    "one <img src=\"caf\xe9 1%.gif\">Two three", 27, "<img src=\"caf\xe9 1%.gif\">", std::nullopt};
        QTest::newRow("positions are bytes: multi-byte characters before the selection")
            << Case{"\xc3\xa7\xc3\xa0 mot", 5, 8, "<u>", "</u>", false, "\xc3\xa7\xc3\xa0 <U>mot</U>", 15, "<U>",
                    "</U>"};
        QTest::newRow("skeleton of a new document at the caret before the initial blank")
            << Case{" ", 0, 0, "<HTML>\r\n\r\n", "</HTML>", true, "<html>\r\n\r\n</html> ", 17, "<html>\r\n\r\n",
                    "</html>"};
    }

    void outcomeTable()
    {
        QFETCH(Case, c);
        setBytes(*editor, c.doc);
        editor->SendScintilla(Sci::SCI_SETSEL, static_cast<unsigned long>(c.anchor), c.caret);

        std::string open = c.open;
        std::optional<std::string> close = c.close;
        htmlInsert(*editor, open.data(), close ? close->data() : nullptr, c.lower);

        QCOMPARE(bytesOf(*editor), b(c.expectedDoc));
        QCOMPARE(caretOf(*editor), c.expectedCaret);
        QCOMPARE(anchorOf(*editor), c.expectedCaret); // nothing selected
        QCOMPARE(b(open), b(c.expectedOpen));
        QCOMPARE(b(close), b(c.expectedClose));
        QCOMPARE(modified(*editor), c.expectedDoc != c.doc);
    }

    void emptyTextsAtACaretLeaveTheDocumentAsItWas()
    {
        setBytes(*editor, "abc");
        editor->SendScintilla(Sci::SCI_GOTOPOS, 1L);
        char open[] = "";
        htmlInsert(*editor, open, nullptr, true);
        QCOMPARE(bytesOf(*editor), QByteArray("abc"));
        QCOMPARE(caretOf(*editor), 1L);
        QVERIFY(!modified(*editor));
        QVERIFY(!editor->isUndoAvailable());
    }

    void sameStorageFollowsTheCaseSettingOfEachCall()
    {
        // A fixed command's text keeps the case of its last use; the next use converts it again.
        setBytes(*editor, "");
        std::string open = "<Table Border=1>";
        std::string close = "</Table>";
        htmlInsert(*editor, open.data(), close.data(), true);
        htmlInsert(*editor, open.data(), close.data(), false);
        QCOMPARE(bytesOf(*editor), QByteArray("<table border=1></table><TABLE BORDER=1></TABLE>"));
    }

    void textsGoInByteForByteWithoutConversion()
    {
        // The unconverted form must keep the case and every byte, NUL included.
        setBytes(*editor, "xy");
        editor->SendScintilla(Sci::SCI_SETSEL, 1UL, 1L);
        htmlInsert(*editor, std::string_view("<A\0\xff>", 5), std::string_view("</A>"));
        QCOMPARE(bytesOf(*editor), QByteArray("x<A\0\xff></A>y", 11));
        QCOMPARE(caretOf(*editor), 10L);
    }

    void undoRemovesBothTagsThenTheTypingBefore()
    {
        editor->show();
        QTest::keyClicks(editor.get(), "say hello");
        QCOMPARE(bytesOf(*editor), QByteArray("say hello"));
        editor->SendScintilla(Sci::SCI_SETSEL, 4UL, 9L);

        char open[] = "<b>";
        char close[] = "</b>";
        htmlInsert(*editor, open, close, true);
        QCOMPARE(bytesOf(*editor), QByteArray("say <b>hello</b>"));

        editor->undo();
        QCOMPARE(bytesOf(*editor), QByteArray("say hello"));
        QVERIFY2(editor->isUndoAvailable(), "the typing before the insertion is still undoable");
        while (editor->isUndoAvailable())
            editor->undo();
        QCOMPARE(bytesOf(*editor), QByteArray());

        editor->redo();
        while (editor->isRedoAvailable())
            editor->redo();
        QCOMPARE(bytesOf(*editor), QByteArray("say <b>hello</b>"));
    }

    void insertionRightAfterTypingIsItsOwnUndoStep()
    {
        // Typing is coalesced into one undo action; an insertion at the caret must not join it.
        editor->show();
        QTest::keyClicks(editor.get(), "abc");
        char open[] = "<br>";
        htmlInsert(*editor, open, nullptr, true);
        QCOMPARE(bytesOf(*editor), QByteArray("abc<br>"));
        editor->undo();
        QCOMPARE(bytesOf(*editor), QByteArray("abc"));
    }

    void adapterReadsAndReplacesBytes()
    {
        setBytes(*editor, std::string("a\0b\xe9 tail", 9));
        EditorAdapter adapter(*editor);
        editor->SendScintilla(Sci::SCI_SETSEL, 4UL, 0L); // made backwards
        const EditorAdapter::Selection sel = adapter.selection();
        QCOMPARE(sel.start, 0LL);
        QCOMPARE(sel.end, 4LL);
        QCOMPARE(b(adapter.textBetween(sel.start, sel.end)), QByteArray("a\0b\xe9", 4));
        QCOMPARE(b(adapter.textBetween(9, 4)), QByteArray(" tail"));

        adapter.replaceSelection(std::string_view("X\0Y", 3));
        QCOMPARE(bytesOf(*editor), QByteArray("X\0Y tail", 8));
        QCOMPARE(caretOf(*editor), 3L);
        QCOMPARE(anchorOf(*editor), 3L);
        QVERIFY(modified(*editor));
        editor->undo();
        QCOMPARE(bytesOf(*editor), QByteArray("a\0b\xe9 tail", 9));
    }

    void listenersHearOfEveryChangeOnce()
    {
        // Per-change notifications are held back during an insertion; the editor's change signals,
        // which the command enabling listens to, must still come, once per operation.
        setBytes(*editor, "word");
        QSignalSpy text(editor.get(), &QsciScintilla::textChanged);
        QSignalSpy lines(editor.get(), &QsciScintilla::linesChanged);
        QSignalSpy modification(editor.get(), &QsciScintilla::modificationChanged);
        editor->SendScintilla(Sci::SCI_SETSEL, 0UL, 4L);
        htmlInsert(*editor, std::string_view("<p>\r\n"), std::string_view("\r\n</p>"));
        QCOMPARE(text.count(), 1);
        QCOMPARE(lines.count(), 1);
        QCOMPARE(modification.count(), 1);

        EditorAdapter adapter(*editor);
        adapter.undo();
        QCOMPARE(bytesOf(*editor), QByteArray("word"));
        QCOMPARE(text.count(), 2);
        QVERIFY(!modified(*editor));
        adapter.redo();
        QCOMPARE(bytesOf(*editor), QByteArray("<p>\r\nword\r\n</p>"));
        QCOMPARE(text.count(), 3);

        adapter.replaceSelection("x");
        QCOMPARE(text.count(), 4);
        QCOMPARE(lines.count(), 3);

        htmlInsert(*editor, std::string_view());
        QCOMPARE(text.count(), 4); // nothing inserted, nothing to hear

        {
            // A change of the same length with undo already available still counts.
            QuietEdit quiet(*editor);
            editor->SendScintilla(Sci::SCI_SETTARGETRANGE, 0UL, 1L);
            editor->SendScintilla(Sci::SCI_REPLACETARGET, 1UL, "P");
        }
        QCOMPARE(text.count(), 5);
        QCOMPARE(bytesOf(*editor).left(1), QByteArray("P"));
        {
            QuietEdit quiet(*editor);
        }
        QCOMPARE(text.count(), 5);
    }

private:
    std::unique_ptr<QsciScintilla> editor;
};

QTEST_MAIN(TstHtmlInsert)
#include "tst_htmlinsert.moc"
