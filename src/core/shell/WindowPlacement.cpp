#include "WindowPlacement.h"

#include "ProfileFile.h"
#include "platform/AppError.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString kSection = QStringLiteral("Window");

}  // namespace

std::optional<WindowPlacement> ReadWindowPlacement(FileOps& files, const QString& path)
{
    const auto number = [&](const char* key, bool& ok) {
        bool read = false;
        const int value = GetPrivateProfileString(files, kSection, QLatin1String(key), QString(), path, 32).toInt(&read);
        ok = ok && read;
        return value;
    };
    bool ok = true;
    WindowPlacement placement;
    placement.normal = QRect(number("Left", ok), number("Top", ok), number("Width", ok), number("Height", ok));
    bool maximizedOk = true;
    placement.maximized = number("Maximized", maximizedOk) != 0;
    if (!ok || placement.normal.width() <= 0 || placement.normal.height() <= 0)
        return std::nullopt;
    return placement;
}

void WriteWindowPlacement(FileOps& files, const QString& path, const WindowPlacement& placement)
{
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        throw AppError(ErrorNumber::PathNotFound);
    const QRect& r = placement.normal;
    WriteProfileValues(files, kSection,
                       {{QStringLiteral("Left"), QString::number(r.x())},
                        {QStringLiteral("Top"), QString::number(r.y())},
                        {QStringLiteral("Width"), QString::number(r.width())},
                        {QStringLiteral("Height"), QString::number(r.height())},
                        {QStringLiteral("Maximized"), placement.maximized ? QStringLiteral("1") : QStringLiteral("0")}},
                       path);
}

QRect FitOnScreen(const QRect& wanted, const QRect& available)
{
    if (available.isEmpty())
        return wanted;
    QRect fitted(wanted.topLeft(), wanted.size().boundedTo(available.size()));
    fitted.moveLeft(std::clamp(fitted.left(), available.left(), available.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), available.top(), available.bottom() - fitted.height() + 1));
    return fitted;
}
