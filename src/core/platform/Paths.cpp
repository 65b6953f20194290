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

QString MatchComponent(const QString& folder, const QString& name)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

}  // namespace

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
            const QString match = MatchComponent(current, part);
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
