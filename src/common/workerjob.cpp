#include "workerjob.h"

#include <QThread>

namespace WorkerJob {

QThread *start(QObject *owner, const std::function<void()> &work, const std::function<void()> &done)
{
    QThread *job = QThread::create(work);
    job->setParent(owner);
    QObject::connect(job, &QThread::finished, owner, [job, done] {
        job->deleteLater();
        done();
    });
    job->start();
    return job;
}

} // namespace WorkerJob
