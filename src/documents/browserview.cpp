#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QUrl>

#include "app/scrivletapp.h"
#include "core/browsercmd.h"
#include "documents/mdichild.h"
#include "documents/scrivletedit.h"
#include "platform/dialogprovider.h"

namespace scrivlet {

namespace {

// Starts the browser as decided; false when nothing could be started.
bool startBrowser(const BrowserLaunch& launch)
{
    switch (launch.kind) {
    case BrowserLaunch::Kind::OpenWithDesktop: {
        const QString file = QFile::decodeName(launch.file.c_str());
        // Platforms without a desktop launcher of their own (such as the off-screen one) go to
        // xdg-open directly.
        return QDesktopServices::openUrl(QUrl::fromLocalFile(file))
               || QProcess::startDetached(QStringLiteral("xdg-open"), {file});
    }
    case BrowserLaunch::Kind::StartProgram: {
        QStringList arguments;
        for (const std::string& a : launch.arguments)
            arguments << QFile::decodeName(a.c_str());
        return QProcess::startDetached(QFile::decodeName(launch.program.c_str()), arguments);
    }
    case BrowserLaunch::Kind::Impossible:
        break;
    }
    return false;
}

} // namespace

void TMDIScrivletChild::CmBrowserView()
{
    const QString caption = QStringLiteral("Scrivlet");
    const auto answer = DialogProvider::instance().message(this, caption, QStringLiteral("Save File Before Continuing?"),
                                                           QMessageBox::Warning,
                                                           QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes) {
        client->Save(); // a failed or cancelled save still previews the file as last saved

        const TScrivletApp* app = TScrivletApp::instance();
        const BrowserLaunch launch =
            browserLaunch(app ? app->SysBrowser : true, app ? app->BrowserPath : std::string(),
                          QFile::encodeName(client->FileName()).toStdString());
        if (!startBrowser(launch))
            DialogProvider::instance().message(this, caption, QString::fromStdString(browserFailureText(launch)),
                                               QMessageBox::Warning, QMessageBox::Ok);
    }
    show();
}

} // namespace scrivlet
