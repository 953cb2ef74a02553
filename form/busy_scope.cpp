#include "form/busy_scope.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QSet>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace tavimor {

BusyScope::BusyScope(QWidget* stopButton, std::function<void()> stop)
    : stopButton_(stopButton), stop_(std::move(stop)) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
}

BusyScope::~BusyScope() {
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

bool BusyScope::eventFilter(QObject* watched, QEvent* event) {
    static const QSet<QEvent::Type> kInput = {QEvent::KeyPress,
                                              QEvent::KeyRelease,
                                              QEvent::ShortcutOverride,
                                              QEvent::Shortcut,
                                              QEvent::MouseButtonPress,
                                              QEvent::MouseButtonRelease,
                                              QEvent::MouseButtonDblClick,
                                              QEvent::NonClientAreaMouseButtonPress,
                                              QEvent::NonClientAreaMouseButtonRelease,
                                              QEvent::NonClientAreaMouseButtonDblClick,
                                              QEvent::Wheel,
                                              QEvent::ContextMenu,
                                              QEvent::InputMethod,
                                              QEvent::TouchBegin,
                                              QEvent::TouchUpdate,
                                              QEvent::TouchEnd,
                                              QEvent::TabletPress,
                                              QEvent::TabletRelease,
                                              QEvent::DragEnter,
                                              QEvent::DragMove,
                                              QEvent::Drop};
    if (!kInput.contains(event->type())) return false;
    if (!stopButton_) return true;
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Queued: stopping may end this scope, which must not happen while
        // it is still filtering.
        if (stop_) QTimer::singleShot(0, stopButton_, std::exchange(stop_, nullptr));
        return true;
    }
    // A window hands its input on to the widget it is for, where the
    // verdict falls: the stop button's gets through, all other is dropped.
    return watched != stopButton_ && !qobject_cast<QWindow*>(watched);
}

}  // namespace tavimor
