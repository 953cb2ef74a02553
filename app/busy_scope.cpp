#include "app/busy_scope.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QSet>

namespace tavimor {

BusyScope::BusyScope() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
}

BusyScope::~BusyScope() {
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

bool BusyScope::eventFilter(QObject* /*watched*/, QEvent* event) {
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
    return kInput.contains(event->type());
}

}  // namespace tavimor
