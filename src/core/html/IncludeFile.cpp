#include "IncludeFile.h"

#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "editscreen/TemplateSession.h"
#include "text/TextUtilities.h"

namespace {

// An include larger than this is not read (it would not be a text include).
constexpr qint64 kIncludeLimit = 16 * 1024 * 1024;

// The scope that stands now, if any (the program reads includes on one thread only).
IncludeCacheScope* gCurrent = nullptr;

}  // namespace

IncludeCacheScope::IncludeCacheScope()
{
    if (!gCurrent)
        gCurrent = this;
}

IncludeCacheScope::~IncludeCacheScope()
{
    if (gCurrent == this)
        gCurrent = nullptr;
}

std::optional<QString> ReadIncludeFile(TemplateSession& session, const QString& name)
{
    const QString key = ExtractDirectory(session.FileName.text) + QLatin1Char('\0') + name;
    if (gCurrent) {
        const auto cached = gCurrent->texts_.constFind(key);
        if (cached != gCurrent->texts_.cend())
            return *cached;
    }
    for (const QString& path : session.CandidatePaths(kTemplatesFolder, name)) {
        // Only a regular file opens: a FIFO or a device counts as no file at all.
        if (name.isEmpty() || !FileExists(path))
            continue;
        bool readable = true;
        QString text;
        try {
            // The limit counts the bytes actually read, whatever size the file reports.
            AsAppError([&] {
                const QByteArray bytes = ReadFileBytes(session.files(), path, kIncludeLimit);
                readable = !bytes.contains('\0');
                text = DecodeText(bytes).text;
            });
        } catch (const AppError&) {
            readable = false;
        }
        if (readable) {
            if (gCurrent)
                gCurrent->texts_.insert(key, text);
            return text;
        }
        session.dialogs().Message(QStringLiteral("Include File Error"),
                                  QStringLiteral("Could not load Included File. It was skipped.") + QStringLiteral("\r\n")
                                      + QStringLiteral(" Make sure file is readable text: ") + QStringLiteral("\r\n")
                                      + QLatin1Char('"') + name + QLatin1Char('"') + QStringLiteral("\r\n"),
                                  MsgButtons::Ok, MsgIcon::Information);
        return std::nullopt;
    }
    session.dialogs().Message(QStringLiteral("Include File Error"),
                              QStringLiteral("Included File was not found and was skipped. ") + QStringLiteral("\r\n")
                                  + QStringLiteral("Check the name and path for file: ") + QStringLiteral("\r\n")
                                  + QLatin1Char('"') + name + QLatin1Char('"') + QStringLiteral("\r\n"),
                              MsgButtons::Ok, MsgIcon::Information);
    return std::nullopt;
}
