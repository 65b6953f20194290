#pragma once
// Where the program's files are. The program folder holds what ships (templates, backgrounds,
// the help page, icons, the shipped varkit.ini) and is only read: beside the executable in a
// build, PREFIX/share/varkit when installed. The user's VarKit folder ($XDG_DATA_HOME/varkit)
// holds what the program writes on the user's behalf and is looked in first wherever a stored
// name is resolved; the user's settings live in $XDG_CONFIG_HOME/varkit. Every name a settings
// file, a template or an installation file stores is resolved here, nowhere else.
#include "FileOps.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The user's data and configuration folders, absolute, without a trailing separator. Empty
// folders mean "none": nothing is looked up or written there.
struct UserHomes {
    QString data;    // $XDG_DATA_HOME, else $HOME/.local/share
    QString config;  // $XDG_CONFIG_HOME, else $HOME/.config
};

// The folders the environment names; a relative XDG_* value is ignored, as the base directory
// rules ask.
UserHomes UserHomesFrom(const QProcessEnvironment& environment);

// The program folder of an executable in `executableFolder`: the installed data folder
// (../share/varkit beside bin/) when there is one, else the executable's own folder. Its long
// form, ending in "/"; empty when the folder does not exist.
QString ProgramFolderOf(const QString& executableFolder);

// Folders below the program folder (and the user's folder) that stored names refer to.
inline const QString kTemplatesFolder = QStringLiteral("templates/");
inline const QString kBackgroundsFolder = QStringLiteral("backgrounds/");

class ProgramFolders {
public:
    ProgramFolders() = default;
    ProgramFolders(const QString& programFolder, const UserHomes& homes);

    // Each ends in "/"; User() and Config() are empty without user homes.
    const QString& Program() const { return program_; }
    const QString& User() const { return user_; }
    const QString& Config() const { return config_; }

    // The user's settings file, the one every write goes to.
    QString SettingsFile() const;
    // The settings file as shipped in the program folder.
    QString ShippedSettingsFile() const;
    // The file a read of the settings uses: the user's while it exists, else the shipped one.
    QString SettingsFileToRead() const;
    // Makes the user's settings folder and, when the user has no settings file yet, starts it as
    // a copy of the shipped one, so that a designer's defaults carry over. Throws AppError
    // (76 when the folder cannot be made, 70/75 when the copy cannot be written).
    void PrepareSettingsFile(FileOps& files) const;
    // Where the window's size and place are kept between runs.
    QString WindowStateFile() const;

    // The places a stored relative name (Windows form allowed) can stand, in order: the user's
    // folder, then the program folder.
    QStringList Candidates(const QString& name) const;
    // The first candidate that exists (a file or a folder), as it stands on disk in native
    // form; empty when none does.
    QString Find(const QString& name) const;
    // Find, or where the name would stand in the user's folder when it exists nowhere: the path
    // to show in a message about a missing file.
    QString FindOrUserPath(const QString& name) const;
    // Makes the user's VarKit folder; false when it cannot be made.
    bool MakeUserFolder() const;

private:
    QString program_;
    QString user_;
    QString config_;
};
