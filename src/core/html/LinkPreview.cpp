#include "LinkPreview.h"

#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "shell/FormState.h"

void LinkPreview(FormState& form)
{
    const QString text = form.HTMLtext.Text();
    if (text.isEmpty()) {
        form.dialogs().Message(QStringLiteral("Preview"), QStringLiteral("You must Make HTML first."), MsgButtons::Ok,
                               MsgIcon::Information);
        return;
    }
    const QString path = form.PreviewFile;
    try {
        AsAppError([&] { WriteTextFile(path, text + QStringLiteral("\r\n"), form.TemplateEncoding); });
    } catch (const AppError&) {
        // A read-only program folder, a full disk: say so rather than open a stale preview.
        form.dialogs().Message(QStringLiteral("File Error"),
                               QStringLiteral("Could not write the file ") + QStringLiteral("\r\n") + ToNativeSeparators(path),
                               MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    form.pump.RunNow();
    if (!CanOpenForReading(path)) {
        form.dialogs().Message(QStringLiteral("File Error"),
                               QStringLiteral("Could not find the file ") + QStringLiteral("\r\n") + ToNativeSeparators(path),
                               MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (!form.shell().Open(path))
        form.dialogs().Message(QStringLiteral("File Error"), QStringLiteral("Could not open Web Browser"), MsgButtons::Ok,
                               MsgIcon::Exclamation);
}
