#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>

#include "core/commands.h"
#include "platform/responsetable.h"

class QAction;
class QMenu;
class QToolBar;

namespace scrivlet {

class LockIndicators;
class TMDIScrivletClient;
class TScrivletApp;

// The main window: menu bar, docking toolbar, status bar and the document area. It routes every
// command along editor, document window, document area, frame and application, and offers a command
// only while something on that chain would answer it.
class TScrivletFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT
public:
    explicit TScrivletFrame(TScrivletApp& app);
    ~TScrivletFrame() override;

    TMDIScrivletClient* client() const { return client_; }
    QToolBar* toolbar() const { return toolbar_; }

    // Delivers `id` to the first object on the chain that answers it; false when none did.
    bool routeCommand(CommandId id);
    // The enabling rule: the first enabling entry on the chain decides, else whether anything answers.
    bool isCommandEnabled(CommandId id);
    // The objects a command is offered to, in order.
    QList<CommandTarget*> commandChain() const;

    // The menu bar's action for an item id (for tests and the accelerators' check).
    QAction* menuAction(CommandId itemId) const;
    // Re-checks the enabled state of the toolbar buttons, once, when the event loop is next idle.
    void requestCommandUpdate();
    void updateToolbar();

    // Writes the settings, then asks every document whether it may close.
    void EvClose(QCloseEvent* event);

    bool dispatchCommand(CommandId id) override;
    bool dispatchEnabler(TCommandEnabler& tce) override;
    bool hasCommand(CommandId id) const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildAccelerators();
    void buildStatusBar();
    QMenu* buildPopup(const MenuItem& item, QWidget* parent);
    void updateMenu(QMenu* menu);
    void refreshRecentFiles(QMenu* fileMenu);
    void refreshWindowList(QMenu* windowMenu);

    TScrivletApp& app_;
    TMDIScrivletClient* client_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    LockIndicators* indicators_ = nullptr;
    QHash<QAction*, CommandId> issues_;        // every command action and the command it sends
    QHash<CommandId, QAction*> menuActions_;   // menu items by item id
    QList<QAction*> toolbarActions_;
    QList<QAction*> recentFileActions_;
    QList<QAction*> windowListActions_;
    bool updatePending_ = false;
};

} // namespace scrivlet
