#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <Qsci/qsciscintillabase.h>
#include <vector>

#include "documents/mdichild.h"
#include "documents/scrivletedit.h"
#include "platform/dialogprovider.h"

namespace scrivlet {

namespace {

const QString kJobTitle = QStringLiteral("Document");

// The window's printer, made for the default printer on first need. Null while the system has no
// default printer: the next request looks again.
QPrinter* printerOf(TMDIScrivletChild& child)
{
    if (!child.Printer) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return nullptr;
        // Screen resolution: the pages are recorded at that resolution and replayed unscaled, and the
        // spooled pages hold text and vectors, so nothing is lost on paper.
        child.Printer = std::make_unique<QPrinter>(info, QPrinter::ScreenResolution);
    }
    return child.Printer.get();
}

// The "Printing" dialog: shows where the job goes and offers Cancel, which takes effect before the
// next page. Application-modal, so nothing else can change or close the document meanwhile.
class PrintProgress : public QDialog {
public:
    PrintProgress(QWidget* owner, const QPrinter& printer) : QDialog(owner ? owner->window() : nullptr)
    {
        setWindowTitle(QStringLiteral("Printing"));
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        setWindowModality(Qt::ApplicationModal);
        auto* layout = new QVBoxLayout(this);
        const QPrinterInfo info(printer);
        QString port = printer.outputFileName();
        if (port.isEmpty())
            port = info.location().isEmpty() ? info.description() : info.location();
        for (const QString& text : {QStringLiteral("Now printing"), QStringLiteral("'%1' on the").arg(kJobTitle),
                                    QStringLiteral("%1 on %2").arg(printer.printerName(), port)}) {
            auto* label = new QLabel(text, this);
            label->setAlignment(Qt::AlignCenter);
            layout->addWidget(label);
        }
        cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
        layout->addWidget(cancel_, 0, Qt::AlignCenter);
        connect(cancel_, &QPushButton::clicked, this, [this] {
            cancel_->setEnabled(false);
            cancelled_ = true;
        });
    }

    bool cancelled() const { return cancelled_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void reject() override {} // Escape and the close button do not end the run; Cancel does

private:
    QPushButton* cancel_ = nullptr;
    bool cancelled_ = false;
};

enum class PrintOutcome { Printed, Cancelled, Failed };

// Lays the editor's whole text out page by page for `printer`, in the editor's fonts, over the
// printer's printable area, and prints it; between pages the waiting events are handled and
// `progress` is asked whether to go on. The pages are recorded first and spooled only when all are
// ready, so a cancelled run prints nothing. An empty document sends no page.
PrintOutcome printPages(QsciScintillaBase& editor, QPrinter& printer, PrintProgress& progress)
{
    const long length = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    if (length == 0)
        return PrintOutcome::Printed;
    editor.SendScintilla(QsciScintillaBase::SCI_SETPRINTMAGNIFICATION, 0);
    editor.SendScintilla(QsciScintillaBase::SCI_SETPRINTCOLOURMODE, QsciScintillaBase::SC_PRINT_NORMAL);
    editor.SendScintilla(QsciScintillaBase::SCI_SETPRINTWRAPMODE, QsciScintillaBase::SC_WRAP_WORD);

    // Recorded pages use the recording's resolution; the printer's painter scales them to its own.
    const QPicture probe;
    const qreal scaleX = qreal(printer.logicalDpiX()) / probe.logicalDpiX();
    const qreal scaleY = qreal(printer.logicalDpiY()) / probe.logicalDpiY();
    const QRect area(0, 0, int(printer.width() / scaleX), int(printer.height() / scaleY));

    std::vector<QPicture> pages;
    for (long pos = 0; pos < length;) {
        QApplication::processEvents();
        if (progress.cancelled())
            return PrintOutcome::Cancelled;
        QPicture page;
        QPainter recorder(&page);
        const long next = editor.SendScintilla(QsciScintillaBase::SCI_FORMATRANGE, 1, &recorder, area, pos, length);
        recorder.end();
        if (next <= pos) // nothing fitted on a page: stop rather than loop for ever
            return PrintOutcome::Failed;
        pages.push_back(page);
        pos = next;
    }
    QApplication::processEvents();
    if (progress.cancelled())
        return PrintOutcome::Cancelled;

    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::Failed;
    painter.scale(scaleX, scaleY);
    PrintOutcome outcome = PrintOutcome::Printed;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            outcome = PrintOutcome::Failed;
            break;
        }
        painter.drawPicture(0, 0, pages[i]);
    }
    painter.end();
    if (outcome == PrintOutcome::Printed && printer.printerState() == QPrinter::Error)
        outcome = PrintOutcome::Failed;
    return outcome;
}

} // namespace

void TMDIScrivletChild::CmFilePrint()
{
    QPrinter* printer = printerOf(*this);
    if (!printer)
        return;
    printer->setDocName(kJobTitle);
    printer->setPrintRange(QPrinter::AllPages);
    printer->setFromTo(0, 0);
    const QString printerBefore = printer->printerName();
    const QPageLayout layoutBefore = printer->pageLayout();
    {
        QPrintDialog dialog(printer, this);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        if (DialogProvider::instance().exec(dialog) != QDialog::Accepted)
            return;
    }
    printer->setPrintRange(QPrinter::AllPages);
    // The toolkit's print dialog puts the printer's default paper back when it closes; the paper
    // chosen in Print Setup for this window stays unless another printer or paper was chosen.
    const QPageSize defaultPaper = QPrinterInfo(*printer).defaultPageSize();
    if (printer->printerName() == printerBefore && !layoutBefore.pageSize().isEquivalentTo(defaultPaper)
        && printer->pageLayout().pageSize().isEquivalentTo(defaultPaper))
        printer->setPageLayout(layoutBefore);

    ++Printing;
    QPointer<TMDIScrivletChild> self(this);
    setEnabled(false);
    PrintOutcome outcome;
    {
        PrintProgress progress(this, *printer);
        progress.show();
        outcome = printPages(*client, *printer, progress);
    }
    if (!self)
        return;
    setEnabled(true);
    --Printing;

    if (outcome == PrintOutcome::Printed)
        return;
    const QString reason = outcome == PrintOutcome::Cancelled ? QStringLiteral("Printing canceled")
                                                              : QStringLiteral("Error encountered during print");
    DialogProvider::instance().message(this, QStringLiteral("Print Error"),
                                       QStringLiteral("'%1' not printed. %2.").arg(kJobTitle, reason),
                                       QMessageBox::Critical, QMessageBox::Ok);
}

void TMDIScrivletChild::CmFilePrintSetup()
{
    QPrinter* printer = printerOf(*this);
    if (!printer)
        return;
    QPageSetupDialog dialog(printer, this);
    DialogProvider::instance().exec(dialog);
}

void TMDIScrivletChild::CmPrintEnable(TCommandEnabler& tce) { tce.Enable(printerOf(*this) != nullptr); }

} // namespace scrivlet
