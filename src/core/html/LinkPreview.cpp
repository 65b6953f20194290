#include "LinkPreview.h"

#include "PreviewReferences.h"
#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "editscreen/TemplateSession.h"

#include <QDir>

namespace {

// Where a reference of the page finds its file: the template's folder first, as the page's own
// folder would on the seller's site, then where the program finds tiles and pictures.
QString LocateForPreview(const TemplateSession& session, const QString& name)
{
    for (const QString& path : session.CandidatePaths(kBackgroundsFolder, name))
        if (QDir::isAbsolutePath(path) && FileExists(path))
            return ResolvePath(path);
    return {};
}

}  // namespace

void LinkPreview(TemplateSession& session)
{
    const QString text = session.HTMLtext.Text();
    if (text.isEmpty()) {
        session.dialogs().Message(QStringLiteral("Preview"), QStringLiteral("You must Make HTML first."), MsgButtons::Ok,
                               MsgIcon::Information);
        return;
    }
    const QString path = session.PreviewFile;
    try {
        AsAppError([&] {
            const QString preview = WithLocalReferences(text, [&](const QString& name) { return LocateForPreview(session, name); });
            WriteTextFile(session.files(), path, preview + QStringLiteral("\r\n"), session.TemplateEncoding);
        });
    } catch (const AppError&) {
        // A read-only program folder, a full disk: say so rather than open a stale preview.
        session.dialogs().Message(QStringLiteral("File Error"),
                               QStringLiteral("Could not write the file ") + QStringLiteral("\r\n") + ToNativeSeparators(path),
                               MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    session.pump.RunNow();
    if (!CanOpenForReading(path)) {
        session.dialogs().Message(QStringLiteral("File Error"),
                               QStringLiteral("Could not find the file ") + QStringLiteral("\r\n") + ToNativeSeparators(path),
                               MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (!session.shell().Open(path))
        session.dialogs().Message(QStringLiteral("File Error"),
                                  QStringLiteral("Could not open Web Browser") + QStringLiteral("\r\n\r\n")
                                      + QStringLiteral("The preview is saved as:") + QStringLiteral("\r\n") + ToNativeSeparators(path),
                                  MsgButtons::Ok, MsgIcon::Exclamation);
}
