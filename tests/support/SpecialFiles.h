#pragma once
// What a careful program must not trip over, made for a test: FIFOs, devices, huge sparse files
// and a disk that fills up (a file-size limit on the process, which fails writes the way a full
// disk does, without root and without filling anything).
#include <QString>

bool MakeFifo(const QString& path);
// A character device like /dev/null; false when this process may not make one.
bool MakeNullDevice(const QString& path);
// A file of `size` bytes that takes no room on the disk.
bool MakeSparseFile(const QString& path, qint64 size);

// While it lives, no file of this process grows beyond `bytes`: a write past it fails with
// "file too large", as a write to a full disk fails with "no space".
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // The same for a child process, set between fork and exec.
    static void ApplyInChild(qint64 bytes);

private:
    unsigned long long previous_ = 0;
};
