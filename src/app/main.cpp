#include <QApplication>
#include <QDir>
#include <QFile>

#include "app/scrivletapp.h"
#include "core/settings.h"

// The program takes no arguments: its options come from the settings file of the start directory.
int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scrivlet"));
    Q_INIT_RESOURCE(scrivlet);

    const std::string settingsFile = scrivlet::settingsFilePath(QFile::encodeName(QDir::currentPath()).toStdString());
    const int mruSize = scrivlet::readMRUSize(settingsFile);
    scrivlet::TScrivletApp app(settingsFile, mruSize);
    return app.Run();
}
