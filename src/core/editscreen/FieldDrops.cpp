#include "FieldDrops.h"

#include "Blowup.h"
#include "FieldTextTarget.h"
#include "TemplateSession.h"
#include "platform/AppError.h"
#include "platform/TextFile.h"
#include "text/DropNames.h"

namespace {

constexpr int kCtrl = 2;

QChar StyleKind(const QString& style)
{
    return style.isEmpty() ? QChar() : style.back();
}

void ReplaceAll(TextTarget& box, const QString& value)
{
    box.Select(0, static_cast<int>(box.Text().size()));
    box.SetSelText(value);
}

// A text page's contents, read as any page is; nothing when it cannot be read.
QString ContentsOf(TemplateSession& session, const QString& path)
{
    try {
        return ReadTextFile(session.files(), path, kDroppedTextLimit).text;
    } catch (const AppError&) {
        return QString();
    }
}

void DropOne(TemplateSession& session, TextTarget& box, QChar kind, const QString& path, bool ctrl)
{
    const DroppedKind file = DroppedFileKind(path);
    switch (kind.unicode()) {
    case '+':
        if (file == DroppedKind::Text)
            ReplaceAll(box, path);
        break;
    case '&':
    case ':':
        if (file == DroppedKind::Picture)
            ReplaceAll(box, ctrl ? path : BareDropName(path));
        break;
    case ' ':
        if (file == DroppedKind::Picture)
            box.SetSelText(ctrl ? path : BareDropName(path));
        else if (file == DroppedKind::Text)
            box.SetSelText(ctrl ? ContentsOf(session, path) : path);
        break;
    default:
        break;
    }
}

void DropAll(TemplateSession& session, TextTarget& box, QChar kind, const QStringList& files, int shift)
{
    Reported(session.dialogs(), QStringLiteral("Drop Data"), QStringLiteral("Drop Data"), [&] {
        for (const QString& path : files) {
            DropOne(session, box, kind, path, shift == kCtrl);
            session.pump.RunNow();
        }
    });
}

}  // namespace

bool FieldDropAccepted(const QStringList& files)
{
    return !files.isEmpty() && DroppedFileKind(files.front()) != DroppedKind::Other;
}

void DataField_OLEDragDrop(TemplateSession& session, int index, const QStringList& files, int shift)
{
    EditScreen& screen = session.screen;
    if (index < 1 || index >= screen.FieldCount())
        return;
    FieldTextTarget box(screen, index);
    DropAll(session, box, StyleKind(screen.Field(index).DataLabel.tag), files, shift);
}

void DataBlowup_OLEDragDrop(TemplateSession& session, BlowupState& blowup, const QStringList& files, int shift)
{
    const int i = BlowupField(blowup, session.screen);
    if (!i)
        return;
    const QChar kind = StyleKind(session.screen.Field(i).DataLabel.tag);
    if (kind == QLatin1Char('+'))
        return;
    DropAll(session, blowup.DataBlowup, kind, files, shift);
}
