#pragma once
// The file operations on the real disk, failing where a test says: a protected file, a full
// disk. A failing operation throws the AppError it was given and leaves the disk untouched, as
// the real operations promise to on failure.
#include "platform/AppError.h"
#include "platform/DiskFileOps.h"

#include <functional>

class FaultyFiles : public DiskFileOps {
public:
    // Every write, scratch write, new file, copy, new folder and delete whose target path the function
    // answers with an error number fails with that number; 0 lets it through.
    void FailWrites(std::function<int(const QString&)> fault) { fault_ = std::move(fault); }
    // A full disk: whatever is written fails, as the disk makes it fail.
    void FillDisk()
    {
        FailWrites([](const QString&) { return ErrorNumber::PathFileAccess; });
    }
    void Heal() { fault_ = nullptr; }

    void Write(const QString& path, const QByteArray& bytes) override
    {
        Check(path);
        DiskFileOps::Write(path, bytes);
    }
    void WriteScratch(const QString& path, const QByteArray& bytes) override
    {
        Check(path);
        DiskFileOps::WriteScratch(path, bytes);
    }
    void CreateNew(const QString& path, const QByteArray& bytes) override
    {
        Check(path);
        DiskFileOps::CreateNew(path, bytes);
    }
    void Copy(const QString& from, const QString& to) override
    {
        Check(to);
        DiskFileOps::Copy(from, to);
    }
    void MakeFolder(const QString& path) override
    {
        if (Kind(path) != FileKind::Folder)  // a folder that is there needs no room
            Check(path);
        DiskFileOps::MakeFolder(path);
    }
    void Remove(const QString& path) override
    {
        Check(path);
        DiskFileOps::Remove(path);
    }

private:
    void Check(const QString& path) const
    {
        if (fault_) {
            if (const int number = fault_(path))
                throw AppError(number);
        }
    }

    std::function<int(const QString&)> fault_;
};
