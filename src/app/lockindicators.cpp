#include "app/lockindicators.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>

#include "platform/keyboardstate.h"

namespace scrivlet {

namespace {

QLabel* makeIndicator(QStatusBar* bar, const QString& text)
{
    auto* label = new QLabel(text, bar);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + 12);
    label->setEnabled(false);
    bar->addPermanentWidget(label);
    return label;
}

} // namespace

LockIndicators::LockIndicators(QStatusBar* bar)
    : QObject(bar),
      caps_(makeIndicator(bar, QStringLiteral("CAPS"))),
      num_(makeIndicator(bar, QStringLiteral("NUM"))),
      scroll_(makeIndicator(bar, QStringLiteral("SCRL")))
{
    qApp->installEventFilter(this);
    refresh();
}

void LockIndicators::refresh()
{
    refreshPending_ = false;
    const LockKeyState state = currentLockKeyState().value_or(LockKeyState{});
    caps_->setEnabled(state.caps);
    num_->setEnabled(state.num);
    scroll_->setEnabled(state.scroll);
}

bool LockIndicators::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
    case QEvent::WindowActivate:
        // The indicator changes after the lock key's own event: read it once that event is done.
        // A key event passes through several objects; they share one read.
        if (!refreshPending_) {
            refreshPending_ = true;
            QMetaObject::invokeMethod(this, &LockIndicators::refresh, Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace scrivlet
