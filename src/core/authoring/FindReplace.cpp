#include "FindReplace.h"

#include "text/TextUtilities.h"

FindNextResult FindNextIn(const QString& text, const QString& find, int selStart, int selLength)
{
    FindNextResult result;
    if (selStart >= text.size())
        result.start = 0;
    else
        result.start = selLength == 0 ? selStart : selStart + 1;
    if (find.isEmpty() || result.start + find.size() > text.size())
        return result;
    // UpperCased keeps every position, so an offset in the copy is the offset in the text.
    result.match = static_cast<int>(UpperCased(text).indexOf(UpperCased(find), result.start));
    return result;
}

QString NotFoundMessage(const FindNextResult& result, const QString& what, const QString& find)
{
    const QString first = result.fromTop() ? QStringLiteral("Searched entire %1. ").arg(what) : QStringLiteral("Searched Remainder. ");
    return first + QStringLiteral("\r\n\r\nCould not find \"") + find + QLatin1Char('"');
}
