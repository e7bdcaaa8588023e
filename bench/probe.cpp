// Start-up probe, linked into a program beside that program's own main(). It stamps the
// monotonic clock at four moments and, once the first frame of the window has been painted
// and flushed, prints the stamps and ends the event loop, so the program then shuts down
// exactly as it does when its window is closed.
//
//   start   the application object is being constructed (pre-routine)
//   create  the first widget is constructed: the main window's constructor begins
//   shown   the window receives its show event: its constructor has returned
//   frame   the first paint pass has run and its frame has been flushed

#include "monotonic.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

using bench::monotonicNs;

class FirstFrameProbe : public QObject
{
public:
    explicit FirstFrameProbe(qint64 start)
        : m_start(start)
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!watched->isWidgetType())
            return false;
        switch (event->type()) {
        case QEvent::Create:
            if (!m_create)
                m_create = monotonicNs();
            break;
        case QEvent::Show:
            if (!m_shown && static_cast<QWidget *>(watched)->isWindow())
                m_shown = monotonicNs();
            break;
        case QEvent::Paint:
            if (!m_paint) {
                m_paint = monotonicNs();
                // The backing store flushes right after the paint events of one pass, before
                // the event loop turns again; a zero timer fires after that flush.
                QTimer::singleShot(0, this, [this] { finish(); });
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    void finish()
    {
        const qint64 frame = monotonicNs();
        std::printf("probe start=%lld create=%lld shown=%lld frame=%lld\n", static_cast<long long>(m_start),
                    static_cast<long long>(m_create), static_cast<long long>(m_shown),
                    static_cast<long long>(frame));
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    qint64 m_start;
    qint64 m_create = 0;
    qint64 m_shown = 0;
    qint64 m_paint = 0;
};

void installProbe()
{
    auto *probe = new FirstFrameProbe(monotonicNs());
    probe->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(probe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
