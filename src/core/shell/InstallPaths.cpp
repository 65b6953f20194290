#include "InstallPaths.h"

#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {

// The files the program keeps under its own names; an installation never replaces them.
const QStringList kOwnFiles = {
    QStringLiteral("varkit"),         QStringLiteral("varkit.ini"),     QStringLiteral("window.ini"),
    QStringLiteral("varkit.ico"),     QStringLiteral("tagfile.ico"),    QStringLiteral("varkithelp.htm"),
    QStringLiteral("~varkit.tmp"),    QStringLiteral("~tmpkit.htm"),
};

// The path's components with "." and ".." settled; a problem when it cannot be a relative path
// inside its folder.
QString Components(const QString& relative, const QString& folderName, QStringList& parts)
{
    if (relative.trimmed().isEmpty())
        return QStringLiteral("no name is given");
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    if (drive.match(relative).hasMatch())
        return QStringLiteral("a drive letter is not allowed");
    if (relative.startsWith(QLatin1Char('/')))
        return QStringLiteral("an absolute path is not allowed");
    if (relative.startsWith(QLatin1Char('\\')))
        return QStringLiteral("a leading separator is not allowed");
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    for (const QString& part : relative.split(separators, Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (parts.isEmpty())
                return QStringLiteral("the path leaves ") + folderName;
            parts.removeLast();
            continue;
        }
        parts << part;
    }
    if (parts.isEmpty())
        return QStringLiteral("the path names ") + folderName + QStringLiteral(" itself");
    return {};
}

ConfinedPath Confine(const QString& root, const QString& relative, const QString& folderName)
{
    QStringList parts;
    const QString problem = Components(relative, folderName, parts);
    if (!problem.isEmpty())
        return {{}, problem};
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    if (canonicalRoot.isEmpty())
        return {{}, folderName + QStringLiteral(" does not exist")};
    const QString path = ResolvePath(canonicalRoot + QLatin1Char('/') + parts.join(QLatin1Char('/')));
    if (!StaysInside(canonicalRoot, path))
        return {{}, QStringLiteral("a symbolic link leads out of ") + folderName};
    return {path, {}};
}

}  // namespace

bool StaysInside(const QString& canonicalRoot, const QString& path)
{
    if (canonicalRoot.isEmpty())
        return false;
    // Every level that exists (a link that leads nowhere counts) is followed to where it really is.
    const QString relative = QDir(canonicalRoot).relativeFilePath(path);
    if (relative.startsWith(QLatin1String("../")) || relative == QLatin1String("..") || QDir::isAbsolutePath(relative))
        return false;
    QString walked = canonicalRoot;
    for (const QString& part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        walked += QLatin1Char('/') + part;
        const QFileInfo info(walked);
        if (!info.exists() && !info.isSymLink())
            return true;  // nothing stands there yet: it will be made inside
        const QString real = info.canonicalFilePath();
        if (real.isEmpty() || (real != canonicalRoot && !real.startsWith(canonicalRoot + QLatin1Char('/'))))
            return false;
    }
    return true;
}

ConfinedPath ConfineTarget(const QString& root, const QString& relative)
{
    const QString folderName = QStringLiteral("the VarKit folder");
    QStringList parts;
    if (Components(relative, folderName, parts).isEmpty() && parts.size() == 1
        && kOwnFiles.contains(parts.first().toLower()))
        return {{}, QStringLiteral("the name belongs to one of VarKit's own files")};
    return Confine(root, relative, folderName);
}

ConfinedPath ConfineSource(const QString& root, const QString& relative)
{
    return Confine(root, relative, QStringLiteral("the installation template's folder"));
}
