#pragma once

#include <functional>

class QObject;
class QThread;

// Work that must not hold up the GUI thread (a query, a file written): run
// on a thread of its own, then done() on the owner's thread once it ended.
// The thread is the owner's child and deletes itself after done(); an
// owner that may go first waits for it.
namespace WorkerJob {

QThread *start(QObject *owner, const std::function<void()> &work, const std::function<void()> &done);

} // namespace WorkerJob
