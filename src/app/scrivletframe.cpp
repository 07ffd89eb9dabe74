#include "app/scrivletframe.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/lockindicators.h"
#include "app/scrivletapp.h"
#include "documents/mdichild.h"
#include "documents/mdiclient.h"
#include "documents/scrivletedit.h"

namespace scrivlet {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A menu shows the key text after a tab; the catalogue's backspace does the same.
QString menuText(std::string_view label)
{
    QString text = toQString(label);
    text.replace(QLatin1Char('\b'), QLatin1Char('\t'));
    return text;
}

bool isExitMenu(const QMenu* menu, CommandId exitId, const QHash<CommandId, QAction*>& actions)
{
    const QAction* exit = actions.value(exitId);
    return exit && menu->actions().contains(const_cast<QAction*>(exit));
}

} // namespace

TScrivletFrame::TScrivletFrame(TScrivletApp& app) : app_(app)
{
    setWindowTitle(QApplication::applicationName());
    setWindowIcon(QIcon(QStringLiteral(":/icons/scrivlet.svg")));
    client_ = new TMDIScrivletClient(this);
    setCentralWidget(client_);
    buildStatusBar();
    buildMenus();
    buildToolbar();
    buildAccelerators();

    connect(client_, &TMDIScrivletClient::commandStateChanged, this, &TScrivletFrame::requestCommandUpdate);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TScrivletFrame::requestCommandUpdate);

    client_->SetupWindow();
    updateToolbar();
}

TScrivletFrame::~TScrivletFrame() = default;

void TScrivletFrame::buildStatusBar()
{
    statusBar()->setSizeGripEnabled(true);
    indicators_ = new LockIndicators(statusBar());
}

QMenu* TScrivletFrame::buildPopup(const MenuItem& item, QWidget* parent)
{
    auto* menu = new QMenu(menuText(item.label), parent);
    for (const MenuItem& child : item.children) {
        switch (child.kind) {
        case MenuItem::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuItem::Kind::Popup:
            menu->addMenu(buildPopup(child, menu));
            break;
        case MenuItem::Kind::Command: {
            QAction* action = menu->addAction(menuText(child.label));
            action->setStatusTip(QString::fromStdString(statusHint(child.hintId)));
            issues_.insert(action, child.issues);
            menuActions_.insert(child.id, action);
            const CommandId issued = child.issues;
            connect(action, &QAction::triggered, this, [this, issued] { routeCommand(issued); });
            break;
        }
        }
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { updateMenu(menu); });
    connect(menu, &QMenu::aboutToHide, statusBar(), &QStatusBar::clearMessage);
    return menu;
}

void TScrivletFrame::buildMenus()
{
    // Top-level separators only mark menu groups; they are not shown.
    for (const MenuItem& item : scrivlet::menuBar())
        if (item.kind == MenuItem::Kind::Popup)
            menuBar()->addMenu(buildPopup(item, this));
}

void TScrivletFrame::buildToolbar()
{
    toolbar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolbar_->setObjectName(QStringLiteral("Toolbar"));
    toolbar_->setMovable(true);
    toolbar_->setFloatable(true);
    toolbar_->setIconSize(QSize(20, 20));
    for (const ToolbarItem& item : scrivlet::toolbar()) {
        if (item.id == 0) {
            toolbar_->addSeparator();
            continue;
        }
        const QIcon icon = QIcon::fromTheme(toQString(item.themeIcon), QIcon(toQString(item.fallback)));
        auto* action = new QAction(icon, QString(), toolbar_);
        const std::optional<std::string> tip = toolbarTooltip(item.id);
        action->setToolTip(tip ? QString::fromStdString(*tip) : QString());
        action->setStatusTip(QString::fromStdString(statusHint(item.id)));
        action->setEnabled(false);
        const CommandId id = item.id;
        issues_.insert(action, id);
        connect(action, &QAction::triggered, this, [this, id] { routeCommand(id); });
        toolbar_->addAction(action);
        toolbarActions_ << action;
    }
    addToolBar(Qt::TopToolBarArea, toolbar_);
}

void TScrivletFrame::buildAccelerators()
{
    for (const Accelerator& accel : acceleratorTable()) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(toQString(accel.keyText)));
        action->setShortcutContext(Qt::WindowShortcut);
        const CommandId id = accel.command;
        connect(action, &QAction::triggered, this, [this, id] {
            // A key does nothing while the menu item with its command is disabled.
            if (menuActions_.contains(id) && !isCommandEnabled(id))
                return;
            routeCommand(id);
        });
        addAction(action);
    }
    // The document area's standard keys: close the active document, activate the next one.
    auto* closeChild = new QAction(this);
    closeChild->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    connect(closeChild, &QAction::triggered, client_, &QMdiArea::closeActiveSubWindow);
    auto* nextChild = new QAction(this);
    nextChild->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
    connect(nextChild, &QAction::triggered, client_, &QMdiArea::activateNextSubWindow);
    addActions({closeChild, nextChild});
}

QAction* TScrivletFrame::menuAction(CommandId itemId) const
{
    return menuActions_.value(itemId);
}

QList<CommandTarget*> TScrivletFrame::commandChain() const
{
    QList<CommandTarget*> chain;
    if (TMDIScrivletChild* child = client_->activeChild())
        chain << child->client << child;
    chain << client_ << const_cast<TScrivletFrame*>(this) << &app_;
    return chain;
}

bool TScrivletFrame::routeCommand(CommandId id)
{
    for (CommandTarget* target : commandChain())
        if (target->dispatchCommand(id))
            return true;
    return false;
}

bool TScrivletFrame::isCommandEnabled(CommandId id)
{
    const QList<CommandTarget*> chain = commandChain();
    const QList<CommandTarget*> windows = chain.mid(0, chain.size() - 1); // up to and including the frame
    for (CommandTarget* target : windows) {
        TCommandEnabler tce(id);
        if (target->dispatchEnabler(tce))
            return tce.isEnabled();
    }
    for (CommandTarget* target : windows)
        if (target->hasCommand(id))
            return true;
    TCommandEnabler tce(id);
    if (app_.dispatchEnabler(tce))
        return tce.isEnabled();
    return app_.hasCommand(id);
}

void TScrivletFrame::updateMenu(QMenu* menu)
{
    if (isExitMenu(menu, cmd::CmExit, menuActions_))
        refreshRecentFiles(menu);
    if (menu->actions().contains(menuActions_.value(cmd::CmCascadeChildren)))
        refreshWindowList(menu);
    for (QAction* action : menu->actions()) {
        const auto it = issues_.constFind(action);
        if (it != issues_.constEnd())
            action->setEnabled(isCommandEnabled(it.value()));
    }
}

void TScrivletFrame::refreshRecentFiles(QMenu* fileMenu)
{
    qDeleteAll(recentFileActions_);
    recentFileActions_.clear();
    QAction* exit = menuActions_.value(cmd::CmExit);
    const auto entries = app_.entries();
    for (const TRecentFiles::Entry& entry : entries) {
        QString path = QString::fromLocal8Bit(entry.path.c_str());
        path.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(entry.index + 1).arg(path), fileMenu);
        action->setStatusTip(QString()); // recent-file entries have no hint
        const CommandId id = CommandId(TRecentFiles::FirstCommandId + entry.index);
        connect(action, &QAction::triggered, this, [this, id] { routeCommand(id); });
        fileMenu->insertAction(exit, action);
        recentFileActions_ << action;
    }
    if (!recentFileActions_.isEmpty())
        recentFileActions_ << fileMenu->insertSeparator(exit);
}

void TScrivletFrame::refreshWindowList(QMenu* windowMenu)
{
    qDeleteAll(windowListActions_);
    windowListActions_.clear();
    const QList<TMDIScrivletChild*> children = client_->children();
    if (children.isEmpty())
        return;
    windowListActions_ << windowMenu->addSeparator();
    int number = 1;
    for (TMDIScrivletChild* child : children) {
        QString title = child->windowTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = windowMenu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(title));
        action->setCheckable(true);
        action->setChecked(child == client_->activeChild());
        connect(action, &QAction::triggered, client_, [this, child] { client_->setActiveSubWindow(child); });
        windowListActions_ << action;
    }
}

void TScrivletFrame::requestCommandUpdate()
{
    if (updatePending_)
        return;
    updatePending_ = true;
    QMetaObject::invokeMethod(this, &TScrivletFrame::updateToolbar, Qt::QueuedConnection);
}

void TScrivletFrame::updateToolbar()
{
    updatePending_ = false;
    for (QAction* action : toolbarActions_)
        action->setEnabled(isCommandEnabled(issues_.value(action)));
}

void TScrivletFrame::closeEvent(QCloseEvent* event)
{
    EvClose(event);
}

void TScrivletFrame::EvClose(QCloseEvent* event)
{
    // The settings are written before anything is asked, so even a refused close keeps them.
    writeSettings(app_);
    const QList<TMDIScrivletChild*> children = client_->children();
    for (TMDIScrivletChild* child : children) {
        if (!child->client->CanClose()) {
            event->ignore();
            return;
        }
    }
    for (TMDIScrivletChild* child : children) {
        child->setCloseConfirmed(true);
        child->close();
    }
    event->accept();
}

bool TScrivletFrame::dispatchCommand(CommandId) { return false; }
bool TScrivletFrame::dispatchEnabler(TCommandEnabler&) { return false; }
bool TScrivletFrame::hasCommand(CommandId) const { return false; }

} // namespace scrivlet
