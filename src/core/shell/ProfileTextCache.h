#pragma once
// The decoded text of the settings and prior-choices files, kept between reads: a file is
// decoded once and read from memory until it is written through WriteProfileValues or changed
// on disk (its size, times or identity differ from when it was read), so reading every key of
// the file costs one decode. A file changed in the last seconds before it was read is decoded
// on every read: a change in the same tick of the file system's clock would not show.
#include "platform/FileOps.h"

#include <QString>
#include <optional>

// The file's decoded text; empty when it is missing, cannot be read or is larger than `maxBytes`
// (a failed read is not kept). Never throws.
std::optional<QString> CachedProfileText(FileOps& files, const QString& path, qint64 maxBytes);

// Drops what is kept for the file: it is about to change.
void ForgetProfileText(const QString& path);
