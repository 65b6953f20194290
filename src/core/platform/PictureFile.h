#pragma once
// Pictures (tiles, the splash logo, the window icon) are read like every other file: a regular
// file only, and no more of it than a picture may take.
#include "FileOps.h"

#include <QImage>

constexpr qint64 kPictureReadLimit = 64 * 1024 * 1024;

// The picture at a stored path (looked up as ResolvePath does); a null image when there is no
// regular file of at most kPictureReadLimit bytes there, or it holds no picture Qt can read.
QImage ReadPicture(FileOps& files, const QString& path);
// The same for a picture the user asked for: a failure throws AppError (53 no such file, 70
// access refused, 481 no picture Qt can read).
QImage LoadPicture(FileOps& files, const QString& path);
