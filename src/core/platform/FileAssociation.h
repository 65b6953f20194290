#pragma once
// The desktop's record of which program opens a kind of file: query, create and remove one
// association. The freedesktop implementation writes below the user's XDG folders; tests pass
// temporary ones.
#include <QString>

class Dialogs;

// The caption of message boxes that name no title of their own.
inline const QString kProgramTitle = QStringLiteral("VarKit");

struct AssociationEntry {
    QString extension;    // ".tpl"
    QString programPath;  // the executable that opens the files, absolute
    QString progId;       // "VarKit.TPLfile": names the association's desktop entry
    QString description;  // "Varkit template": the file type's name
    QString iconFolder;   // an icon theme tree (<size>/apps, <size>/mimetypes) with the icons
    QString mimeType;     // "application/x-varkit-template"
};

class FileAssociation {
public:
    virtual ~FileAssociation() = default;
    // Leaves `progId` as it is when the extension opens with it, empties it otherwise.
    virtual void QueryFileAssociation(const AssociationEntry& entry, QString& progId) = 0;
    // Problems are told through `dialogs`: "Error: Creating Key!" for a folder that cannot be
    // made (the next step still runs), "Error Setting String Value!" for a file that cannot be
    // written (nothing after it is written).
    virtual void CreateFileAssociation(const AssociationEntry& entry, Dialogs& dialogs) = 0;
    // Removes what the association consists of; failures are ignored.
    virtual void RemoveFileAssociation(const AssociationEntry& entry) = 0;
};

// Trims spaces at both ends, then removes NUL characters from the start and from the end.
QString TrimNulls(const QString& text);

// An association that is never in place and is never made: headless runs and tests that do not
// look at it.
class NullAssociation : public FileAssociation {
public:
    void QueryFileAssociation(const AssociationEntry&, QString& progId) override { progId.clear(); }
    void CreateFileAssociation(const AssociationEntry&, Dialogs&) override {}
    void RemoveFileAssociation(const AssociationEntry&) override {}
};
