#include "FileAssociation.h"

QString TrimNulls(const QString& text)
{
    QString result = text.trimmed();
    while (result.startsWith(QChar(0)))
        result.remove(0, 1);
    while (result.endsWith(QChar(0)))
        result.chop(1);
    return result;
}
