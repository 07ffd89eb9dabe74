// The colour commands through the running program, the colour picker answered by the test.

#include <QTest>
#include <Qsci/qscilexer.h>

#include <optional>

#include "app/scrivletapp.h"
#include "app/scrivletframe.h"
#include "core/commands.h"
#include "documents/scrivletedit.h"
#include "support/appfixture.h"

using namespace scrivlet;

namespace {

using Sci = QsciScintillaBase;

// Answers the colour picker from a queue (nothing queued: Cancel) and records its captions.
class ColorDialogs : public QueuedDialogs {
public:
    QList<std::optional<QColor>> colorAnswers;
    QStringList colorCaptions;

    std::optional<QColor> getColor(QWidget*, const QString& caption) override
    {
        colorCaptions << caption;
        return colorAnswers.isEmpty() ? std::nullopt : colorAnswers.takeFirst();
    }
};

// Background and text colour of every style the HTML colouring uses, as the editor paints them.
struct StyleColours {
    QList<long> back;
    QList<long> fore;
};

StyleColours styleColours(TScrivletEdit& editor)
{
    StyleColours colours;
    QsciLexer* lexer = editor.lexer();
    for (int style = 0; style <= Sci::STYLE_MAX; ++style) {
        if (style != Sci::STYLE_DEFAULT && (!lexer || lexer->description(style).isEmpty()))
            continue;
        colours.back << editor.SendScintilla(Sci::SCI_STYLEGETBACK, style);
        colours.fore << editor.SendScintilla(Sci::SCI_STYLEGETFORE, style);
    }
    return colours;
}

long bgr(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

} // namespace

class TstColorTags : public QObject {
    Q_OBJECT

private slots:
    void insertsCode_data();
    void insertsCode();
    void cancelChangesNothing();
    void bodyColourPaintsEditor_data();
    void bodyColourPaintsEditor();
};

void TstColorTags::insertsCode_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("lower");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<long>("caret");
    QTest::newRow("bare code: replaces the selection, stays upper case in lower-case mode")
        << int(cmd::CmColorCode) << true << QColor(255, 0, 0) << QByteArray("a #FF0000 b") << 9L;
    QTest::newRow("bare code: components below 16 get a leading zero, blue last")
        << int(cmd::CmColorCode) << false << QColor(5, 0, 10) << QByteArray("a #05000A b") << 9L;
    QTest::newRow("BODY in lower case: tag, code digits and closing text lower-cased")
        << int(cmd::CmBGCOLOR) << true << QColor(255, 0, 0)
        << QByteArray("a <body bgcolor=\"#ff0000\">word</body> b") << 37L;
    QTest::newRow("BODY in upper case")
        << int(cmd::CmBGCOLOR) << false << QColor(171, 205, 239)
        << QByteArray("a <BODY BGCOLOR=\"#ABCDEF\">word</BODY> b") << 37L;
    QTest::newRow("FONT in lower case")
        << int(cmd::CmFontColor) << true << QColor(5, 0, 10)
        << QByteArray("a <font color=\"#05000a\">word</font> b") << 35L;
    QTest::newRow("FONT in upper case")
        << int(cmd::CmFontColor) << false << QColor(5, 0, 10)
        << QByteArray("a <FONT COLOR=\"#05000A\">word</FONT> b") << 35L;
}

void TstColorTags::insertsCode()
{
    QFETCH(int, command);
    QFETCH(bool, lower);
    QFETCH(QColor, colour);
    QFETCH(QByteArray, expected);
    QFETCH(long, caret);
    AppFixture f;
    ColorDialogs dialogs;
    DialogProvider::setInstance(&dialogs);
    f.app->LCTag = lower;
    prepareWordSelection(*f.editor());
    dialogs.colorAnswers << colour;
    QVERIFY(f.frame->routeCommand(CommandId(command)));
    QCOMPARE(documentBytes(*f.editor()), expected);
    QCOMPARE(caretOf(*f.editor()), caret);
    QCOMPARE(dialogs.colorCaptions, QStringList{QStringLiteral("Insert HTML Color Code")});
    // One undo step restores the document.
    f.editor()->SendScintilla(Sci::SCI_UNDO);
    QCOMPARE(documentBytes(*f.editor()), QByteArray("a word b"));
}

void TstColorTags::cancelChangesNothing()
{
    AppFixture f;
    ColorDialogs dialogs;
    DialogProvider::setInstance(&dialogs);
    prepareWordSelection(*f.editor());
    const StyleColours before = styleColours(*f.editor());
    for (const CommandId command : {cmd::CmColorCode, cmd::CmBGCOLOR, cmd::CmFontColor}) {
        QVERIFY(f.frame->routeCommand(command));
        QCOMPARE(documentBytes(*f.editor()), QByteArray("a word b"));
        QVERIFY(!isModified(*f.editor()));
    }
    QCOMPARE(dialogs.colorCaptions.size(), 3);
    QCOMPARE(styleColours(*f.editor()).back, before.back);
}

void TstColorTags::bodyColourPaintsEditor_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("hColor");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("painted");
    QTest::newRow("BODY, HColor on, black: every style's background black")
        << int(cmd::CmBGCOLOR) << true << QColor(0, 0, 0) << true;
    QTest::newRow("BODY, HColor on: red, green and blue each in place")
        << int(cmd::CmBGCOLOR) << true << QColor(5, 0, 10) << true;
    QTest::newRow("BODY, HColor off: background unchanged")
        << int(cmd::CmBGCOLOR) << false << QColor(0, 0, 0) << false;
    QTest::newRow("FONT, HColor on: background unchanged")
        << int(cmd::CmFontColor) << true << QColor(0, 0, 0) << false;
}

void TstColorTags::bodyColourPaintsEditor()
{
    QFETCH(int, command);
    QFETCH(bool, hColor);
    QFETCH(QColor, colour);
    QFETCH(bool, painted);
    AppFixture f;
    ColorDialogs dialogs;
    DialogProvider::setInstance(&dialogs);
    f.app->HColor = hColor;
    prepareWordSelection(*f.editor());
    const StyleColours before = styleColours(*f.editor());
    QVERIFY(!before.back.isEmpty());
    dialogs.colorAnswers << colour;
    QVERIFY(f.frame->routeCommand(CommandId(command)));
    QVERIFY(documentBytes(*f.editor()).contains("word"));
    const StyleColours after = styleColours(*f.editor());
    QCOMPARE(after.fore, before.fore); // the text colours stay
    if (painted)
        QCOMPARE(after.back, QList<long>(before.back.size(), bgr(colour)));
    else
        QCOMPARE(after.back, before.back);
    QVERIFY(f.editor()->SendScintilla(Sci::SCI_GETLEXER) != 0); // colouring still on
}

QTEST_MAIN(TstColorTags)
#include "tst_colortags.moc"
