#pragma once

#include <QPointer>
#include <QString>
#include <Qsci/qsciscintilla.h>

#include "platform/responsetable.h"

namespace scrivlet {

class FindReplaceDialog;

// The document editor of the platform layer: a QScintilla editor that holds a file's bytes exactly,
// knows its file name and modified flag, answers the edit, save and search commands, and asks before
// its changes are lost. Message boxes are captioned with the application's name.
class FileEditor : public QsciScintilla, public CommandTarget {
    Q_OBJECT
public:
    explicit FileEditor(QWidget* parent = nullptr);
    ~FileEditor() override;

    // The document's full path; empty while it has none.
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& path);

    bool isModified() const;

    // Loads `path` as raw bytes; on failure shows "Unable to read file %s from disk." and returns false,
    // leaving the text as it was.
    bool ReplaceWith(const QString& path);
    // Writes the bytes to `path` atomically and clears the modified flag; false when the write failed.
    bool Write(const QString& path);
    // True when nothing needed saving or the text was written; the save-as step when there is no name.
    bool Save();
    // Asks for a new name and writes there. The platform's version has no dialog of its own.
    virtual bool SaveAs();
    // The save-changes prompt: false keeps the window open.
    bool CanClose();

    // The text the user last searched for.
    const QString& searchText() const { return searchText_; }

    // Command handlers and enabling queries of the editor.
    void CmEditUndo();
    void CmEditCut();
    void CmEditCopy();
    void CmEditPaste();
    void CmEditDelete();
    void CmEditClear();
    void CmFileSave();
    void CmFileSaveAs();
    void CmEditFind();
    void CmEditReplace();
    void CmEditFindNext();
    void CeEditUndo(TCommandEnabler& tce);
    void CeHasSelect(TCommandEnabler& tce);
    void CeEditPaste(TCommandEnabler& tce);
    void CeEditClear(TCommandEnabler& tce);
    void CmSaveEnable(TCommandEnabler& tce);
    void CeEditFindReplace(TCommandEnabler& tce);
    void CeEditFindNext(TCommandEnabler& tce);

    bool dispatchCommand(CommandId id) override;
    bool dispatchEnabler(TCommandEnabler& tce) override;
    bool hasCommand(CommandId id) const override;

    // The editor's own edits, each made inside a QuietEdit so that its cost does not grow with its
    // position in a large document; the change signals are raised once afterwards.
    void cut() override;
    void paste() override;
    void undo() override;
    void redo() override;

    // Searches as the find options say; selects the match or shows "Cannot find \"%s\".".
    bool findNext(const QString& text, bool matchCase, bool wholeWord, bool forward);
    // Replaces the selection when it is a match, then finds the next one.
    bool replaceNext(const QString& text, const QString& replacement, bool matchCase, bool wholeWord, bool forward);
    // Replaces every match; returns how many.
    int replaceAll(const QString& text, const QString& replacement, bool matchCase, bool wholeWord);

signals:
    void fileNameChanged(const QString& path);
    // Something that the enabling of a command depends on may have changed.
    void commandStateChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Runs after a file was loaded into the editor, before its name is set.
    virtual void documentLoaded() {}
    // Shows a message box captioned with the application's name.
    int showMessage(const QString& text, int icon, int buttons);

private:
    void openSearchDialog(bool replace);
    QByteArray encodeForDocument(const QString& text) const;
    bool fitsDocument(const QString& text) const;

    QString fileName_;
    QString searchText_;
    bool matchCase_ = false;
    bool wholeWord_ = false;
    bool forward_ = true;
    QPointer<FindReplaceDialog> findDialog_;
    QPointer<FindReplaceDialog> replaceDialog_;
};

} // namespace scrivlet
