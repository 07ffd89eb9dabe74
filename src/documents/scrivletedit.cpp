#include "documents/scrivletedit.h"

#include <algorithm>

#include <QFile>
#include <QKeySequence>
#include <QMessageBox>
#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qscilexerhtml.h>

#include "app/scrivletapp.h"
#include "core/commands.h"
#include "platform/dialogprovider.h"

namespace scrivlet {

namespace {

QFont editorFont()
{
    // "courier" as asked; the style hint lets fontconfig substitute the installed monospace face.
    QFont font(QStringLiteral("courier"));
    font.setStyleHint(QFont::Monospace, QFont::PreferDefault);
    font.setFixedPitch(true);
    // 10 pixels high; the editor takes point sizes, so convert at the screen's 96 dpi.
    font.setPointSizeF(7.5);
    return font;
}

// The accelerators are the program's: the editor must not take their keys first.
void releaseAcceleratorKeys(QsciScintilla& editor)
{
    QsciCommandSet* commands = editor.standardCommands();
    for (const Accelerator& accel : acceleratorTable()) {
        const QKeySequence sequence(QString::fromLatin1(accel.keyText.data(), qsizetype(accel.keyText.size())));
        if (sequence.isEmpty())
            continue;
        const int key = sequence[0].toCombined();
        while (QsciCommand* command = commands->boundTo(key)) {
            if (command->key() == key)
                command->setKey(0);
            if (command->alternateKey() == key)
                command->setAlternateKey(0);
        }
    }
}

} // namespace

TScrivletEdit::TScrivletEdit(QWidget* parent) : FileEditor(parent)
{
    SetupWindow();
    SendScintilla(SCI_SETEOLMODE, SC_EOL_CRLF);
    SendScintilla(SCI_SETTEXT, 0UL, " ");
    SendScintilla(SCI_GOTOPOS, 0L);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETSAVEPOINT);
}

void TScrivletEdit::SetupWindow()
{
    const QFont font = editorFont();
    lexer_ = new QsciLexerHTML(this);
    lexer_->setDefaultFont(font);
    lexer_->setFont(font, -1);
    setLexer(lexer_);
    setFont(font);
    setMarginWidth(1, 0);
    setUtf8(true);
    releaseAcceleratorKeys(*this);
}

bool TScrivletEdit::isColoured() const
{
    return lexer() != nullptr;
}

void TScrivletEdit::documentLoaded()
{
    const long length = SendScintilla(SCI_GETLENGTH);
    const long lines = std::max(1L, SendScintilla(SCI_GETLINECOUNT));
    // Very long lines stay coloured: laying out a long line of one style costs the editor far more
    // than the lexer's many short runs do (seconds per keystroke in a minified page).
    if (length <= ColouringLimit || length / lines > LongLineLimit)
        return;
    // Without the lexer the default style carries the font for the whole text.
    const QColor paper = lexer_->QsciLexer::defaultPaper();
    setLexer(nullptr);
    setFont(lexer_->QsciLexer::defaultFont());
    setPaper(paper);
}

void TScrivletEdit::SetBkgndColor(const QColor& color)
{
    lexer_->setPaper(color, -1);
    lexer_->setDefaultPaper(color);
    setPaper(color);
    viewport()->update();
}

bool TScrivletEdit::SaveAs()
{
    DialogProvider::FileRequest request;
    request.filters = {{QStringLiteral("HTML Files (*.htm, *.html)"), QStringLiteral("*.htm *.html")},
                       {QStringLiteral("All Files (*.*)"), QStringLiteral("*")}};
    request.defaultSuffix = QStringLiteral("htm");
    const QString path = DialogProvider::instance().getSaveFileName(this, request);
    if (path.isEmpty())
        return false;
    if (!Write(path)) {
        showMessage(tr("Unable to write file %1 to disk.").arg(path), QMessageBox::Warning, QMessageBox::Ok);
        return false;
    }
    SetFileName(path);
    if (TScrivletApp* app = TScrivletApp::instance())
        app->SaveMenuChoice(QFile::encodeName(path).toStdString());
    return true;
}

} // namespace scrivlet
