// Loaded into a program started by bench_startup (LD_PRELOAD), unchanged: notes when the program's
// window is mapped and when its first frame is drawn, and how much memory the process holds a while
// after start, then ends the process. Where bench_startup counts instructions it ends the process at
// the point counted to.
//
// BENCH_STARTED_NS: the steady clock when the process was started; BENCH_UNTIL: "map", "frame" or
// "memory" (the default: all three figures).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// When the process's memory is read: late enough for what start-up leaves behind to settle.
constexpr qint64 kMemoryAfterStartNs = 1'500'000'000;

// Steady clock in nanoseconds; on Linux it is CLOCK_MONOTONIC, the same in every process.
qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

qint64 pssKiB()
{
    QFile rollup(QStringLiteral("/proc/self/smaps_rollup"));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    // Files under /proc report a size of 0, so they are read whole rather than line by line.
    const QList<QByteArray> lines = rollup.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

class StartupProbe final : public QObject
{
public:
    StartupProbe()
        : QObject(QCoreApplication::instance())
        , m_until(qgetenv("BENCH_UNTIL"))
        , m_startedNs(qgetenv("BENCH_STARTED_NS").toLongLong())
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    // The map: the show event of the first top-level native window, which Qt sends just before it
    // asks the window system to map the window. The first frame: once the first paint of a window
    // has been flushed; the zero timer posted from that paint event runs only after the whole
    // repaint pass, children and flush included.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !m_mappedNs) {
            const auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isTopLevel()) {
                m_mappedNs = nowNs();
                if (m_until == "map")
                    std::_Exit(0);
            }
        }
        if (event->type() == QEvent::Paint && !m_painted) {
            const auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isWindow()) {
                m_painted = true;
                QTimer::singleShot(0, this, [this] { firstFrameDrawn(); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void firstFrameDrawn()
    {
        m_frameNs = nowNs();
        if (m_until == "frame")
            std::_Exit(0);
        const qint64 left = (m_startedNs + kMemoryAfterStartNs - nowNs()) / 1'000'000;
        QTimer::singleShot(std::chrono::milliseconds(std::max<qint64>(left, 0)), this, [this] {
            std::printf("mapped-ns %lld first-frame-ns %lld pss-kib %lld\n",
                static_cast<long long>(m_mappedNs), static_cast<long long>(m_frameNs),
                static_cast<long long>(pssKiB()));
            std::fflush(stdout);
            std::_Exit(0);
        });
    }

    QByteArray m_until;
    qint64 m_startedNs;
    qint64 m_mappedNs = 0;
    qint64 m_frameNs = 0;
    bool m_painted = false;
};

void startProbe()
{
    new StartupProbe;
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startProbe)
