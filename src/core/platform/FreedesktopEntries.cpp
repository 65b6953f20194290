#include "FreedesktopEntries.h"

#include <QStringList>

namespace {

const QString kDefaults = QStringLiteral("[Default Applications]");

QString XmlEscaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// A key file's lines, and the places of one key of one section in them.
struct KeyLines {
    QStringList lines;
    qsizetype section = -1;  // the header line, -1 when missing
    qsizetype end = -1;      // the line after the section's last non-blank line
    qsizetype key = -1;      // the key's line, -1 when missing

    KeyLines(const QString& text, const QString& header, const QString& name)
    {
        lines = text.split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString line = lines[i].trimmed();
            if (line.startsWith(QLatin1Char('['))) {
                if (section >= 0)
                    break;
                if (line == header) {
                    section = i;
                    end = i + 1;
                }
                continue;
            }
            if (section < 0)
                continue;
            if (!line.isEmpty())
                end = i + 1;
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (key < 0 && equals > 0 && line.left(equals).trimmed() == name)
                key = i;
        }
    }

    QStringList Ids() const
    {
        if (key < 0)
            return {};
        const QString& line = lines[key];
        QStringList ids = line.mid(line.indexOf(QLatin1Char('=')) + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& id : ids)
            id = TrimNulls(id);
        ids.removeAll(QString());
        return ids;
    }

    QString Joined() const { return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n'); }
};

QString IdsLine(const QString& mimeType, const QStringList& ids)
{
    return mimeType + QLatin1Char('=') + ids.join(QLatin1Char(';')) + QLatin1Char(';');
}

}  // namespace

QString DesktopId(const AssociationEntry& entry)
{
    return entry.progId + QStringLiteral(".desktop");
}

QString MimeIconName(const AssociationEntry& entry)
{
    QString name = entry.mimeType;
    return name.replace(QLatin1Char('/'), QLatin1Char('-'));
}

QString MimePackageText(const AssociationEntry& entry)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>%2</comment>\n"
                          "    <sub-class-of type=\"text/plain\"/>\n"
                          "    <glob pattern=\"*%3\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(XmlEscaped(entry.mimeType), XmlEscaped(entry.description), XmlEscaped(entry.extension.toLower()));
}

QString DesktopExecArgument(const QString& path)
{
    // Inside double quotes the Exec rules reserve " ` $ and \ (each escaped with a backslash) and
    // a literal % is written twice; then the key file's own rule escapes every backslash again.
    QString quoted;
    for (const QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString DesktopEntryText(const AssociationEntry& entry, const QString& appIcon)
{
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=VarKit\n"
                                  "Comment=Open a %1 in VarKit\n"
                                  "Exec=%2 %f\n")
                       .arg(entry.description, DesktopExecArgument(entry.programPath));
    if (!appIcon.isEmpty())
        text += QStringLiteral("Icon=") + appIcon + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\n"
                           "NoDisplay=true\n"
                           "MimeType=%1;\n"
                           "StartupWMClass=VarKit\n")
                .arg(entry.mimeType);
    return text;
}

QString DefaultApplication(const QString& mimeApps, const QString& mimeType)
{
    const QStringList ids = KeyLines(mimeApps, kDefaults, mimeType).Ids();
    return ids.isEmpty() ? QString() : ids.first();
}

QString WithDefaultApplication(const QString& mimeApps, const QString& mimeType, const QString& desktopId)
{
    KeyLines file(mimeApps, kDefaults, mimeType);
    QStringList ids = file.Ids();
    ids.removeAll(desktopId);
    ids.prepend(desktopId);
    const QString line = IdsLine(mimeType, ids);
    if (file.key >= 0) {
        file.lines[file.key] = line;
    } else if (file.section >= 0) {
        file.lines.insert(file.end, line);
    } else {
        if (!file.lines.isEmpty() && !file.lines.last().trimmed().isEmpty())
            file.lines << QString();
        file.lines << kDefaults << line;
    }
    return file.Joined();
}

QString WithoutDefaultApplication(const QString& mimeApps, const QString& mimeType, const QString& desktopId)
{
    KeyLines file(mimeApps, kDefaults, mimeType);
    QStringList ids = file.Ids();
    if (file.key < 0 || ids.removeAll(desktopId) == 0)
        return mimeApps;
    if (ids.isEmpty())
        file.lines.removeAt(file.key);
    else
        file.lines[file.key] = IdsLine(mimeType, ids);
    return file.Joined();
}
