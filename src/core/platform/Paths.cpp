#include "Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <sys/stat.h>

QString ToNativeSeparators(const QString& path)
{
    QString result = path;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return result;
}

namespace {

FolderListingScope* activeScope = nullptr;  // the outermost scope that stands, if any

// Each entry of the folder by its case-folded name; of names that differ only in case, the
// first in the listing's order stands for them all.
QHash<QString, QString> ListingOf(const QString& folder)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    QHash<QString, QString> names;
    for (const QString& entry : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QString key = entry.toCaseFolded();
        if (!names.contains(key))
            names.insert(key, entry);
    }
    return names;
}

}  // namespace

// The folder listings of the standing scope.
class FolderListings {
public:
    // The entry of the folder that matches the name ignoring case; empty for none.
    static QString Match(const QString& folder, const QString& name)
    {
        if (!activeScope)
            return ListingOf(folder).value(name.toCaseFolded());
        auto listing = activeScope->listings_.find(folder);
        if (listing == activeScope->listings_.end()) {
            listing = activeScope->listings_.insert(folder, ListingOf(folder));
            ++activeScope->listed_;
        }
        return listing->value(name.toCaseFolded());
    }
};

FolderListingScope::FolderListingScope() : shared_(activeScope)
{
    if (!activeScope)
        activeScope = this;
}

FolderListingScope::~FolderListingScope()
{
    if (activeScope == this)
        activeScope = nullptr;
}

int FolderListingScope::FoldersListed() const
{
    return (shared_ ? shared_ : this)->listed_;
}

void FolderListingScope::FilesChanged()
{
    if (activeScope)
        activeScope->listings_.clear();
}

QString ResolvePath(const QString& path)
{
    const QString written = ToNativeSeparators(path);
    if (written.isEmpty() || QFileInfo::exists(written))
        return written;

    const bool absolute = written.startsWith(QLatin1Char('/'));
    const QStringList parts = written.split(QLatin1Char('/'));
    QString current = absolute ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..")) {
            if (!part.isEmpty())
                current += part + QLatin1Char('/');
            continue;
        }
        QString candidate = current + part;
        if (!QFileInfo::exists(candidate)) {
            const QString match = FolderListings::Match(current, part);
            if (match.isEmpty()) {
                // Nothing on disk goes by this name: the folders found so far, then the rest as
                // written, so that a new file lands in the existing folder of another case.
                return current + QStringList(parts.mid(i)).join(QLatin1Char('/'));
            }
            candidate = current + match;
        }
        current = candidate;
        if (i + 1 < parts.size())
            current += QLatin1Char('/');
    }
    return current;
}

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    // Only a regular file counts: a FIFO or a device named as a file cannot be read as one.
    return QFileInfo(ResolvePath(path)).isFile();
}

bool FolderExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(ResolvePath(path)).isDir();
}

bool SameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(ResolvePath(a)).constData(), &first) == 0
        && ::stat(QFile::encodeName(ResolvePath(b)).constData(), &second) == 0 && first.st_dev == second.st_dev
        && first.st_ino == second.st_ino;
}

QString LongPathName(const QString& path)
{
    const QString canonical = QFileInfo(ResolvePath(path)).canonicalFilePath();
    return canonical;
}

QString ExpandHome(const QString& path)
{
    if (path == QLatin1String("~"))
        return QDir::homePath();
    if (path.startsWith(QLatin1String("~/")))
        return QDir::homePath() + path.mid(1);
    return path;
}
