#pragma once

#include <QMdiSubWindow>
#include <memory>

#include "platform/responsetable.h"

class QPrinter;

namespace scrivlet {

class TMDIScrivletClient;
class TScrivletEdit;

// A document window: its editor fills it; the markup, print and preview commands act on it.
class TMDIScrivletChild : public QMdiSubWindow, public CommandTarget {
    Q_OBJECT
public:
    // `title` is the stored caption ("New Document"), or null for none.
    TMDIScrivletChild(TMDIScrivletClient& parent, const char* title, TScrivletEdit* clientWnd);
    ~TMDIScrivletChild() override;

    TScrivletEdit* client;
    std::unique_ptr<QPrinter> Printer; // made on first need
    int Printing = 0;

    // Brings both texts into the tag case (in place) and wraps the editor's selection in them;
    // `close_tag` may be null. One undo step.
    void HTMLInsert(char* open_tag, char* close_tag);

    // The stored caption; the window title is "<caption> - <file name>", or either alone.
    void SetCaption(const QString& caption);

    // Lets the next close go ahead without asking the editor again (its answer is already known).
    void setCloseConfirmed(bool confirmed) { closeConfirmed_ = confirmed; }

    // Fixed markup commands: the text pair of `id` from the table.
    void insertFixedTag(CommandId id);

    void CmFilePrint();
    void CmFilePrintSetup();
    void CmPrintEnable(TCommandEnabler& tce);
    void CmBrowserView();
    void CmColorCode();
    void CmBGCOLOR();
    void CmFontColor();
    void CmIMG();
    void CmBackground();
    void CmApplet();
    void CmOtherTag();

    bool dispatchCommand(CommandId id) override;
    bool dispatchEnabler(TCommandEnabler& tce) override;
    bool hasCommand(CommandId id) const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void updateTitle();

    QString storedCaption_;
    bool closeConfirmed_ = false;
};

} // namespace scrivlet
