// The file-reference commands and the free-form tag dialog through the running program.

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/scrivletapp.h"
#include "app/scrivletframe.h"
#include "core/commands.h"
#include "documents/scrivletedit.h"
#include "support/appfixture.h"
#include "tags/htmlinsertdialog.h"

using namespace scrivlet;

namespace {

using Sci = QsciScintillaBase;

QLineEdit* field(QDialog& dialog, const char* name) { return dialog.findChild<QLineEdit*>(QLatin1String(name)); }

QStringList descriptions(const DialogProvider::FileRequest& request)
{
    QStringList list;
    for (const DialogProvider::Filter& f : request.filters)
        list << f.description + QLatin1Char('|') + f.patterns;
    return list;
}

const QString mixedPath = QStringLiteral("/home/Ann/My Site/Logo.GIF");

} // namespace

class TstFileTags : public QObject {
    Q_OBJECT

private slots:
    void fileTag_data();
    void fileTag();
    void filters();
    void longPathGoesInWhole();
    void cancelChangesNothing();
    void otherTag_data();
    void otherTag();
    void otherTagDialog();
};

void TstFileTags::fileTag_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("lower");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("image, lower case: path kept exactly, tag before the selection, nothing after")
        << int(cmd::CmIMG) << true << mixedPath << QByteArray("a <img src=\"/home/Ann/My Site/Logo.GIF\">word b");
    QTest::newRow("image, upper case: path not upper-cased")
        << int(cmd::CmIMG) << false << mixedPath << QByteArray("a <IMG SRC=\"/home/Ann/My Site/Logo.GIF\">word b");
    QTest::newRow("background wraps the selection")
        << int(cmd::CmBackground) << true << mixedPath
        << QByteArray("a <body background=\"/home/Ann/My Site/Logo.GIF\">word</body> b");
    QTest::newRow("applet: fixed size in the tag case, wraps the selection")
        << int(cmd::CmApplet) << false << QStringLiteral("/x/Hello.class")
        << QByteArray("a <APPLET SRC=\"/x/Hello.class\" HEIGHT=100 WIDTH=100>word</APPLET> b");
    QTest::newRow("a quote in the path cannot end the attribute")
        << int(cmd::CmIMG) << true << QStringLiteral("/tmp/say \"hi\".png")
        << QByteArray("a <img src=\"/tmp/say &quot;hi&quot;.png\">word b");
    QTest::newRow("non-ASCII path goes in as its file-system bytes")
        << int(cmd::CmIMG) << true << QStringLiteral("/tmp/\u00C4pfel.GIF")
        << QByteArray("a <img src=\"/tmp/\xC3\x84pfel.GIF\">word b");
}

void TstFileTags::fileTag()
{
    QFETCH(int, command);
    QFETCH(bool, lower);
    QFETCH(QString, path);
    QFETCH(QByteArray, expected);
    AppFixture f;
    f.app->LCTag = lower;
    prepareWordSelection(*f.editor());
    f.dialogs.openAnswers << path;
    QVERIFY(f.frame->routeCommand(CommandId(command)));
    QCOMPARE(documentBytes(*f.editor()), expected);
    f.editor()->SendScintilla(Sci::SCI_UNDO);
    QCOMPARE(documentBytes(*f.editor()), QByteArray("a word b"));
}

void TstFileTags::filters()
{
    AppFixture f;
    const QStringList images{
        QStringLiteral("GIF Files (*.gif)|*.gif"),   QStringLiteral("JPEG Files (*.jpeg *.jpg)|*.jpeg *.jpg"),
        QStringLiteral("PNG Files (*.png)|*.png"),   QStringLiteral("SVG Files (*.svg)|*.svg"),
        QStringLiteral("WebP Files (*.webp)|*.webp"), QStringLiteral("All Files (*.*)|*")};
    const QStringList applets{QStringLiteral("Java Applets (*.class)|*.class"), QStringLiteral("All Files (*.*)|*")};
    const QList<std::pair<CommandId, QStringList>> expected{
        {cmd::CmIMG, images}, {cmd::CmBackground, images}, {cmd::CmApplet, applets}};
    for (const auto& [command, list] : expected) {
        QVERIFY(f.frame->routeCommand(command));
        const DialogProvider::FileRequest& request = f.dialogs.openRequests.constLast();
        QCOMPARE(descriptions(request), list);
        QCOMPARE(request.selectedFilter, 0);
        QVERIFY(!request.executablesOnly);
    }
}

void TstFileTags::longPathGoesInWhole()
{
    AppFixture f;
    f.app->LCTag = true;
    const QString path = QLatin1Char('/') + QString(300, QLatin1Char('D')) + QStringLiteral("/Pic.GIF");
    for (const CommandId command : {cmd::CmIMG, cmd::CmBackground, cmd::CmApplet}) {
        prepareWordSelection(*f.editor());
        f.dialogs.openAnswers << path;
        QVERIFY(f.frame->routeCommand(command));
        const QByteArray doc = documentBytes(*f.editor());
        QVERIFY2(doc.contains("=\"" + path.toLatin1() + "\""), doc.constData());
        QVERIFY(doc.contains("word"));
    }
}

void TstFileTags::cancelChangesNothing()
{
    AppFixture f;
    AnsweringDialogs dialogs;
    DialogProvider::setInstance(&dialogs);
    prepareWordSelection(*f.editor());
    for (const CommandId command : {cmd::CmIMG, cmd::CmBackground, cmd::CmApplet, cmd::CmOtherTag}) {
        QVERIFY(f.frame->routeCommand(command));
        QCOMPARE(documentBytes(*f.editor()), QByteArray("a word b"));
        QVERIFY(!isModified(*f.editor()));
    }
    QCOMPARE(dialogs.openRequests.size(), 3);
    QCOMPARE(dialogs.execTitles, QStringList{QStringLiteral("Insert New HTML Tag")});
}

void TstFileTags::otherTag_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("close");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<long>("caret");
    QTest::newRow("both filled: wraps, typed text in the tag case")
        << QStringLiteral("<Span Id=X>") << QStringLiteral("</Span>") << QByteArray("a <span id=x>word</span> b") << 24L;
    QTest::newRow("only opening: before the selection, nothing after")
        << QStringLiteral("<BR>") << QString() << QByteArray("a <br>word b") << 10L;
    QTest::newRow("only closing: after the selection, nothing before")
        << QString() << QStringLiteral("</P>") << QByteArray("a word</p> b") << 10L;
    QTest::newRow("both empty: text unchanged, caret after the former selection")
        << QString() << QString() << QByteArray("a word b") << 6L;
}

void TstFileTags::otherTag()
{
    QFETCH(QString, open);
    QFETCH(QString, close);
    QFETCH(QByteArray, expected);
    QFETCH(long, caret);
    AppFixture f;
    AnsweringDialogs dialogs;
    DialogProvider::setInstance(&dialogs);
    f.app->LCTag = true;
    prepareWordSelection(*f.editor());
    dialogs.answer = [&](QDialog& dialog) {
        field(dialog, "open")->setText(open);
        field(dialog, "close")->setText(close);
        return int(QDialog::Accepted);
    };
    QVERIFY(f.frame->routeCommand(cmd::CmOtherTag));
    QCOMPARE(documentBytes(*f.editor()), expected);
    QCOMPARE(caretOf(*f.editor()), caret);
    QCOMPARE(f.editor()->SendScintilla(Sci::SCI_GETANCHOR), caret);
}

void TstFileTags::otherTagDialog()
{
    AppFixture f;
    AnsweringDialogs dialogs;
    DialogProvider::setInstance(&dialogs);
    prepareWordSelection(*f.editor());
    QStringList seen; // the fields as each use of the dialog starts
    dialogs.answer = [&](QDialog& dialog) {
        QLineEdit* open = field(dialog, "open");
        QLineEdit* close = field(dialog, "close");
        seen << open->text() + QLatin1Char('|') + close->text();
        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            labels << label->text();
        labels.sort();
        const QStringList expected{QStringLiteral("Closing Tag"), QStringLiteral("Opening Tag"),
                                   QStringLiteral("WARNING!!!  Code Will NOT be Checked for Correctness")};
        if (labels != expected)
            seen << QStringLiteral("labels: ") + labels.join(QLatin1Char(','));
        // The 20th character cannot be typed.
        QTest::keyClicks(open, QStringLiteral("<abcdefghijklmnopqrstuvwxyz>"));
        QTest::keyClicks(close, QStringLiteral("</abcdefghijklmnopqrstuvwxyz>"));
        return int(QDialog::Accepted);
    };
    QVERIFY(f.frame->routeCommand(cmd::CmOtherTag));
    QCOMPARE(documentBytes(*f.editor()), QByteArray("a <abcdefghijklmnopqrword</abcdefghijklmnopq b"));
    QVERIFY(f.frame->routeCommand(cmd::CmOtherTag));
    QCOMPARE(seen, QStringList({QStringLiteral("|"), QStringLiteral("|")}));
}

QTEST_MAIN(TstFileTags)
#include "tst_filetags.moc"
