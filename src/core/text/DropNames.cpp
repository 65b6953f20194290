#include "DropNames.h"

#include "TextUtilities.h"

DroppedKind DroppedFileKind(const QString& path)
{
    const QString tail = UpperCased(path.right(4));
    for (const char* picture : {".JPG", ".GIF", ".PNG", "JPEG"})
        if (tail == QLatin1String(picture))
            return DroppedKind::Picture;
    for (const char* text : {".HTM", "HTML", ".TXT"})
        if (tail == QLatin1String(text))
            return DroppedKind::Text;
    return DroppedKind::Other;
}

QString BareDropName(const QString& path)
{
    QString name = path.mid(ExtractDirectory(path).size());
    for (int k = 1; k <= 10; ++k)
        name.replace(QStringLiteral("[%1].").arg(k), QStringLiteral("."));
    return name;
}
