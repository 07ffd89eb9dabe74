#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

namespace scrivlet {

// The "CAPS", "NUM" and "SCRL" indicators of the status bar, lit from the keyboard's real state
// whenever a key event or a window activation may have changed it.
class LockIndicators : public QObject {
    Q_OBJECT
public:
    explicit LockIndicators(QStatusBar* bar);
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* caps_;
    QLabel* num_;
    QLabel* scroll_;
    bool refreshPending_ = false; // one read of the keyboard per burst of events
};

} // namespace scrivlet
