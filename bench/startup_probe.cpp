#include "startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace tavimor {
namespace {

constexpr auto kIdleBeforeMeasuring = std::chrono::milliseconds(500);

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Wall-clock time, since the script that starts the program can only read
// that clock before it starts it.
long long nowNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

class StartupProbe final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::Paint || !widget || !widget->isWindow()) return false;
        QCoreApplication::instance()->removeEventFilter(this);
        // Queued behind the paint, which ends with the window's pixels in
        // place on the screen.
        QTimer::singleShot(0, this, [this] {
            const long long shown = nowNanoseconds();
            QTimer::singleShot(kIdleBeforeMeasuring, this, [shown] {
                std::fprintf(stderr, "startup-probe: shown-ns=%lld rss-kb=%ld\n", shown,
                             residentKilobytes());
                std::fflush(stderr);
                QCoreApplication::exit(0);
            });
        });
        return false;
    }
};

}  // namespace

void installStartupProbeIfAsked() {
    if (qEnvironmentVariableIsEmpty("TAVIMOR_STARTUP_PROBE")) return;
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new StartupProbe(app));
}

}  // namespace tavimor
