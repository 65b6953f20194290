#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString WriteTestFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

QByteArray ReadTestFile(const QString& path, const QByteArray& missing)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : missing;
}

UserHomes TestHomes(const QString& programFolder)
{
    return {programFolder + QStringLiteral("/home/data"), programFolder + QStringLiteral("/home/config")};
}

ProgramFolders TestFolders(const QString& programFolder)
{
    return ProgramFolders(programFolder, TestHomes(programFolder));
}

void KeepTestsAtHome()
{
    const QByteArray home = VARKIT_TEST_HOME;
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("XDG_CONFIG_HOME", home + "/config");
    qputenv("XDG_CACHE_HOME", home + "/cache");
}
