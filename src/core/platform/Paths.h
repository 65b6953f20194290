#pragma once
// Paths that templates, settings and installation files store keep their Windows form
// (relative, backslash-separated). Here both "\" and "/" separate folders, and a path that does
// not exist as written is matched component by component ignoring letter case.
#include <QString>

#include <QHash>

// Backslashes become "/"; nothing else changes.
QString ToNativeSeparators(const QString& path);

// The path as it stands on disk: the written form when it exists, else the case-insensitive
// match of each component; from the first component that matches nothing on, the rest stays as
// written. Separators become "/".
QString ResolvePath(const QString& path);

// While one stands, ResolvePath lists each folder it has to search at most once: an import or a
// Make HTML looks up many names (tile pictures, includes, the old data file) in the same few
// folders, and a folder of thousands of files would otherwise be listed for every one of them.
// What others change in a folder meanwhile is not seen, so a scope lasts one command; what the
// program itself writes or deletes drops the listings (DiskFileOps calls FilesChanged). A scope
// made while another stands shares the other's listings.
class FolderListingScope {
public:
    FolderListingScope();
    ~FolderListingScope();
    FolderListingScope(const FolderListingScope&) = delete;
    FolderListingScope& operator=(const FolderListingScope&) = delete;

    // The folders listed so far in this scope (and the one it shares).
    int FoldersListed() const;
    // Files were made, replaced or deleted: every folder is listed afresh when next searched.
    static void FilesChanged();

private:
    friend class FolderListings;
    FolderListingScope* shared_ = nullptr;
    // Per folder: each entry's case-folded name and the name as it stands on disk.
    QHash<QString, QHash<QString, QString>> listings_;
    int listed_ = 0;
};

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
