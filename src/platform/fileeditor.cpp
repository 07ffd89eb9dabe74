#include "platform/fileeditor.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QMimeData>

#include "platform/dialogprovider.h"
#include "platform/documentio.h"
#include "platform/editoradapter.h"
#include "platform/findreplacedialog.h"

namespace scrivlet {

namespace {

const ResponseTable<FileEditor>& editorTable()
{
    using E = FileEditor;
    static const ResponseTable<E> table{
        {cmd::CmEditUndo, &E::CmEditUndo, &E::CeEditUndo},
        {cmd::CmEditCut, &E::CmEditCut, &E::CeHasSelect},
        {cmd::CmEditCopy, &E::CmEditCopy, &E::CeHasSelect},
        {cmd::CmEditPaste, &E::CmEditPaste, &E::CeEditPaste},
        {cmd::CmEditDelete, &E::CmEditDelete, &E::CeHasSelect},
        {cmd::CmEditClear, &E::CmEditClear, &E::CeEditClear},
        {cmd::CmFileSave, &E::CmFileSave, &E::CmSaveEnable},
        {cmd::CmFileSaveAs, &E::CmFileSaveAs, nullptr},
        {cmd::CmEditFind, &E::CmEditFind, &E::CeEditFindReplace},
        {cmd::CmEditReplace, &E::CmEditReplace, &E::CeEditFindReplace},
        {cmd::CmEditFindNext, &E::CmEditFindNext, &E::CeEditFindNext},
    };
    return table;
}

} // namespace

namespace {

// QScintilla's accessibility interface turns the caret into a character offset by counting from the
// document's start at every keystroke and caret move: half a second per key at the end of a 100 MB
// page. While no assistive technology listens, the editor gets a plain widget interface instead.
QAccessibleInterface* plainEditorAccessible(const QString& className, QObject* object)
{
    if (QAccessible::isActive() || !object || !object->isWidgetType()
        || !object->inherits("QsciScintillaBase") || className != QLatin1String("QsciScintillaBase"))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
}

} // namespace

FileEditor::FileEditor(QWidget* parent) : QsciScintilla(parent)
{
    // Installed after QScintilla's own factory (made with the first editor), so it is asked first.
    static const bool installed = [] {
        QAccessible::installFactory(plainEditorAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    connect(this, &QsciScintilla::selectionChanged, this, &FileEditor::commandStateChanged);
    connect(this, &QsciScintilla::modificationChanged, this, &FileEditor::commandStateChanged);
    connect(this, &QsciScintilla::textChanged, this, &FileEditor::commandStateChanged);
}

FileEditor::~FileEditor()
{
    delete findDialog_.data();
    delete replaceDialog_.data();
}

void FileEditor::SetFileName(const QString& path)
{
    fileName_ = path;
    emit fileNameChanged(path);
}

bool FileEditor::isModified() const
{
    return SendScintilla(SCI_GETMODIFY) != 0;
}

void FileEditor::keyPressEvent(QKeyEvent* event)
{
    QuietEdit quiet(*this);
    QsciScintilla::keyPressEvent(event);
}

void FileEditor::inputMethodEvent(QInputMethodEvent* event)
{
    QuietEdit quiet(*this);
    QsciScintilla::inputMethodEvent(event);
}

void FileEditor::dropEvent(QDropEvent* event)
{
    QuietEdit quiet(*this);
    QsciScintilla::dropEvent(event);
}

void FileEditor::cut()
{
    QuietEdit quiet(*this);
    QsciScintilla::cut();
}

void FileEditor::paste()
{
    QuietEdit quiet(*this);
    QsciScintilla::paste();
}

void FileEditor::undo()
{
    QuietEdit quiet(*this);
    QsciScintilla::undo();
}

void FileEditor::redo()
{
    QuietEdit quiet(*this);
    QsciScintilla::redo();
}

int FileEditor::showMessage(const QString& text, int icon, int buttons)
{
    return DialogProvider::instance().message(this, QApplication::applicationName(), text,
                                              static_cast<QMessageBox::Icon>(icon),
                                              static_cast<QMessageBox::StandardButtons>(buttons));
}

bool FileEditor::ReplaceWith(const QString& path)
{
    if (!loadDocument(*this, path).ok) {
        showMessage(tr("Unable to read file %1 from disk.").arg(path), QMessageBox::Warning, QMessageBox::Ok);
        return false;
    }
    documentLoaded();
    SetFileName(path);
    emit commandStateChanged();
    return true;
}

bool FileEditor::Write(const QString& path)
{
    const bool ok = saveDocument(*this, path);
    emit commandStateChanged();
    return ok;
}

bool FileEditor::Save()
{
    if (!isModified())
        return true;
    if (fileName_.isEmpty())
        return SaveAs();
    if (!Write(fileName_)) {
        showMessage(tr("Unable to write file %1 to disk.").arg(fileName_), QMessageBox::Warning, QMessageBox::Ok);
        return false;
    }
    return true;
}

bool FileEditor::SaveAs()
{
    return false;
}

bool FileEditor::CanClose()
{
    if (!isModified())
        return true;
    const QString name = fileName_.isEmpty() ? QStringLiteral("Document") : fileName_;
    const int answer = showMessage(
        tr("The text in the %1 file has changed.\n\nDo you want to save the changes?").arg(name),
        QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        return Save();
    return answer == QMessageBox::No;
}

void FileEditor::CmEditUndo() { undo(); }
void FileEditor::CmEditCut() { cut(); }
void FileEditor::CmEditCopy() { copy(); }
void FileEditor::CmEditPaste() { paste(); }
void FileEditor::CmEditDelete()
{
    QuietEdit quiet(*this);
    SendScintilla(SCI_CLEAR);
}

void FileEditor::CmEditClear()
{
    QuietEdit quiet(*this);
    SendScintilla(SCI_CLEARALL);
}
void FileEditor::CmFileSave() { Save(); }
void FileEditor::CmFileSaveAs() { SaveAs(); }
void FileEditor::CmEditFind() { openSearchDialog(false); }
void FileEditor::CmEditReplace() { openSearchDialog(true); }

void FileEditor::CmEditFindNext()
{
    if (!searchText_.isEmpty())
        findNext(searchText_, matchCase_, wholeWord_, forward_);
}

void FileEditor::CeEditUndo(TCommandEnabler& tce) { tce.Enable(isUndoAvailable()); }
void FileEditor::CeHasSelect(TCommandEnabler& tce) { tce.Enable(hasSelectedText()); }

void FileEditor::CeEditPaste(TCommandEnabler& tce)
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    tce.Enable(data && data->hasText());
}

void FileEditor::CeEditClear(TCommandEnabler& tce) { tce.Enable(SendScintilla(SCI_GETLENGTH) > 0); }
void FileEditor::CmSaveEnable(TCommandEnabler& tce) { tce.Enable(isModified()); }
void FileEditor::CeEditFindReplace(TCommandEnabler& tce) { tce.Enable(!findDialog_ && !replaceDialog_); }
void FileEditor::CeEditFindNext(TCommandEnabler& tce) { tce.Enable(!searchText_.isEmpty()); }

bool FileEditor::dispatchCommand(CommandId id) { return editorTable().dispatchCommand(this, id); }
bool FileEditor::dispatchEnabler(TCommandEnabler& tce) { return editorTable().dispatchEnabler(this, tce); }
bool FileEditor::hasCommand(CommandId id) const { return editorTable().hasCommand(id); }

void FileEditor::openSearchDialog(bool replace)
{
    QPointer<FindReplaceDialog>& slot = replace ? replaceDialog_ : findDialog_;
    if (slot) {
        slot->raise();
        slot->activateWindow();
        return;
    }
    QString initial = searchText_;
    if (hasSelectedText() && !selectedText().contains(QLatin1Char('\n')))
        initial = selectedText();
    auto* dialog = new FindReplaceDialog(this, replace, initial);
    dialog->setParent(window(), Qt::Dialog);
    dialog->setOptions(matchCase_, wholeWord_, forward_);
    slot = dialog;
    auto remember = [this, dialog] {
        searchText_ = dialog->findText();
        matchCase_ = dialog->matchCase();
        wholeWord_ = dialog->wholeWord();
        forward_ = dialog->forward();
    };
    connect(dialog, &FindReplaceDialog::findNextRequested, this, [this, remember] {
        remember();
        findNext(searchText_, matchCase_, wholeWord_, forward_);
        emit commandStateChanged();
    });
    connect(dialog, &FindReplaceDialog::replaceRequested, this, [this, dialog, remember] {
        remember();
        replaceNext(searchText_, dialog->replaceText(), matchCase_, wholeWord_, forward_);
    });
    connect(dialog, &FindReplaceDialog::replaceAllRequested, this, [this, dialog, remember] {
        remember();
        replaceAll(searchText_, dialog->replaceText(), matchCase_, wholeWord_);
    });
    connect(dialog, &QObject::destroyed, this, &FileEditor::commandStateChanged);
    dialog->show();
    emit commandStateChanged();
}

QByteArray FileEditor::encodeForDocument(const QString& text) const
{
    return SendScintilla(SCI_GETCODEPAGE) == SC_CP_UTF8 ? text.toUtf8() : text.toLatin1();
}

bool FileEditor::fitsDocument(const QString& text) const
{
    // An 8-bit document holds no character above U+00FF: such a search text can never match, and
    // its encoding would stand "?" in for it.
    if (SendScintilla(SCI_GETCODEPAGE) == SC_CP_UTF8)
        return true;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

namespace {

int searchFlags(bool matchCase, bool wholeWord)
{
    return (matchCase ? QsciScintillaBase::SCFIND_MATCHCASE : 0) | (wholeWord ? QsciScintillaBase::SCFIND_WHOLEWORD : 0);
}

} // namespace

bool FileEditor::findNext(const QString& text, bool matchCase, bool wholeWord, bool forward)
{
    const QByteArray needle = encodeForDocument(text);
    const long selStart = SendScintilla(SCI_GETSELECTIONSTART);
    const long selEnd = SendScintilla(SCI_GETSELECTIONEND);
    const long length = SendScintilla(SCI_GETLENGTH);
    SendScintilla(SCI_SETSEARCHFLAGS, searchFlags(matchCase, wholeWord));
    if (forward) {
        SendScintilla(SCI_SETTARGETSTART, selEnd);
        SendScintilla(SCI_SETTARGETEND, length);
    } else {
        SendScintilla(SCI_SETTARGETSTART, selStart);
        SendScintilla(SCI_SETTARGETEND, 0L);
    }
    const long found = fitsDocument(text)
        ? SendScintilla(SCI_SEARCHINTARGET, static_cast<unsigned long>(needle.size()), needle.constData())
        : -1L;
    if (found < 0) {
        showMessage(tr("Cannot find \"%1\".").arg(text), QMessageBox::Warning, QMessageBox::Ok);
        return false;
    }
    const long end = SendScintilla(SCI_GETTARGETEND);
    SendScintilla(SCI_SETSEL, found, end);
    return true;
}

bool FileEditor::replaceNext(const QString& text, const QString& replacement, bool matchCase, bool wholeWord,
                             bool forward)
{
    if (hasSelectedText()) {
        const QByteArray needle = encodeForDocument(text);
        const long selStart = SendScintilla(SCI_GETSELECTIONSTART);
        const long selEnd = SendScintilla(SCI_GETSELECTIONEND);
        SendScintilla(SCI_SETSEARCHFLAGS, searchFlags(matchCase, wholeWord));
        SendScintilla(SCI_SETTARGETSTART, selStart);
        SendScintilla(SCI_SETTARGETEND, selEnd);
        if (SendScintilla(SCI_SEARCHINTARGET, static_cast<unsigned long>(needle.size()), needle.constData()) == selStart
            && SendScintilla(SCI_GETTARGETEND) == selEnd) {
            const QByteArray with = encodeForDocument(replacement);
            QuietEdit quiet(*this);
            SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(with.size()), with.constData());
            SendScintilla(SCI_SETSEL, selStart, selStart + with.size());
        }
    }
    return findNext(text, matchCase, wholeWord, forward);
}

int FileEditor::replaceAll(const QString& text, const QString& replacement, bool matchCase, bool wholeWord)
{
    const QByteArray needle = encodeForDocument(text);
    const QByteArray with = encodeForDocument(replacement);
    if (needle.isEmpty())
        return 0;
    if (!fitsDocument(text)) {
        showMessage(tr("Cannot find \"%1\".").arg(text), QMessageBox::Warning, QMessageBox::Ok);
        return 0;
    }
    int count = 0;
    long from = 0;
    SendScintilla(SCI_SETSEARCHFLAGS, searchFlags(matchCase, wholeWord));
    {
        QuietEdit quiet(*this);
        SendScintilla(SCI_BEGINUNDOACTION);
        for (;;) {
            SendScintilla(SCI_SETTARGETSTART, from);
            SendScintilla(SCI_SETTARGETEND, SendScintilla(SCI_GETLENGTH));
            const long found =
                SendScintilla(SCI_SEARCHINTARGET, static_cast<unsigned long>(needle.size()), needle.constData());
            if (found < 0)
                break;
            SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(with.size()), with.constData());
            from = found + with.size();
            ++count;
        }
        SendScintilla(SCI_ENDUNDOACTION);
    }
    if (count == 0)
        showMessage(tr("Cannot find \"%1\".").arg(text), QMessageBox::Warning, QMessageBox::Ok);
    return count;
}

} // namespace scrivlet
