#pragma once

#include <QObject>

namespace tavimor {

// While one of these lives, the application shows the wait cursor and drops
// every keystroke, click and wheel turn aimed at any of its windows, while
// timers, repaints and queued calls keep running. It lets a long request run
// behind a local event loop without the user starting a second one, editing
// the form half-way, or closing the window under it. Input is dropped rather
// than deferred, so nothing typed during the wait lands in whatever box
// appears once it is over.
class BusyScope final : public QObject {
public:
    BusyScope();
    ~BusyScope() override;

    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tavimor
