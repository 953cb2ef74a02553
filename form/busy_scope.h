#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace tavimor {

// While one of these lives, the application shows the wait cursor and drops
// every keystroke, click and wheel turn aimed at any of its windows, while
// timers, repaints and queued calls keep running. It lets a long request run
// in the background without the user starting a second one or editing the
// form half-way. Input is dropped rather than deferred, so nothing typed
// during the wait lands in whatever box appears once it is over.
//
// One button may stay usable, the one that stops the wait: clicks and keys
// aimed at it get through, and the first Escape anywhere calls `stop`.
class BusyScope final : public QObject {
public:
    explicit BusyScope(QWidget* stopButton = nullptr, std::function<void()> stop = {});
    ~BusyScope() override;

    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> stopButton_;
    std::function<void()> stop_;
};

}  // namespace tavimor
