#pragma once

#include <QList>
#include <QMdiArea>
#include <QPointer>

#include "platform/dialogprovider.h"
#include "platform/responsetable.h"

namespace scrivlet {

class TMDIScrivletChild;

// The document area: makes every document window (new, opened, recent, start-up) and arranges them.
class TMDIScrivletClient : public QMdiArea, public CommandTarget {
    Q_OBJECT
public:
    explicit TMDIScrivletClient(QWidget* parent = nullptr);

    // The open dialog's choices; the filter chosen in one Open is in force at the next.
    DialogProvider::FileRequest FileData;
    // The document window that was active before the last one was made; not owned.
    QPointer<TMDIScrivletChild> saveChild;

    // Opens the start-up document when the settings ask for one.
    void SetupWindow();
    // Makes a document window: a new document when `name` is null, else the file `name` (a local path).
    TMDIScrivletChild* OpenFile(const char* name);

    // The document window that commands act on, or nullptr.
    TMDIScrivletChild* activeChild() const;
    QList<TMDIScrivletChild*> children() const;

    void CmFileNew();
    void CmFileOpen();
    void CmCascadeChildren();
    void CmTileChildren();
    void CmArrangeIcons();
    void CmChildActionEnable(TCommandEnabler& tce);

    bool dispatchCommand(CommandId id) override;
    bool dispatchEnabler(TCommandEnabler& tce) override;
    bool hasCommand(CommandId id) const override;

signals:
    // Something that the enabling of a command depends on may have changed.
    void commandStateChanged();

private:
    TMDIScrivletChild* makeChild(const char* name, bool maximized);
};

} // namespace scrivlet
