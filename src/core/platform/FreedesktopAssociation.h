#pragma once
// The file association on a freedesktop desktop, all per user: a shared-mime-info package
// declaring the type, the icons of the type in the hicolor theme, a desktop entry that opens a
// file with the program, and the type's default in mimeapps.list. Afterwards the MIME and
// desktop databases are brought up to date when their tools are installed.
#include "DiskFileOps.h"
#include "FileAssociation.h"
#include "ProgramFolders.h"

class FreedesktopAssociation : public FileAssociation {
public:
    // Writes below homes.data ($XDG_DATA_HOME) and homes.config ($XDG_CONFIG_HOME).
    // `refreshDatabases` false leaves update-mime-database and update-desktop-database alone.
    explicit FreedesktopAssociation(const UserHomes& homes, bool refreshDatabases = true);

    void QueryFileAssociation(const AssociationEntry& entry, QString& progId) override;
    void CreateFileAssociation(const AssociationEntry& entry, Dialogs& dialogs) override;
    void RemoveFileAssociation(const AssociationEntry& entry) override;

    QString DesktopFile(const AssociationEntry& entry) const;
    QString MimePackageFile(const AssociationEntry& entry) const;
    QString MimeAppsFile() const;

private:
    // The type's icons in the entry's icon tree, each with the place of its copy.
    QList<std::pair<QString, QString>> IconCopies(const AssociationEntry& entry) const;
    void RefreshDatabases() const;

    UserHomes homes_;
    // The desktop's files are always on the disk.
    DiskFileOps files_;
    bool refreshDatabases_;
};
