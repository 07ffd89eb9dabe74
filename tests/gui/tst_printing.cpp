// Printing through a real CUPS scheduler with a PDF queue, checked on the PDF that the queue writes.

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/scrivletapp.h"
#include "app/scrivletframe.h"
#include "core/commands.h"
#include "core/settings.h"
#include "documents/mdichild.h"
#include "documents/mdiclient.h"
#include "documents/scrivletedit.h"
#include "platform/dialogprovider.h"

using namespace scrivlet;

namespace {

// Answers the print dialog with OK (the printer's settings as they are) and the page-setup dialog with
// `paper`; records every message box.
class FakeDialogs : public DialogProvider {
public:
    struct Message {
        QString caption, text;
    };
    QList<Message> messages;
    int printDialogs = 0;
    QString paper;                          // page-setup choice, e.g. "A5"
    std::function<void()> whilePrinting;    // runs once the print run has started
    int printAnswer = QDialog::Accepted;

    QMessageBox::StandardButton message(QWidget*, const QString& caption, const QString& text, QMessageBox::Icon,
                                        QMessageBox::StandardButtons, QMessageBox::StandardButton) override
    {
        messages.append({caption, text});
        return QMessageBox::Ok;
    }

    // Runs the real dialog and presses OK in it (after choosing `paper` in a page-setup dialog), so that
    // the dialog applies its choices to the printer as it does for a user.
    int exec(QDialog& dialog) override
    {
        if (auto* print = qobject_cast<QPrintDialog*>(&dialog)) {
            ++printDialogs;
            pageRangeOffered = print->testOption(QAbstractPrintDialog::PrintPageRange)
                               || print->testOption(QAbstractPrintDialog::PrintSelection);
            if (printAnswer != QDialog::Accepted)
                return printAnswer;
        } else if (qobject_cast<QPageSetupDialog*>(&dialog)) {
            auto* sizes = dialog.findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
            const int index = sizes ? sizes->findText(paper) : -1;
            if (index < 0)
                return QDialog::Rejected;
            sizes->setCurrentIndex(index);
        } else {
            return QDialog::Rejected;
        }
        QTimer::singleShot(0, &dialog, &QDialog::accept);
        const int result = dialog.exec();
        if (qobject_cast<QPrintDialog*>(&dialog) && whilePrinting)
            QTimer::singleShot(0, whilePrinting); // runs in the first event round of the print run
        return result;
    }

    bool pageRangeOffered = true;
};

QStringList pdfsIn(const QString& dir)
{
    return QDir(dir).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

QString run(const QString& program, const QStringList& args, int* exitCode = nullptr)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError());
}

int jobCount()
{
    return run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o")})
        .count(QLatin1Char('\n'));
}

void setText(TMDIScrivletChild& child, const QByteArray& text)
{
    child.client->SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.constData());
}

// The visible "Printing" progress windows (one while a job is printed).
QList<QWidget*> printingWindows()
{
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == QLatin1String("Printing"))
            windows << w;
    return windows;
}

// Presses Cancel on the progress window, as the user would.
void cancelPrinting()
{
    for (QWidget* w : printingWindows())
        if (auto* cancel = w->findChild<QPushButton*>())
            cancel->click();
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QString pdfDir_;
    QString queueProblem_;
    std::unique_ptr<TScrivletApp> app_;
    FakeDialogs dialogs_;

    TMDIScrivletChild* newDocument()
    {
        auto* client = app_->mainWindow()->client();
        TMDIScrivletChild* child = client->OpenFile(nullptr);
        client->setActiveSubWindow(child);
        return child;
    }

    // Prints the active document with the print dialog answered OK; `made` is the new PDF's path.
    void printActive(QString& made)
    {
        const QStringList before = pdfsIn(pdfDir_);
        app_->mainWindow()->routeCommand(cmd::CmFilePrint);
        made.clear();
        QTRY_VERIFY2_WITH_TIMEOUT(
            [&] {
                for (const QString& name : pdfsIn(pdfDir_))
                    if (!before.contains(name))
                        made = QDir(pdfDir_).filePath(name);
                return !made.isEmpty() && QFileInfo(made).size() > 0;
            }(),
            "no PDF arrived from the queue", 30000);
        // cups-pdf writes the file in place: the job is done when the queue is empty.
        QTRY_VERIFY_WITH_TIMEOUT(
            run(QStringLiteral("lpstat"), {QStringLiteral("-o"), QStringLiteral("ScrivletPDF")}).trimmed().isEmpty(),
            30000);
    }

private slots:
    void initTestCase()
    {
        QApplication::setApplicationName(QStringLiteral("Scrivlet"));
        if (qEnvironmentVariableIsSet("SCRIVLET_TEST_NO_PRINTER"))
            return; // the child run of noDefaultPrinter: CUPS is unreachable on purpose
        const QString script = QFINDTESTDATA("../e2e/cups-pdf-queue.sh");
        int code = -1;
        const QString out = run(QStringLiteral("bash"), {script}, &code);
        if (code != 0)
            queueProblem_ = out.trimmed();
        else
            pdfDir_ = out.trimmed().section(QLatin1Char('\n'), -1);
    }

    void init()
    {
        DialogProvider::setInstance(&dialogs_);
        dialogs_ = FakeDialogs();
        const std::string settings = settingsFilePath(home_.path().toStdString());
        app_ = std::make_unique<TScrivletApp>(settings, readMRUSize(settings));
        app_->InitMainWindow();
        app_->mainWindow()->show();
    }

    void cleanup()
    {
        for (auto* child : app_->mainWindow()->client()->children())
            child->client->SendScintilla(QsciScintillaBase::SCI_SETSAVEPOINT);
        app_.reset();
        DialogProvider::setInstance(nullptr);
    }

    void printsWholeTextAsDocument()
    {
        if (!queueProblem_.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no CUPS PDF queue: ") + queueProblem_));
        TMDIScrivletChild* child = newDocument();
        QVERIFY(app_->mainWindow()->isCommandEnabled(cmd::CmFilePrint));
        QVERIFY(app_->mainWindow()->isCommandEnabled(cmd::CmFilePrintSetup));

        // Enough lines for several pages, so that every page after the first is laid out and sent.
        QByteArray text = "<html>first-line-marker\n";
        for (int i = 0; i < 400; ++i)
            text += "<p>line " + QByteArray::number(i) + "</p>\n";
        text += "last-line-marker</html>\n";
        setText(*child, text);

        QStringList seen;
        bool disabledMeanwhile = false;
        dialogs_.whilePrinting = [&] {
            for (QWidget* w : printingWindows())
                for (auto* label : w->findChildren<QLabel*>())
                    seen << label->text();
            disabledMeanwhile = !child->isEnabled();
        };
        QString pdf;
        printActive(pdf);
        if (QTest::currentTestFailed())
            return;

        QVERIFY(dialogs_.messages.isEmpty());
        QCOMPARE(dialogs_.printDialogs, 1);
        QVERIFY2(!dialogs_.pageRangeOffered, "the print dialog offers a page range or the selection");
        QVERIFY(child->isEnabled());
        QCOMPARE(child->Printing, 0);
        QVERIFY2(seen.contains(QStringLiteral("Now printing")), qPrintable(seen.join('|')));
        QVERIFY(seen.contains(QStringLiteral("'Document' on the")));
        QVERIFY(seen.contains(QStringLiteral("ScrivletPDF on "), Qt::CaseSensitive) || [&] {
            for (const QString& s : seen)
                if (s.startsWith(QStringLiteral("ScrivletPDF on ")))
                    return true;
            return false;
        }());
        QVERIFY(disabledMeanwhile);

        // cups-pdf names its file after the job title.
        QVERIFY2(QFileInfo(pdf).fileName().startsWith(QStringLiteral("Document")), qPrintable(pdf));
        const QString body = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY2(body.contains(QStringLiteral("first-line-marker")), qPrintable(body.left(400)));
        QVERIFY(body.contains(QStringLiteral("<p>line 200</p>")));
        QVERIFY(body.contains(QStringLiteral("last-line-marker")));
        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        const int pages = info.section(QStringLiteral("Pages:"), 1).trimmed().section(QLatin1Char('\n'), 0, 0).toInt();
        QVERIFY2(pages >= 2, qPrintable(info));
    }

    void cancelPrintsNothingAndSaysSo()
    {
        if (!queueProblem_.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no CUPS PDF queue: ") + queueProblem_));
        TMDIScrivletChild* child = newDocument();
        setText(*child, "<p>never printed</p>\n");
        dialogs_.whilePrinting = [] { cancelPrinting(); };
        const int jobsBefore = jobCount();
        app_->mainWindow()->routeCommand(cmd::CmFilePrint);

        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.messages[0].caption, QStringLiteral("Print Error"));
        QCOMPARE(dialogs_.messages[0].text, QStringLiteral("'Document' not printed. Printing canceled."));
        QCOMPARE(jobCount(), jobsBefore);
        QVERIFY(child->isEnabled());
    }

    // Cancel between pages: the pages drawn so far are not printed either.
    void cancelAfterFirstPagePrintsNothing()
    {
        if (!queueProblem_.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no CUPS PDF queue: ") + queueProblem_));
        QByteArray text;
        for (int i = 0; i < 400; ++i)
            text += "<p>line " + QByteArray::number(i) + "</p>\n";
        setText(*newDocument(), text);
        dialogs_.whilePrinting = [] {
            QTimer::singleShot(0, [] { cancelPrinting(); }); // the next event round: after the first page
        };
        const int jobsBefore = jobCount();
        app_->mainWindow()->routeCommand(cmd::CmFilePrint);
        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.messages[0].text, QStringLiteral("'Document' not printed. Printing canceled."));
        QCOMPARE(jobCount(), jobsBefore);
    }

    void printDialogCancelledDoesNothing()
    {
        if (!queueProblem_.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no CUPS PDF queue: ") + queueProblem_));
        setText(*newDocument(), "<p>x</p>\n");
        dialogs_.printAnswer = QDialog::Rejected;
        const int jobsBefore = jobCount();
        app_->mainWindow()->routeCommand(cmd::CmFilePrint);
        QVERIFY(dialogs_.messages.isEmpty());
        QCOMPARE(jobCount(), jobsBefore);
    }

    void windowsKeepTheirOwnPaper()
    {
        if (!queueProblem_.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no CUPS PDF queue: ") + queueProblem_));
        auto* client = app_->mainWindow()->client();
        TMDIScrivletChild* first = newDocument();
        dialogs_.paper = QStringLiteral("A5");
        app_->mainWindow()->routeCommand(cmd::CmFilePrintSetup);
        TMDIScrivletChild* second = newDocument();
        dialogs_.paper = QStringLiteral("A3");
        app_->mainWindow()->routeCommand(cmd::CmFilePrintSetup);

        QVERIFY(first->Printer && second->Printer);
        QCOMPARE(first->Printer->pageLayout().pageSize().id(), QPageSize::A5);
        QCOMPARE(second->Printer->pageLayout().pageSize().id(), QPageSize::A3);

        // The choice governs the window's next print run.
        client->setActiveSubWindow(first);
        setText(*first, "<p>on A5</p>\n");
        QString pdf;
        printActive(pdf);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(first->Printer->pageLayout().pageSize().id(), QPageSize::A5);
        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QStringLiteral("(A5)")), qPrintable(info));
    }

    // Without a reachable CUPS there is no default printer: Print and Print Setup stay disabled.
    // The CUPS library keeps its server for the life of the process, so this runs in a child process.
    void noDefaultPrinter()
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SCRIVLET_TEST_NO_PRINTER"), QStringLiteral("1"));
        env.insert(QStringLiteral("CUPS_SERVER"), home_.filePath(QStringLiteral("no-such-cups.sock")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("noDefaultPrinterChild")});
        QVERIFY(child.waitForFinished(60000));
        const QString out = QString::fromLocal8Bit(child.readAll() + child.readAllStandardError());
        QVERIFY2(child.exitCode() == 0 && out.contains(QStringLiteral("PASS   : TestPrinting::noDefaultPrinterChild")),
                 qPrintable(out));
    }

    void noDefaultPrinterChild()
    {
        if (!qEnvironmentVariableIsSet("SCRIVLET_TEST_NO_PRINTER"))
            QSKIP("runs only as the child process of noDefaultPrinter");
        TMDIScrivletChild* child = newDocument();
        QVERIFY(!app_->mainWindow()->isCommandEnabled(cmd::CmFilePrint));
        QVERIFY(!app_->mainWindow()->isCommandEnabled(cmd::CmFilePrintSetup));
        // Reached anyway (by a stale shortcut), the commands do nothing and say nothing.
        child->CmFilePrint();
        child->CmFilePrintSetup();
        QVERIFY(dialogs_.messages.isEmpty());
        QCOMPARE(dialogs_.printDialogs, 0);
        QVERIFY(!child->Printer);
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
