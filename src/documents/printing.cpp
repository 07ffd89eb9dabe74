#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <Qsci/qsciscintillabase.h>

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
        child.Printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
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

// Lays the editor's whole text out page by page on `printer`, in the editor's fonts, over the
// printer's printable area; between pages the waiting events are handled and `progress` is asked
// whether to go on. An empty document sends no page.
PrintOutcome printPages(QsciScintillaBase& editor, QPrinter& printer, PrintProgress& progress)
{
    const long length = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    if (length == 0)
        return PrintOutcome::Printed;
    editor.SendScintilla(QsciScintillaBase::SCI_SETPRINTMAGNIFICATION, 0);
    editor.SendScintilla(QsciScintillaBase::SCI_SETPRINTCOLOURMODE, QsciScintillaBase::SC_PRINT_NORMAL);
    editor.SendScintilla(QsciScintillaBase::SCI_SETPRINTWRAPMODE, QsciScintillaBase::SC_WRAP_WORD);

    QPainter painter;
    QRect area;
    long pos = 0;
    bool first = true;
    PrintOutcome outcome = PrintOutcome::Printed;
    while (pos < length) {
        QApplication::processEvents();
        if (progress.cancelled()) {
            outcome = PrintOutcome::Cancelled;
            break;
        }
        if (first) {
            // The job starts with its first page, so a cancel before it sends nothing.
            if (!painter.begin(&printer))
                return PrintOutcome::Failed;
            area = QRect(0, 0, printer.width(), printer.height());
        } else if (!printer.newPage()) {
            outcome = PrintOutcome::Failed;
            break;
        }
        first = false;
        const long next = editor.SendScintilla(QsciScintillaBase::SCI_FORMATRANGE, 1, &painter, area, pos, length);
        if (next <= pos) { // nothing fitted on a page: stop rather than loop for ever
            outcome = PrintOutcome::Failed;
            break;
        }
        pos = next;
    }
    if (painter.isActive()) {
        if (outcome == PrintOutcome::Cancelled)
            printer.abort(); // where the platform allows it, the pages drawn so far are dropped
        painter.end();
    }
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
