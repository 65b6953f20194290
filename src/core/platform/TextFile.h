#pragma once
// Reading and writing whole text files. Every write goes through QSaveFile, so a failed save
// never leaves a truncated file behind. Paths go through ResolvePath first.
#include "TextCodec.h"

#include <QString>
#include <functional>

struct TextFileData {
    QString text;
    TextEncoding encoding = TextEncoding::Windows1252;
    qint64 byteSize = 0;
};

// Throws AppError: 53 when the file does not exist, 75 when it is a folder or unreadable,
// 70 when access is refused.
TextFileData ReadTextFile(const QString& path);
// Reads the raw bytes with the same errors as ReadTextFile.
QByteArray ReadFileBytes(const QString& path);

// Writes the text whole, replacing the file. Throws AppError 70 when access is refused
// (a read-only file or folder), 75 for any other failure. The old file stays whole on failure.
void WriteTextFile(const QString& path, const QString& text, TextEncoding encoding);
void WriteFileBytes(const QString& path, const QByteArray& bytes);

// A scratch file holds only a copy of what the program has in memory: it is written in place
// without the sync to disk a save makes (a failed write still throws, as WriteFileBytes does).
void WriteScratchFile(const QString& path, const QString& text, TextEncoding encoding);

// Tests simulate a refused or failing write (a protected file, a full disk) through this hook:
// it gets the resolved path and returns the error number to throw, or 0 to write normally.
void SetWriteFaultForTests(std::function<int(const QString&)> fault);

// True when the path names a readable file (not a folder).
bool CanOpenForReading(const QString& path);
