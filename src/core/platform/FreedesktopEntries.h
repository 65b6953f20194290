#pragma once
// The texts of a freedesktop file association: the shared-mime-info package that declares the
// file type, the desktop entry that opens it, and the default-application lines of
// mimeapps.list. Text in, text out; FreedesktopAssociation writes them.
#include "FileAssociation.h"

#include <QString>

// The desktop entry's file name ("VarKit.TPLfile.desktop").
QString DesktopId(const AssociationEntry& entry);
// The icon name of the file type ("application-x-varkit-template").
QString MimeIconName(const AssociationEntry& entry);

// A shared-mime-info package declaring the type for "*" + extension in any letter case, named
// by the description.
QString MimePackageText(const AssociationEntry& entry);
// A desktop entry that opens one file with the program (by its absolute path), kept out of the
// application menus; `appIcon` is its icon (a path or a theme name).
QString DesktopEntryText(const AssociationEntry& entry, const QString& appIcon);
// A path as one argument of a desktop entry's Exec line: quoted, with the characters the
// desktop entry rules reserve escaped.
QString DesktopExecArgument(const QString& path);

// The first desktop entry that [Default Applications] of a mimeapps.list names for the type;
// empty when none.
QString DefaultApplication(const QString& mimeApps, const QString& mimeType);
// The list with `desktopId` as the type's default, ahead of any other; every other line stays.
QString WithDefaultApplication(const QString& mimeApps, const QString& mimeType, const QString& desktopId);
// The list without `desktopId` among the type's defaults; another program's default stays.
QString WithoutDefaultApplication(const QString& mimeApps, const QString& mimeType, const QString& desktopId);
