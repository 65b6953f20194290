#include "BackgroundWriter.h"

#include <exception>
#include <optional>

BackgroundWriter::BackgroundWriter(FileOps& files, int waitingLimit)
    : files_(files), waitingLimit_(waitingLimit), thread_([this] { Work(); })
{
}

BackgroundWriter::~BackgroundWriter()
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void BackgroundWriter::Add(const QString& path, const QByteArray& bytes)
{
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return static_cast<int>(waiting_.size()) < waitingLimit_; });
    waiting_.push_back({path, bytes});
    lock.unlock();
    changed_.notify_all();
}

QList<BackgroundWriter::Failure> BackgroundWriter::Wait()
{
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return waiting_.empty() && !busy_; });
    QList<Failure> failures;
    failures.swap(failures_);
    return failures;
}

void BackgroundWriter::Work()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || !waiting_.empty(); });
        if (waiting_.empty())
            return;
        const Job job = std::move(waiting_.front());
        waiting_.pop_front();
        busy_ = true;
        lock.unlock();
        changed_.notify_all();  // there is room for one more
        std::optional<AppError> failure;
        try {
            files_.CreateNew(job.path, job.bytes);
        } catch (const AppError& e) {
            failure = e;
        } catch (const std::exception&) {
            failure = AppError(ErrorNumber::PathFileAccess);
        }
        lock.lock();
        if (failure)
            failures_.append({job.path, *failure});
        busy_ = false;
        changed_.notify_all();
    }
}
