#include "PreviewReferences.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

bool IsRelative(const QString& reference)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    return !reference.isEmpty() && !reference.startsWith(QLatin1Char('#')) && !reference.startsWith(QLatin1Char('/'))
        && !reference.contains(scheme);
}

QString Localized(const QString& reference, const std::function<QString(const QString&)>& locate)
{
    const QString trimmed = reference.trimmed();
    if (!IsRelative(trimmed))
        return reference;
    qsizetype cut = trimmed.indexOf(QRegularExpression(QStringLiteral("[?#]")));
    if (cut < 0)
        cut = trimmed.size();
    const QString name = QUrl::fromPercentEncoding(trimmed.left(cut).toUtf8());
    const QString file = name.isEmpty() ? QString() : locate(name);
    if (file.isEmpty())
        return reference;
    return QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded) + trimmed.mid(cut);
}

// Replaces capture group 2, 3 or 4 (the quoted or bare reference) of every match.
QString ReplaceReferences(const QString& html, const QRegularExpression& pattern,
                          const std::function<QString(const QString&)>& locate)
{
    QString result;
    qsizetype done = 0;
    for (auto it = pattern.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        int group = 2;
        while (group <= 4 && match.capturedStart(group) < 0)
            ++group;
        if (group > 4)
            continue;
        result += QStringView(html).mid(done, match.capturedStart(group) - done);
        result += Localized(match.captured(group), locate);
        done = match.capturedEnd(group);
    }
    if (done == 0)
        return html;
    result += QStringView(html).mid(done);
    return result;
}

}  // namespace

QString WithLocalReferences(const QString& html, const std::function<QString(const QString&)>& locate)
{
    static const QRegularExpression attribute(
        QStringLiteral("\\b(src|href|background)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s\"'>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression cssUrl(QStringLiteral("\\b(url)\\(\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s\"')]+))\\s*\\)"),
                                           QRegularExpression::CaseInsensitiveOption);
    return ReplaceReferences(ReplaceReferences(html, attribute, locate), cssUrl, locate);
}
