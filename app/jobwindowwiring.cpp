#include "jobwindowwiring.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QSessionManager>

#include "jobfiles.h"
#include "jobwindow.h"
#include "mainwindow.h"

namespace kalmoro {

namespace {

// Takes job files dropped anywhere on a window whose controls do not take the drop themselves.
class JobDropTarget final : public QObject
{
public:
    JobDropTarget(JobWindow &job, QObject *parent)
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
                if (m_job.openFile(path))
                    m_job.present();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    JobWindow &m_job;
};

} // namespace

void WireJobWindow(MainWindow &window, JobWindow &job, QObject *context)
{
    window.setAcceptDrops(true);
    window.installEventFilter(new JobDropTarget(job, context));
    window.setCloseGuard([&job] { return job.settleChanges(); });
    // The session ends without closing the windows: the job's changes are settled while the session
    // still lets the program ask, and cancelling keeps the session.
    QObject::connect(
        qGuiApp, &QGuiApplication::commitDataRequest, context,
        [&job](QSessionManager &manager) {
            if (!job.isWindowModified())
                return;
            if (manager.allowsInteraction()) {
                const bool settled = job.settleChanges();
                manager.release();
                if (!settled)
                    manager.cancel();
            }
        },
        Qt::DirectConnection);
}

} // namespace kalmoro
