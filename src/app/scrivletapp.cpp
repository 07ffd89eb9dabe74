#include "app/scrivletapp.h"

#include <QApplication>
#include <QFile>

#include "app/aboutdialog.h"
#include "app/scrivletframe.h"
#include "documents/mdiclient.h"
#include "platform/dialogprovider.h"

namespace scrivlet {

namespace {

TScrivletApp* running = nullptr;

const ResponseTable<TScrivletApp>& appTable()
{
    using A = TScrivletApp;
    static const ResponseTable<A> table{
        {cmd::CmHelpAbout, &A::CmHelpAbout, nullptr},
        {cmd::CmOptions, &A::CmOptions, nullptr},
        {cmd::CmExit, &A::CmExit, &A::CeExit},
    };
    return table;
}

bool isRecentFileCommand(CommandId id)
{
    return id >= TRecentFiles::FirstCommandId && id < TRecentFiles::FirstCommandId + TRecentFiles::MaxCapacity;
}

} // namespace

TScrivletApp::TScrivletApp(const std::string& settingsFile, int mruSize)
    : TRecentFiles(settingsFile, mruSize)
{
    loadSettings(*this, settingsFile, mruSize);
    running = this;
}

TScrivletApp::~TScrivletApp()
{
    frame_.reset();
    if (running == this)
        running = nullptr;
}

TScrivletApp* TScrivletApp::instance()
{
    return running;
}

void TScrivletApp::InitMainWindow()
{
    frame_ = std::make_unique<TScrivletFrame>(*this);
}

int TScrivletApp::Run()
{
    InitMainWindow();
    frame_->showMaximized();
    return QApplication::exec();
}

void TScrivletApp::CmHelpAbout()
{
    AboutDialog about(frame_.get());
    DialogProvider::instance().exec(about);
}

void TScrivletApp::CmExit()
{
    if (frame_)
        frame_->close();
}

void TScrivletApp::CmFileSelected(unsigned wp)
{
    const std::string path = GetMenuText(static_cast<int>(wp));
    frame_->client()->OpenFile(path.c_str());
}

void TScrivletApp::CeExit(TCommandEnabler& tce)
{
    tce.Enable(true);
}

bool TScrivletApp::dispatchCommand(CommandId id)
{
    if (isRecentFileCommand(id)) {
        CmFileSelected(id);
        return true;
    }
    return appTable().dispatchCommand(this, id);
}

bool TScrivletApp::dispatchEnabler(TCommandEnabler& tce)
{
    return appTable().dispatchEnabler(this, tce);
}

bool TScrivletApp::hasCommand(CommandId id) const
{
    return isRecentFileCommand(id) || appTable().hasCommand(id);
}

} // namespace scrivlet
