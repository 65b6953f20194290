#pragma once
// New files written one after another on a thread of their own, while the caller goes on making
// the next: a batch spends about as long waiting for the disk to take a page as making it. Only
// a few files wait at a time, so memory stays small however many are written; adding blocks
// until there is room. The files go through the file operations' CreateNew, which touches
// nothing but the file it makes.
#include "AppError.h"
#include "FileOps.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

class BackgroundWriter {
public:
    struct Failure {
        QString path;
        AppError error;
    };

    explicit BackgroundWriter(FileOps& files, int waitingLimit = 32);
    // Writes what is still waiting, then ends the thread.
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    // Queues a new file (see FileOps::CreateNew).
    void Add(const QString& path, const QByteArray& bytes);
    // Waits until every file added so far is written or has failed; the failures since the
    // last call, in the order the files were added.
    QList<Failure> Wait();

private:
    struct Job {
        QString path;
        QByteArray bytes;
    };
    void Work();

    FileOps& files_;
    const int waitingLimit_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> waiting_;
    bool busy_ = false;  // the thread is writing a file taken from the queue
    bool stopping_ = false;
    QList<Failure> failures_;
    std::thread thread_;  // last: it starts once everything it uses is made
};
