#include "LinkPreview.h"

#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "editscreen/TemplateSession.h"

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
        AsAppError([&] { WriteTextFile(path, text + QStringLiteral("\r\n"), session.TemplateEncoding); });
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
        session.dialogs().Message(QStringLiteral("File Error"), QStringLiteral("Could not open Web Browser"), MsgButtons::Ok,
                               MsgIcon::Exclamation);
}
