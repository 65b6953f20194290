#include "TagStripping.h"

#include "text/TextUtilities.h"

#include <QStringList>

QString InlineTagValue(const QString& body)
{
    if (body.isEmpty())
        return QString();
    const QChar style = body.front();
    if (style == u'?' || style == u'-')
        return QString();
    const QString rest = body.mid(1).remove(u']');
    const qsizetype equals = rest.indexOf(u'=');
    if (equals < 0)
        return QString();
    QString value = rest.mid(equals + 1);
    if (value.contains(u'|')) {
        const QStringList options = value.split(u'|');
        value = options.last();
        for (qsizetype k = 0; k + 1 < options.size(); ++k) {
            if (!options[k].isEmpty()) {
                value = options[k];
                break;
            }
        }
    }
    return TrimSpaces(value);
}

void StripVarKitTags(QString text, QString& result, const std::function<void(qsizetype)>& beforeCharacter)
{
    static const QString kOpener = QStringLiteral("[VarKit");
    ReplaceAnyCaseBetween(text, QStringLiteral("<varkit"), QStringLiteral(">"), QString());
    ReplaceAnyCase(text, QStringLiteral("</varkit>"), QString());

    result.clear();
    QString pending;  // the text since the last tag
    QString tag;      // the characters of the tag being read
    bool insideTag = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (beforeCharacter)
            beforeCharacter(i + 1);
        const QChar c = text[i];
        if (insideTag) {
            tag += c;
            if (c == u']') {
                result += pending;
                result += InlineTagValue(tag);
                insideTag = false;
                tag.clear();
                pending.clear();
            }
            continue;
        }
        // Outside a tag the text read since the last tag is the pending text, so the opener is
        // found at its end the moment its last letter is read.
        pending += c;
        if (EndsWithAnyCase(pending, kOpener)) {
            insideTag = true;
            pending.chop(kOpener.size());
        }
    }
    result += pending;
}
