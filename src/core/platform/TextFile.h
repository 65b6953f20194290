#pragma once
// Reading and writing whole text files through the file operations (FileOps.h). A read looks the
// path up as a stored name (ResolvePath); a write uses the path exactly as given, separators
// aside, so a name the user chose is never matched to a file of another case: the caller
// resolves a stored name first when it means the file that is there.
#include "FileOps.h"
#include "TextCodec.h"

#include <QString>

struct TextFileData {
    QString text;
    TextEncoding encoding = TextEncoding::Windows1252;
    qint64 byteSize = 0;
};

// Throws AppError: 53 when the file does not exist, 75 when it is a folder, a FIFO, a device or
// unreadable, 70 when access is refused, 6 (overflow) when it holds more than maxBytes; only
// maxBytes + 1 bytes are ever read.
TextFileData ReadTextFile(FileOps& files, const QString& path, qint64 maxBytes);
QByteArray ReadFileBytes(FileOps& files, const QString& path, qint64 maxBytes);

// Writes the text whole, replacing the file. Throws AppError 70 when access is refused
// (a read-only file or folder), 75 for any other failure, among them a full disk and a target
// that is not a regular file. The old file stays whole on failure.
void WriteTextFile(FileOps& files, const QString& path, const QString& text, TextEncoding encoding);
void WriteFileBytes(FileOps& files, const QString& path, const QByteArray& bytes);

// A scratch file holds only a copy of what the program has in memory: it is written in place
// without the sync to disk a save makes (a failed write still throws, as WriteFileBytes does).
// Returns the number of bytes written.
qint64 WriteScratchFile(FileOps& files, const QString& path, const QString& text, TextEncoding encoding);

// Deletes a file when it can: for files whose loss nobody misses (scratch and preview files, an
// old data file the user let go), a file that stays or was never there is no failure.
void RemoveIgnoringErrors(FileOps& files, const QString& path);

// True when the path names a regular file that opens for reading. Only looks; reads nothing.
bool CanOpenForReading(const QString& path);
