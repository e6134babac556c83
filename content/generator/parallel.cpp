#include "parallel.h"

#include <QMutex>
#include <QMutexLocker>
#include <QRunnable>
#include <QThreadPool>

bool runParallel(int count, const std::function<bool(int, QString*)>& job, QString* error)
{
    QMutex mutex;
    QString firstError;
    QThreadPool* pool = QThreadPool::globalInstance();
    for (int i = 0; i < count; ++i) {
        pool->start(QRunnable::create([&, i] {
            QString message;
            if (!job(i, &message)) {
                QMutexLocker lock(&mutex);
                if (firstError.isEmpty())
                    firstError = message;
            }
        }));
    }
    pool->waitForDone();
    if (firstError.isEmpty())
        return true;
    *error = firstError;
    return false;
}
