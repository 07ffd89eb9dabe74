#include "documents/mdichild.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenu>
#include <QMenu>
#include <QPrinter>

#include "core/fixedtags.h"
#include "documents/mdiclient.h"
#include "documents/scrivletedit.h"

namespace scrivlet {

namespace {

const ResponseTable<TMDIScrivletChild>& childTable()
{
    using C = TMDIScrivletChild;
    static const ResponseTable<C> table{
        {cmd::CmFilePrint, &C::CmFilePrint, &C::CmPrintEnable},
        {cmd::CmFilePrintSetup, &C::CmFilePrintSetup, &C::CmPrintEnable},
        {cmd::CmBrowserView, &C::CmBrowserView, nullptr},
        {cmd::CmColorCode, &C::CmColorCode, nullptr},
        {cmd::CmBGCOLOR, &C::CmBGCOLOR, nullptr},
        {cmd::CmFontColor, &C::CmFontColor, nullptr},
        {cmd::CmIMG, &C::CmIMG, nullptr},
        {cmd::CmBackground, &C::CmBackground, nullptr},
        {cmd::CmApplet, &C::CmApplet, nullptr},
        {cmd::CmOtherTag, &C::CmOtherTag, nullptr},
    };
    return table;
}

// The system menu's items show the hints of the window's system commands.
void setSystemMenuHints(QMenu* menu)
{
    if (!menu)
        return;
    static const struct {
        const char* text;
        CommandId id;
    } systemCommands[] = {
        {"Restore", 61728}, {"Move", 61456}, {"Size", 61440}, {"Minimize", 61472}, {"Maximize", 61488}, {"Close", 61536},
    };
    for (QAction* action : menu->actions()) {
        const QString text = action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        for (const auto& command : systemCommands)
            if (text == QLatin1String(command.text))
                action->setStatusTip(QString::fromStdString(statusHint(command.id)));
    }
}

} // namespace

TMDIScrivletChild::TMDIScrivletChild(TMDIScrivletClient& /*parent*/, const char* title, TScrivletEdit* clientWnd)
    : client(clientWnd)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/icons/scrivlet.svg")));
    setWidget(clientWnd);
    // The frame's accelerators close (Ctrl+F4) and switch documents; the window menu's own keys would
    // make those keys ambiguous, so that neither acts.
    if (QMenu* menu = systemMenu())
        for (QAction* action : menu->actions())
            action->setShortcuts({});
    storedCaption_ = title ? QString::fromLatin1(title) : QString();
    setSystemMenuHints(systemMenu());
    connect(client, &FileEditor::fileNameChanged, this, [this] {
        // A document that takes a file name is known by its path alone.
        storedCaption_.clear();
        updateTitle();
    });
    updateTitle();
}

TMDIScrivletChild::~TMDIScrivletChild() = default;

void TMDIScrivletChild::SetCaption(const QString& caption)
{
    storedCaption_ = caption;
    updateTitle();
}

void TMDIScrivletChild::updateTitle()
{
    const QString& file = client->FileName();
    if (storedCaption_.isEmpty())
        setWindowTitle(file);
    else if (file.isEmpty())
        setWindowTitle(storedCaption_);
    else
        setWindowTitle(storedCaption_ + QStringLiteral(" - ") + file);
}

void TMDIScrivletChild::closeEvent(QCloseEvent* event)
{
    if (!closeConfirmed_ && !client->CanClose()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

bool TMDIScrivletChild::dispatchCommand(CommandId id)
{
    if (childTable().dispatchCommand(this, id))
        return true;
    if (findFixedTag(id)) {
        insertFixedTag(id);
        return true;
    }
    return false;
}

bool TMDIScrivletChild::dispatchEnabler(TCommandEnabler& tce)
{
    return childTable().dispatchEnabler(this, tce);
}

bool TMDIScrivletChild::hasCommand(CommandId id) const
{
    return childTable().hasCommand(id) || findFixedTag(id) != nullptr;
}

} // namespace scrivlet
