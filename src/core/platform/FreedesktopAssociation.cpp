#include "FreedesktopAssociation.h"

#include "AppError.h"
#include "Dialogs.h"
#include "FreedesktopEntries.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The desktop's lists and pictures are small; anything larger is not one of them.
constexpr qint64 kDesktopFileLimit = 16 * 1024 * 1024;

QString ReadWholeText(FileOps& files, const QString& path)
{
    return QFileInfo::exists(path) ? QString::fromUtf8(ReadFileBytes(files, path, kDesktopFileLimit)) : QString();
}

// One step of the creation: its folder, then its file. False when the creation stops here.
bool WriteStep(FileOps& files, Dialogs& dialogs, const QString& path, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        dialogs.Message(kProgramTitle, QStringLiteral("Error: Creating Key!"), MsgButtons::Ok, MsgIcon::None);
    try {
        WriteFileBytes(files, path, bytes);
        return true;
    } catch (const AppError&) {
        dialogs.Message(kProgramTitle, QStringLiteral("Error Setting String Value!"), MsgButtons::Ok, MsgIcon::None);
        return false;
    }
}

void RunQuietly(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (process.waitForStarted(5000) && !process.waitForFinished(30000))
        process.kill();
}

}  // namespace

FreedesktopAssociation::FreedesktopAssociation(const UserHomes& homes, bool refreshDatabases)
    : homes_(homes), refreshDatabases_(refreshDatabases)
{
}

QString FreedesktopAssociation::DesktopFile(const AssociationEntry& entry) const
{
    return homes_.data + QStringLiteral("/applications/") + DesktopId(entry);
}

QString FreedesktopAssociation::MimePackageFile(const AssociationEntry& entry) const
{
    return homes_.data + QStringLiteral("/mime/packages/") + entry.progId + QStringLiteral(".xml");
}

QString FreedesktopAssociation::MimeAppsFile() const
{
    return homes_.config + QStringLiteral("/mimeapps.list");
}

QList<std::pair<QString, QString>> FreedesktopAssociation::IconCopies(const AssociationEntry& entry) const
{
    QList<std::pair<QString, QString>> copies;
    const QString name = QStringLiteral("/mimetypes/") + MimeIconName(entry) + QStringLiteral(".png");
    const QDir tree(entry.iconFolder);
    for (const QString& size : tree.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString icon = tree.filePath(size) + name;
        if (QFileInfo(icon).isFile())
            copies.append({icon, homes_.data + QStringLiteral("/icons/hicolor/") + size + name});
    }
    return copies;
}

void FreedesktopAssociation::QueryFileAssociation(const AssociationEntry& entry, QString& progId)
{
    QString named;
    try {
        named = DefaultApplication(ReadWholeText(files_, MimeAppsFile()), entry.mimeType);
    } catch (const AppError&) {
    }
    if (!QFileInfo(DesktopFile(entry)).isFile() || TrimNulls(named) != TrimNulls(DesktopId(entry)))
        progId.clear();
}

void FreedesktopAssociation::CreateFileAssociation(const AssociationEntry& entry, Dialogs& dialogs)
{
    if (!WriteStep(files_, dialogs, MimePackageFile(entry), MimePackageText(entry).toUtf8()))
        return;
    for (const auto& [icon, copy] : IconCopies(entry)) {
        QByteArray bytes;
        try {
            bytes = ReadFileBytes(files_, icon, kDesktopFileLimit);
        } catch (const AppError&) {
            continue;  // a picture that cannot be read leaves the type with the theme's icon
        }
        if (!WriteStep(files_, dialogs, copy, bytes))
            return;
    }
    const QString appIcon = QDir(entry.iconFolder).filePath(QStringLiteral("256x256/apps/varkit.png"));
    const QString desktop = DesktopEntryText(entry, QFileInfo(appIcon).isFile() ? appIcon : QStringLiteral("varkit"));
    if (!WriteStep(files_, dialogs, DesktopFile(entry), desktop.toUtf8()))
        return;
    QString mimeApps;
    try {
        mimeApps = ReadWholeText(files_, MimeAppsFile());
    } catch (const AppError&) {
        // An existing list that cannot be read is never overwritten blind.
        dialogs.Message(kProgramTitle, QStringLiteral("Error Setting String Value!"), MsgButtons::Ok, MsgIcon::None);
        return;
    }
    if (!WriteStep(files_, dialogs, MimeAppsFile(), WithDefaultApplication(mimeApps, entry.mimeType, DesktopId(entry)).toUtf8()))
        return;
    RefreshDatabases();
}

void FreedesktopAssociation::RemoveFileAssociation(const AssociationEntry& entry)
{
    try {
        const QString mimeApps = ReadWholeText(files_, MimeAppsFile());
        const QString without = WithoutDefaultApplication(mimeApps, entry.mimeType, DesktopId(entry));
        if (without != mimeApps)
            WriteFileBytes(files_, MimeAppsFile(), without.toUtf8());
    } catch (const AppError&) {
    }
    QFile::remove(DesktopFile(entry));
    QFile::remove(MimePackageFile(entry));
    // The type's icons wherever a creation put them, also when the program has moved since.
    const QDir theme(homes_.data + QStringLiteral("/icons/hicolor"));
    const QString name = QStringLiteral("/mimetypes/") + MimeIconName(entry) + QStringLiteral(".png");
    for (const QString& size : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QFile::remove(theme.filePath(size) + name);
    RefreshDatabases();
}

void FreedesktopAssociation::RefreshDatabases() const
{
    if (!refreshDatabases_)
        return;
    if (QFileInfo(homes_.data + QStringLiteral("/mime/packages")).isDir())
        RunQuietly(QStringLiteral("update-mime-database"), {homes_.data + QStringLiteral("/mime")});
    if (QFileInfo(homes_.data + QStringLiteral("/applications")).isDir())
        RunQuietly(QStringLiteral("update-desktop-database"), {homes_.data + QStringLiteral("/applications")});
}
