#include "FieldCreation.h"

#include "EditScreen.h"
#include "platform/AppError.h"
#include "platform/Dialogs.h"
#include "text/TextUtilities.h"

namespace {

const QString kStep = QStringLiteral("Add fields");

QString VerticalLimitStep()
{
    return kStep + QStringLiteral("\r\n\r\n") + QStringLiteral("The vertical limit of the screen has been reached.")
        + QStringLiteral("\r\n") + QStringLiteral("There may be too many vertical data fields or fillers. ")
        + QStringLiteral("\r\n") + QStringLiteral("You will get an error message for each one. ") + QStringLiteral("\r\n\r\n")
        + QStringLiteral("Try combining or eliminating some fields and dividers, ") + QStringLiteral("\r\n")
        + QStringLiteral("or use VarKits that create smaller onscreen fields. ");
}

struct RowLook {
    int height;
    double fontSize;
    bool bold;
    int pair;
};

RowLook LookOf(QChar c)
{
    switch (c.unicode()) {
    case ':': return {300, 10, false, 2};
    case '!': return {360, 12, true, 1};
    case '#': return {300, 10, false, 3};
    case '?': return {300, 10, false, 7};
    case '^':
    case '%':
    case '&': return {300, 10, false, 8};
    case '-': return {300, 10, true, 4};
    case '~': return {570, 10, false, 5};
    case '+': return {300, 10, false, 6};
    default: return {570, 10, false, 0};
    }
}

void StartGroup(EditScreen& screen, const QString& keyStyle, const QString& groupName)
{
    const int g = screen.AddGroup();
    FieldGroup& group = screen.Group(g);
    const int h = screen.DataScrollInsert.height;
    group.DataGrouping.geometry.top = h - 30;
    screen.DataScrollInsert.height = h + 90;
    screen.OpenGroupIndex = QString::number(g);
    group.DataKeep.geometry.top = screen.DataScrollInsert.height - 60;
    screen.DataScrollInsert.height += group.DataKeep.geometry.height + 90;
    group.DataKeep.tag = screen.OpenGroupIndex;
    group.DataKeep.caption = TrimSpaces(groupName).isEmpty() ? QStringLiteral("Include this section. ") : groupName;
    group.DataKeep.value = keyStyle == QLatin1String("StartGroupOff") ? 0 : 1;
    screen.NotifyChanged(ScreenElement::Group, g);
    screen.ApplyScrollRange();
}

void EndGroup(EditScreen& screen)
{
    bool ok = false;
    const int g = screen.OpenGroupIndex.toInt(&ok);
    if (!ok || g < 1 || g >= screen.GroupCount())
        throw AppError(ErrorNumber::SubscriptOutOfRange);
    FieldGroup& group = screen.Group(g);
    group.DataGrouping.geometry.height = screen.DataScrollInsert.height - group.DataGrouping.geometry.top - 60;
    group.DataGrouping.geometry.width = screen.DataScrollInsert.width - group.DataGrouping.geometry.left - 60;
    screen.DataScrollInsert.height += 90;
    group.DataGrouping.visible = true;
    group.DataKeep.visible = true;
    screen.NotifyChanged(ScreenElement::Group, g);
    screen.ApplyScrollRange();
    screen.OpenGroupIndex.clear();
}

}  // namespace

void DataFieldAdd(EditScreen& screen, Dialogs& dialogs, const QString& keyStyle, bool& hasData,
                  const QString& groupName)
{
    const auto location = [](const AppError& error) {
        return error.number() == ErrorNumber::Overflow ? VerticalLimitStep() : kStep;
    };
    ReportedAt(dialogs, QStringLiteral("Add Template Fields"), location, [&] {
        const int i = screen.AddField();
        EditField& field = screen.Field(i);
        field.DataLabel.tag = keyStyle;
        field.DataButton.tag = screen.OpenGroupIndex;

        if (keyStyle.left(10) == QLatin1String("StartGroup"))
            StartGroup(screen, keyStyle, groupName);
        else if (keyStyle == QLatin1String("EndGroup") && !screen.OpenGroupIndex.isEmpty())
            EndGroup(screen);

        if (keyStyle == QLatin1String("?^") || keyStyle == QLatin1String("$") || keyStyle == QLatin1String("("))
            hasData = false;
        if (!hasData) {
            screen.NotifyChanged(ScreenElement::Field, i);
            return;
        }

        // The group steps above may have added a group, never a field: `field` still stands.
        const QChar c = keyStyle.isEmpty() ? QChar() : keyStyle.back();
        const RowLook look = LookOf(c);
        TextBoxControl& box = field.DataField;
        box.text.clear();
        box.geometry.height = look.height;
        box.fontSize = look.fontSize;
        box.fontBold = look.bold;
        box.foreColor = screen.ScreenColors[static_cast<size_t>(2 * look.pair)];
        box.backColor = screen.ScreenColors[static_cast<size_t>(2 * look.pair + 1)];
        if (c == QLatin1Char(':')) {
            box.text = QStringLiteral("http://");
            field.DataLabel.fontItalic = true;
        } else if (c == QLatin1Char('!')) {
            field.DataLabel.fontBold = true;
        } else if (c == QLatin1Char('-')) {
            box.borderStyle = 0;
            field.DataButton.enabled = false;
            field.DataLabel.enabled = false;
        } else if (c == QLatin1Char('~')) {
            box.borderStyle = 0;
            field.DataLabel.foreColor = screen.ScreenColors[10];
        } else if (c == QLatin1Char('+')) {
            box.text = QStringLiteral("c:\\");
            field.DataLabel.fontItalic = true;
        }

        const int h = screen.DataScrollInsert.height;
        box.geometry.top = h - 60 + (c == QLatin1Char('-') ? 60 : 0);
        field.DataLabel.geometry.top = field.DataButton.geometry.top = box.geometry.top;
        field.DataButton.geometry.height = box.geometry.height;
        field.DataLabel.visible = field.DataLabel.enabled;
        box.visible = box.enabled;
        field.DataButton.visible = field.DataButton.enabled;
        field.DataLabel.caption = QString::number(i) + QLatin1Char('.');
        screen.DataScrollInsert.height = box.geometry.top + box.geometry.height + 120;
        screen.NotifyChanged(ScreenElement::Field, i);
        screen.ApplyScrollRange();
    });
}

quint32 StyleBackground(const EditScreen& screen, const QString& style)
{
    int entry = 1;
    if (style == QLatin1String(":"))
        entry = 5;
    else if (style == QLatin1String("!"))
        entry = 3;
    else if (style == QLatin1String("#"))
        entry = 7;
    else if (style == QLatin1String("-"))
        entry = 9;
    else if (style == QLatin1String("~"))
        entry = 11;
    else if (style == QLatin1String("+"))
        entry = 13;
    else if (style == QLatin1String("?") || style == QLatin1String("^"))
        entry = 15;
    return screen.ScreenColors[static_cast<size_t>(entry)];
}
