#include "QtShell.h"

#include "platform/Paths.h"

#include <QDesktopServices>
#include <QUrl>

bool QtShell::Open(const QString& pathOrLink)
{
    const QUrl url = pathOrLink.contains(QLatin1String("://")) || pathOrLink.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)
        ? QUrl(pathOrLink)
        : QUrl::fromLocalFile(ResolvePath(pathOrLink));
    return QDesktopServices::openUrl(url);
}
