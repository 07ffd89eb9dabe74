#include "documents/mdiclient.h"

#include <QFile>

#include "app/scrivletapp.h"
#include "documents/mdichild.h"
#include "documents/scrivletedit.h"

namespace scrivlet {

namespace {

const ResponseTable<TMDIScrivletClient>& clientTable()
{
    using C = TMDIScrivletClient;
    static const ResponseTable<C> table{
        {cmd::CmFileNew, &C::CmFileNew, nullptr},
        {cmd::CmFileOpen, &C::CmFileOpen, nullptr},
        {cmd::CmCascadeChildren, &C::CmCascadeChildren, &C::CmChildActionEnable},
        {cmd::CmTileChildren, &C::CmTileChildren, &C::CmChildActionEnable},
        {cmd::CmArrangeIcons, &C::CmArrangeIcons, &C::CmChildActionEnable},
    };
    return table;
}

} // namespace

TMDIScrivletClient::TMDIScrivletClient(QWidget* parent) : QMdiArea(parent)
{
    FileData.filters = {{QStringLiteral("HTML Files (*.htm, *.html)"), QStringLiteral("*.htm*")},
                        {QStringLiteral("All Files (*.*)"), QStringLiteral("*")}};
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &QMdiArea::subWindowActivated, this, &TMDIScrivletClient::commandStateChanged);
}

void TMDIScrivletClient::SetupWindow()
{
    TScrivletApp* app = TScrivletApp::instance();
    if (!app || !app->blnk)
        return;
    // The start-up document is the editor's own initial text: a single blank, not modified.
    makeChild(nullptr, true);
}

TMDIScrivletChild* TMDIScrivletClient::OpenFile(const char* name)
{
    TMDIScrivletChild* current = activeChild();
    TMDIScrivletChild* child = makeChild(name, current && current->isMaximized());
    if (name) {
        child->client->ReplaceWith(QFile::decodeName(name));
    } else {
        char open[] = "<HTML>\r\n\r\n";
        char close[] = "</HTML>";
        child->HTMLInsert(open, close);
    }
    saveChild = current;
    return child;
}

TMDIScrivletChild* TMDIScrivletClient::makeChild(const char* name, bool maximized)
{
    auto* editor = new TScrivletEdit;
    auto* child = new TMDIScrivletChild(*this, name ? nullptr : "New Document", editor);
    addSubWindow(child);
    connect(editor, &FileEditor::commandStateChanged, this, &TMDIScrivletClient::commandStateChanged);
    connect(child, &QObject::destroyed, this, &TMDIScrivletClient::commandStateChanged);
    if (maximized)
        child->showMaximized();
    else
        child->show();
    setActiveSubWindow(child);
    editor->setFocus();
    emit commandStateChanged();
    return child;
}

TMDIScrivletChild* TMDIScrivletClient::activeChild() const
{
    // The current window stays current while a dialog has the focus, unlike the active one.
    return qobject_cast<TMDIScrivletChild*>(currentSubWindow());
}

QList<TMDIScrivletChild*> TMDIScrivletClient::children() const
{
    QList<TMDIScrivletChild*> result;
    for (QMdiSubWindow* window : subWindowList(QMdiArea::CreationOrder))
        if (auto* child = qobject_cast<TMDIScrivletChild*>(window))
            result << child;
    return result;
}

void TMDIScrivletClient::CmFileNew()
{
    OpenFile(nullptr);
}

void TMDIScrivletClient::CmFileOpen()
{
    const QString path = DialogProvider::instance().getOpenFileName(this, FileData);
    if (path.isEmpty())
        return;
    const QByteArray name = QFile::encodeName(path);
    OpenFile(name.constData());
    if (TScrivletApp* app = TScrivletApp::instance())
        app->SaveMenuChoice(name.toStdString());
}

void TMDIScrivletClient::CmCascadeChildren() { cascadeSubWindows(); }
void TMDIScrivletClient::CmTileChildren() { tileSubWindows(); }

void TMDIScrivletClient::CmArrangeIcons()
{
    // Lines the minimized document windows up along the bottom edge, left to right.
    int x = 0;
    for (QMdiSubWindow* window : subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        window->move(x, viewport()->height() - size.height());
        x += size.width();
    }
}

void TMDIScrivletClient::CmChildActionEnable(TCommandEnabler& tce)
{
    tce.Enable(!subWindowList().isEmpty());
}

bool TMDIScrivletClient::dispatchCommand(CommandId id) { return clientTable().dispatchCommand(this, id); }
bool TMDIScrivletClient::dispatchEnabler(TCommandEnabler& tce) { return clientTable().dispatchEnabler(this, tce); }
bool TMDIScrivletClient::hasCommand(CommandId id) const { return clientTable().hasCommand(id); }

} // namespace scrivlet
