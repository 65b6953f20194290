#include "TextUtilities.h"

QString ReplaceAnyCase(QString& sourceString, const QString& findString, const QString& replace)
{
    if (findString.isEmpty())
        return sourceString;
    // The search runs on an upper-cased copy that is kept in step with the text. Each search
    // restarts at the front of the rebuilt text. No match can start before (match - find
    // length + 1), since that part of the text is unchanged and held none, so the search
    // resumes there: the same result as a restart at position 1, in linear time. A
    // replacement that holds the find text would recreate it forever; such a search goes
    // on after the inserted text instead.
    const QString upperFind = UpperCased(findString);
    const QString upperReplace = UpperCased(replace);
    const bool replaceRecreates = upperReplace.contains(upperFind);
    QString text = sourceString;
    QString upper = UpperCased(text);
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = upper.indexOf(upperFind, from);
        if (at < 0)
            break;
        text.replace(at, findString.size(), replace);
        upper.replace(at, findString.size(), upperReplace);
        from = replaceRecreates ? at + replace.size() : qMax<qsizetype>(0, at - findString.size() + 1);
    }
    sourceString = text;
    return sourceString;
}

QString ReplaceAnyCaseBetween(QString& sourceString, const QString& findStart, const QString& findEnd,
                              const QString& replace)
{
    if (findStart.isEmpty())
        return sourceString;
    const QString upperStart = UpperCased(findStart);
    const QString upperEnd = UpperCased(findEnd);
    const QString upperReplace = UpperCased(replace);
    const bool replaceRecreates = upperReplace.contains(upperStart);
    QString text = sourceString;
    QString upper = UpperCased(text);
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = upper.indexOf(upperStart, from);
        if (start < 0)
            break;
        const qsizetype end = upper.indexOf(upperEnd, start);
        if (end < 0 || findEnd.isEmpty())
            break;
        const qsizetype length = end + findEnd.size() - start;
        text.replace(start, length, replace);
        upper.replace(start, length, upperReplace);
        from = replaceRecreates ? start + replace.size() : qMax<qsizetype>(0, start - findStart.size() + 1);
    }
    sourceString = text;
    return sourceString;
}

QString Cleanup(QString& sentence)
{
    sentence = TrimmedOf(sentence, u" \r\n\t").toString();
    return sentence;
}

QString ExtractDirectory(const QString& fileString)
{
    const qsizetype at = qMax(fileString.lastIndexOf(QLatin1Char('\\')), fileString.lastIndexOf(QLatin1Char('/')));
    if (at < 0)
        return QString();
    return fileString.left(at + 1);
}

namespace {

// ASCII needs no table; everything else goes through Qt's.
inline char16_t UpperUnit(char16_t u)
{
    if (u < 0x80)
        return (u >= u'a' && u <= u'z') ? char16_t(u - 32) : u;
    return QChar(u).toUpper().unicode();
}

}  // namespace

QString UpperCased(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        c = QChar(UpperUnit(c.unicode()));
    return upper;
}

bool EndsWithAnyCase(QStringView text, QStringView tail)
{
    if (tail.size() > text.size())
        return false;
    // From the end: a scanner asks this after every character, and the last one rarely matches.
    const qsizetype offset = text.size() - tail.size();
    for (qsizetype i = tail.size() - 1; i >= 0; --i)
        if (UpperUnit(text[offset + i].unicode()) != UpperUnit(tail[i].unicode()))
            return false;
    return true;
}

QStringView TrimmedOf(QStringView text, QStringView characters)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && characters.contains(text[first]))
        ++first;
    while (last > first && characters.contains(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

QString TrimSpaces(const QString& text)
{
    return TrimmedOf(text, u" ").toString();
}
