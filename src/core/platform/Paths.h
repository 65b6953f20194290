#pragma once
// Paths that templates, settings and installation files store keep their Windows form
// (relative, backslash-separated). Here both "\" and "/" separate folders, and a path that does
// not exist as written is matched component by component ignoring letter case.
#include <QString>

// Backslashes become "/"; nothing else changes.
QString ToNativeSeparators(const QString& path);

// The path as it stands on disk: the written form when it exists, else the case-insensitive
// match of each component; from the first component that matches nothing on, the rest stays as
// written. Separators become "/".
QString ResolvePath(const QString& path);

bool FileExists(const QString& path);    // an existing regular file (links followed)
bool FolderExists(const QString& path);  // an existing folder

// "~" alone or at the start of "~/..." stands for the user's home folder, as a shell expands it;
// every other path is returned unchanged.
QString ExpandHome(const QString& path);

// True when both paths, looked up as ResolvePath does and with their links followed, name one
// and the same existing file (the same file on the same device: hard links count too).
bool SameFile(const QString& a, const QString& b);

// The long form of an existing path: its canonical path; empty when the path does not exist.
QString LongPathName(const QString& path);
