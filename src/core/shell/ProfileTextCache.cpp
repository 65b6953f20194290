#include "ProfileTextCache.h"

#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QHash>

#include <sys/stat.h>
#include <time.h>
#include <tuple>

namespace {

// What tells one state of a file on disk from another. The change time moves on every write,
// rename and change of permissions, even where the modification time is coarse.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const FileStamp& other) const
    {
        const auto key = [](const FileStamp& s) {
            return std::tie(s.device, s.inode, s.size, s.modified.tv_sec, s.modified.tv_nsec, s.changed.tv_sec,
                            s.changed.tv_nsec);
        };
        return key(*this) == key(other);
    }
};

std::optional<FileStamp> StampOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

// A file changed this shortly before it was read may change again within the same tick of the
// file system's clock, which its times would not show: its text is not kept.
constexpr time_t kSettledSeconds = 2;

bool SettledBefore(const FileStamp& stamp, const timespec& now)
{
    return stamp.modified.tv_sec + kSettledSeconds < now.tv_sec;
}

struct Kept {
    FileStamp stamp;
    QString text;
};

// Few files are read this way (the settings, a template's prior choices): a handful is kept.
constexpr qsizetype kMostKept = 8;

// Everything runs on the one user-interface thread: the cache needs no lock.
QHash<QString, Kept>& Cache()
{
    static QHash<QString, Kept> cache;
    return cache;
}

}  // namespace

std::optional<QString> CachedProfileText(FileOps& files, const QString& path, qint64 maxBytes)
{
    const QString target = ResolvePath(path);
    QHash<QString, Kept>& cache = Cache();
    // The stamp is taken before the read: a change while it reads shows at the next call.
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const std::optional<FileStamp> stamp = StampOf(target);
    if (!stamp) {
        cache.remove(target);
    } else if (const auto kept = cache.constFind(target); kept != cache.constEnd() && kept->stamp == *stamp) {
        return kept->text;
    }
    try {
        QString text = DecodeText(ReadFileBytes(files, target, maxBytes)).text;
        if (stamp && SettledBefore(*stamp, now)) {
            if (cache.size() >= kMostKept)
                cache.clear();
            cache.insert(target, {*stamp, text});
        }
        return text;
    } catch (const AppError&) {
    } catch (const std::exception&) {  // out of memory on an absurd file
    }
    cache.remove(target);
    return std::nullopt;
}

void ForgetProfileText(const QString& path)
{
    Cache().remove(ResolvePath(path));
}
