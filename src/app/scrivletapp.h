#pragma once

#include <QObject>
#include <memory>

#include "core/recentfiles.h"
#include "core/settings.h"
#include "platform/responsetable.h"

namespace scrivlet {

class TScrivletFrame;

// The application object: the settings record, the recent-files list, and the commands of the
// application (About, Options, the recent-file entries, Exit). One exists while the program runs.
class TScrivletApp : public QObject, public SettingsRecord, public TRecentFiles, public CommandTarget {
    Q_OBJECT
public:
    // Reads the settings of `settingsFile` (an absolute path); `mruSize` is the list size read before.
    TScrivletApp(const std::string& settingsFile, int mruSize);
    ~TScrivletApp() override;

    // The running application object; nullptr before one exists.
    static TScrivletApp* instance();

    // Builds the main window (frame, document area, toolbar, status bar).
    void InitMainWindow();
    // Builds and shows the main window, then runs the event loop; returns its exit status.
    int Run();
    TScrivletFrame* mainWindow() const { return frame_.get(); }

    void CmHelpAbout();
    void CmOptions();
    void CmExit();
    // Opens the recent-file entry whose command id is `wp` in a new document window.
    void CmFileSelected(unsigned wp);
    void CeExit(TCommandEnabler& tce);

    bool dispatchCommand(CommandId id) override;
    bool dispatchEnabler(TCommandEnabler& tce) override;
    bool hasCommand(CommandId id) const override;

private:
    std::unique_ptr<TScrivletFrame> frame_;
};

} // namespace scrivlet
