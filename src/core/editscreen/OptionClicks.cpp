#include "OptionClicks.h"

#include "TemplateSession.h"
#include "html/Colors.h"
#include "platform/AppError.h"
#include "platform/PictureFile.h"
#include "text/DropNames.h"

namespace {

const QString kTextOptionTitle = QStringLiteral("Right-Click Text Option");
// The trailing blank belongs to the title.
const QString kTileTitle = QStringLiteral("Load Tiles and Icons ");

bool IsPicture(const QString& path)
{
    return DroppedFileKind(path) == DroppedKind::Picture;
}

bool IsOption(const EditScreen& screen, int j)
{
    return j >= 1 && j < screen.OptionCount();
}

// The field that owns option j, by the tag of the given control; 0 when it names no field.
int OwningField(const EditScreen& screen, const QString& tag)
{
    bool ok = false;
    const int f = tag.toInt(&ok);
    return ok && f >= 1 && f < screen.FieldCount() ? f : 0;
}

void SetFieldText(EditScreen& screen, int f, const QString& text)
{
    if (f == 0)
        return;
    screen.Field(f).DataField.text = text;
    screen.NotifyChanged(ScreenElement::Field, f);
}

QString ModifyOptionPrompt()
{
    return QStringList{QStringLiteral("This modification is temporary until you "),
                       QStringLiteral("Save Edited Data Fields."),
                       QString(),
                       QStringLiteral("Warning: modifying the default value of an option "),
                       QStringLiteral("could cause the template to function incorrectly."),
                       QString(),
                       QStringLiteral("Change the default value of this option.")}
        .join(QStringLiteral("\r\n"));
}

// Tile j shows the picture at path; a picture that can't be loaded throws, after the source
// file is recorded and before the caption and the field change.
void NewTilePicture(TemplateSession& session, int j, const QString& path)
{
    EditScreen& screen = session.screen;
    screen.TileSourceFiles[j] = path;
    const QString name = BareDropName(path);
    FieldOption& option = screen.Option(j);
    option.DataOptImg.picture = LoadPicture(session.files(), path);
    option.DataOptImg.pictureFile = path;
    option.DataOption.caption = name;
    screen.NotifyChanged(ScreenElement::Option, j);
    SetFieldText(screen, OwningField(screen, option.DataOption.tag), name);
}

void RecolorChip(TemplateSession& session, int j)
{
    EditScreen& screen = session.screen;
    FieldOption& option = screen.Option(j);
    const QString chosen = ColorButton(session.dialogs(), RGB(HexOfColorValue(option.DataOptColor.backColor)));
    if (chosen.isEmpty())
        return;
    const std::optional<quint32> value = ColorValueFromHtml(chosen);
    if (!value)
        throw AppError(ErrorNumber::InvalidCall);
    option.DataOptColor.backColor = *value;
    option.DataOption.caption = QLatin1Char('#') + chosen;
    screen.TileSourceFiles[j].clear();
    screen.NotifyChanged(ScreenElement::Option, j);
    SetFieldText(screen, OwningField(screen, option.DataOption.tag), option.DataOption.caption);
}

void OfferTileMenu(TemplateSession& session, int j)
{
    Clipboard& clipboard = session.clipboard();
    if (!clipboard.HasFiles())
        return;
    TileMenuState& menu = session.MenuTiles;
    menu.pasteTag.clear();
    menu.pasteEnabled = false;
    menu.tag = QString::number(j);
    const QString first = clipboard.Files().value(0);
    menu.pasteEnabled = IsPicture(first);
    const int chosen = session.dialogs().Popup(QString::fromLatin1(TileMenuState::kCaption),
                                               {{QString::fromLatin1(TileMenuState::kCopyCaption), true},
                                                {QString::fromLatin1(TileMenuState::kPasteCaption), menu.pasteEnabled}});
    if (chosen == 0)
        MenuTilesCopy_Click(session);
    else if (chosen == 1 && menu.pasteEnabled)
        MenuTilesPaste_Click(session);
    if (!menu.pasteTag.isEmpty())
        NewTilePicture(session, j, first);
}

}  // namespace

void DataOptButton_Click(EditScreen& screen, int j)
{
    if (!IsOption(screen, j))
        return;
    const QString owner = screen.Option(j).DataOptButton.tag;
    for (int k = 1; k < screen.OptionCount(); ++k) {
        OptionMarkControl& mark = screen.Option(k).DataOptButton;
        if (mark.tag != owner || k == j || !mark.selected)
            continue;
        mark.selected = false;
        screen.NotifyChanged(ScreenElement::Option, k);
    }
    screen.Option(j).DataOptButton.selected = true;
    screen.NotifyChanged(ScreenElement::Option, j);
    SetFieldText(screen, OwningField(screen, owner), screen.Option(j).DataOption.caption);
}

void DataOption_MouseDown(EditScreen& screen, int j)
{
    DataOptButton_Click(screen, j);
}

void DataOptImg_MouseDown(EditScreen& screen, int j)
{
    // A chip whose colour could not be set takes no clicks.
    if (IsOption(screen, j) && screen.Option(j).DataOptImg.enabled)
        DataOptButton_Click(screen, j);
}

void DataOption_MouseUp(TemplateSession& session, int j, MouseButton button, bool markupLocked)
{
    if (button != MouseButton::Right || markupLocked || !IsOption(session.screen, j))
        return;
    const QString step = QStringLiteral("Modify Default Option");
    Reported(session.dialogs(), kTextOptionTitle, step, [&] {
        FieldOption& option = session.screen.Option(j);
        const std::optional<QString> answer = session.dialogs().Input(step, ModifyOptionPrompt(), option.DataOption.caption);
        if (!answer || answer->isEmpty())
            return;
        option.DataOption.caption = *answer;
        session.screen.NotifyChanged(ScreenElement::Option, j);
    });
}

void DataOptImg_MouseUp(TemplateSession& session, int j, MouseButton button, bool markupLocked)
{
    EditScreen& screen = session.screen;
    if (button != MouseButton::Right || markupLocked || !IsOption(screen, j) || !screen.Option(j).DataOptImg.enabled)
        return;
    QString step = QStringLiteral("Click Tile Image");
    Reported(session.dialogs(), kTileTitle, step, [&] {
        if (screen.Option(j).DataOptColor.visible) {
            RecolorChip(session, j);
            return;
        }
        step = QStringLiteral("Paste Tile Image");
        OfferTileMenu(session, j);
    });
}

bool TileAcceptsDrop(const EditScreen& screen, int j, const QStringList& files)
{
    return IsOption(screen, j) && !files.isEmpty() && !screen.Option(j).DataOptColor.visible && IsPicture(files.first());
}

void DataOptImg_OLEDragDrop(TemplateSession& session, int j, const QStringList& files)
{
    if (files.isEmpty() || !IsOption(session.screen, j))
        return;
    const QString step = QStringLiteral("Drop Tile Image");
    Reported(session.dialogs(), kTileTitle, step, [&] {
        NewTilePicture(session, j, files.first());
        DataOptButton_Click(session.screen, j);
    });
}

void MenuTilesCopy_Click(TemplateSession& session)
{
    const QString step = QStringLiteral("Copy Tile");
    Reported(session.dialogs(), kTileTitle, step, [&] {
        const int t = session.MenuTiles.tag.toInt();
        if (!IsOption(session.screen, t))
            throw AppError(ErrorNumber::SubscriptOutOfRange);
        const FieldOption& option = session.screen.Option(t);
        session.clipboard().SetImageAndText(option.DataOptImg.picture, option.DataOption.caption);
    });
}

void MenuTilesPaste_Click(TemplateSession& session)
{
    session.MenuTiles.pasteTag = QStringLiteral("paste");
}
