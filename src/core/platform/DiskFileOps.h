#pragma once
// The file operations on the real disk.
#include "FileOps.h"

class DiskFileOps : public FileOps {
public:
    FileKind Kind(const QString& path) override;
    QByteArray Read(const QString& path, qint64 maxBytes) override;
    void Write(const QString& path, const QByteArray& bytes) override;
    void WriteScratch(const QString& path, const QByteArray& bytes) override;
    void CreateNew(const QString& path, const QByteArray& bytes) override;
    void Copy(const QString& from, const QString& to) override;
    void MakeFolder(const QString& path) override;
    void Remove(const QString& path) override;

private:
    void CopyFile(const QString& from, const QString& to);
};
