#include "jobwindowwiring.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QSessionManager>

#include "jobfiles.h"
#include "jobwindow.h"
#include "jobwindowondemand.h"
#include "mainwindow.h"

namespace kalmoro {

namespace {

// Takes job files dropped anywhere on a window whose controls do not take the drop themselves.
class JobDropTarget final : public QObject
{
public:
    JobDropTarget(JobWindowOnDemand &job, QObject *parent)
        : QObject(parent)
        , m_job(job)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            if (!DraggedJobFile(*drag->mimeData()).isEmpty()) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto *drop = static_cast<QDropEvent *>(event);
            if (const QString path = DraggedJobFile(*drop->mimeData()); !path.isEmpty()) {
                drop->acceptProposedAction();
                JobWindow &job = m_job.window();
                if (job.openFile(path))
                    job.present();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    JobWindowOnDemand &m_job;
};

} // namespace

void WireJobWindow(MainWindow &window, JobWindowOnDemand &job, QObject *context)
{
    window.setAcceptDrops(true);
    window.installEventFilter(new JobDropTarget(job, context));
    window.setCloseGuard([&job] {
        JobWindow *built = job.built();
        return !built || built->settleChanges();
    });
    // The session ends without closing the windows: the job's changes are settled while the session
    // still lets the program ask, and cancelling keeps the session.
    QObject::connect(
        qGuiApp, &QGuiApplication::commitDataRequest, context,
        [&job](QSessionManager &manager) {
            JobWindow *built = job.built();
            if (!built || !built->isWindowModified())
                return;
            if (manager.allowsInteraction()) {
                const bool settled = built->settleChanges();
                manager.release();
                if (!settled)
                    manager.cancel();
            }
        },
        Qt::DirectConnection);
}

} // namespace kalmoro
