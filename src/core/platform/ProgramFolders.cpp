#include "ProgramFolders.h"

#include "AppError.h"
#include "Paths.h"

#include <QDir>
#include <QFileInfo>

#ifndef VARKIT_DATA_FROM_BIN
#define VARKIT_DATA_FROM_BIN "../share/varkit"
#endif

namespace {

QString WithSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString BaseFolder(const QProcessEnvironment& environment, const char* variable, const QString& fallbackBelowHome)
{
    const QString value = environment.value(QLatin1String(variable));
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    QString home = environment.value(QStringLiteral("HOME"));
    if (home.isEmpty() || !QDir::isAbsolutePath(home))
        home = QDir::homePath();
    return QDir::cleanPath(home + QLatin1Char('/') + fallbackBelowHome);
}

}  // namespace

UserHomes UserHomesFrom(const QProcessEnvironment& environment)
{
    return {BaseFolder(environment, "XDG_DATA_HOME", QStringLiteral(".local/share")),
            BaseFolder(environment, "XDG_CONFIG_HOME", QStringLiteral(".config"))};
}

QString ProgramFolderOf(const QString& executableFolder)
{
    const QString installed = QDir::cleanPath(ToNativeSeparators(executableFolder) + QLatin1Char('/')
                                              + QLatin1String(VARKIT_DATA_FROM_BIN));
    const QString folder = QFileInfo(installed).isDir() ? installed : executableFolder;
    return WithSeparator(LongPathName(folder));
}

ProgramFolders::ProgramFolders(const QString& programFolder, const UserHomes& homes)
    : program_(WithSeparator(ToNativeSeparators(programFolder)))
{
    if (!homes.data.isEmpty())
        user_ = WithSeparator(homes.data) + QStringLiteral("varkit/");
    if (!homes.config.isEmpty())
        config_ = WithSeparator(homes.config) + QStringLiteral("varkit/");
}

QString ProgramFolders::SettingsFile() const
{
    return config_.isEmpty() ? QString() : config_ + QStringLiteral("varkit.ini");
}

QString ProgramFolders::ShippedSettingsFile() const
{
    return program_ + QStringLiteral("varkit.ini");
}

QString ProgramFolders::SettingsFileToRead() const
{
    const QString own = SettingsFile();
    return !own.isEmpty() && QFileInfo::exists(own) ? own : ShippedSettingsFile();
}

void ProgramFolders::PrepareSettingsFile(FileOps& files) const
{
    const QString own = SettingsFile();
    if (own.isEmpty())
        throw AppError(ErrorNumber::PathNotFound);
    try {
        files.MakeFolder(config_);
    } catch (const AppError&) {
        throw AppError(ErrorNumber::PathNotFound);
    }
    if (QFileInfo::exists(own) || !FileExists(ShippedSettingsFile()))
        return;
    files.Copy(ResolvePath(ShippedSettingsFile()), own);
}

QString ProgramFolders::WindowStateFile() const
{
    return config_.isEmpty() ? QString() : config_ + QStringLiteral("window.ini");
}

QStringList ProgramFolders::Candidates(const QString& name) const
{
    QStringList places;
    if (!user_.isEmpty())
        places << user_ + name;
    if (!program_.isEmpty())
        places << program_ + name;
    return places;
}

QString ProgramFolders::Find(const QString& name) const
{
    if (name.isEmpty())
        return {};
    for (const QString& candidate : Candidates(name)) {
        const QString onDisk = ResolvePath(candidate);
        if (QFileInfo::exists(onDisk))
            return onDisk;
    }
    return {};
}

QString ProgramFolders::FindOrUserPath(const QString& name) const
{
    const QString found = Find(name);
    if (!found.isEmpty())
        return found;
    return (user_.isEmpty() ? program_ : user_) + ToNativeSeparators(name);
}

bool ProgramFolders::MakeUserFolder() const
{
    return !user_.isEmpty() && QDir().mkpath(user_);
}
