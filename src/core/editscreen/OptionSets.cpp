#include "OptionSets.h"

#include "html/Colors.h"
#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/PictureFile.h"
#include "TemplateSession.h"
#include "text/TextUtilities.h"

namespace {

void LoadTile(TemplateSession& session, const QString& caption, OptionImageControl& tile)
{
    for (const QString& path : session.CandidatePaths(kBackgroundsFolder, caption)) {
        QImage image = ReadPicture(session.files(), path);
        if (!image.isNull()) {
            tile.picture = image;
            tile.pictureFile = ResolvePath(path);
            return;
        }
    }
    tile.picture = QImage();
    tile.pictureFile.clear();
}

QChar LastChar(const QString& text)
{
    return text.isEmpty() ? QChar() : text.back();
}

}  // namespace

void LayoutOptionRow(EditScreen& screen, int fieldIndex, const std::vector<int>& row)
{
    if (row.empty())
        return;
    const TextBoxControl& box = screen.Field(fieldIndex).DataField;
    const int n = static_cast<int>(row.size());
    for (int k = 0; k < n; ++k) {
        FieldOption& option = screen.Option(row[static_cast<size_t>(k)]);
        const int b = option.DataOptButton.geometry.width;
        option.DataOption.geometry.width = qMax(0, box.geometry.width / n - b - 75);
        const int cell = b + 90 + option.DataOption.geometry.width;
        option.DataOptButton.geometry.left = box.geometry.left + k * cell;
        option.DataOption.geometry.left = option.DataOptButton.geometry.left + b;
        option.DataOptImg.geometry.left = option.DataOptColor.geometry.left = option.DataOption.geometry.left;
        screen.NotifyChanged(ScreenElement::Option, row[static_cast<size_t>(k)]);
    }
}

void DataOptionAdd(TemplateSession& session, QString& optionText, int fieldIndex)
{
    EditScreen& screen = session.screen;
    QString step = QStringLiteral("Add options");
    Reported(session.dialogs(), QStringLiteral("Add Option Fields"), step, [&] {
        if (optionText.endsWith(QLatin1Char('|')))
            optionText += QStringLiteral("  ");
        if (optionText.startsWith(QLatin1Char('|')))
            optionText.prepend(QStringLiteral("  "));
        optionText += QLatin1Char('|');

        const QString style = screen.Field(fieldIndex).DataLabel.tag;
        const QChar kind = LastChar(style);
        const int first = screen.OptionCount();
        bool selectionFlag = !optionText.contains(QLatin1String("||"));
        int remembered = -1;

        auto createOption = [&](const QString& text) {
            const int n = screen.AddOption();
            FieldOption& option = screen.Option(n);
            option.DataOption.fontSize = 8;
            option.DataOption.fontBold = false;
            option.DataOption.geometry.height = 255;
            option.DataOption.backColor = ColorRGB(240, 240, 240);
            option.DataOption.tag = QString::number(fieldIndex);
            option.DataOption.caption = TrimSpaces(text);
            option.DataOptButton.tag = QString::number(fieldIndex);
            option.DataOptButton.geometry.width = option.DataOptButton.geometry.height = 210;
            if (!option.DataOption.caption.isEmpty() && selectionFlag) {
                // A list with two "||" marks selects the later one; one mark shows.
                if (remembered >= 0)
                    screen.Option(remembered).DataOptButton.selected = false;
                option.DataOptButton.selected = true;
                remembered = n;
                selectionFlag = false;
            }
            const int h = screen.DataScrollInsert.height;
            option.DataOption.geometry.top = h - 90;
            option.DataOptButton.geometry.top = option.DataOption.geometry.top
                + (option.DataOption.geometry.height - option.DataOptButton.geometry.height) / 2;
            if (kind == QLatin1Char('&') || kind == QLatin1Char('%')) {
                option.DataOptImg.geometry.top = option.DataOptColor.geometry.top = option.DataOption.geometry.top;
                if (kind == QLatin1Char('&')) {
                    step = QStringLiteral("Add icon options");
                    LoadTile(session, option.DataOption.caption, option.DataOptImg);
                    option.DataOptColor.backStyle = 0;
                } else {
                    step = QStringLiteral("Add color options");
                    const std::optional<quint32> value = ColorValueFromHtml(InetColorOf(option.DataOption.caption));
                    if (value)
                        option.DataOptColor.backColor = *value;
                    else
                        option.DataOptImg.enabled = false;
                    option.DataOptColor.backStyle = 1;
                }
                step = QStringLiteral("Add options");
            }
        };

        QString piece;
        for (const QChar ch : optionText) {
            piece += ch;
            if (ch == QLatin1Char('|') && piece.size() >= 2) {
                piece.chop(1);
                if (piece.startsWith(QLatin1Char('|'))) {
                    piece.remove(0, 1);
                    selectionFlag = true;
                }
                createOption(piece);
                piece.clear();
            }
        }

        EditField& field = screen.Field(fieldIndex);
        field.DataField.tag = QString::number(screen.OptionCount() - first);
        if (style == QLatin1String("?^")) {
            screen.NotifyChanged(ScreenElement::Field, fieldIndex);
            return;
        }

        LayoutOptionRow(screen, fieldIndex, screen.OptionsOfField(fieldIndex));
        for (int j = first; j < screen.OptionCount(); ++j) {
            FieldOption& option = screen.Option(j);
            if (option.DataOption.caption.isEmpty())
                continue;
            option.DataOptButton.visible = option.DataOption.visible = true;
            if (kind == QLatin1Char('&')) {
                option.DataOption.visible = false;
                option.DataOptImg.visible = true;
            } else if (kind == QLatin1Char('%')) {
                option.DataOption.visible = false;
                option.DataOptImg.visible = option.DataOptColor.visible = true;
            }
        }
        const bool pictures = kind == QLatin1Char('&') || kind == QLatin1Char('%');
        screen.DataScrollInsert.height += (pictures ? screen.options.front().DataOptImg.geometry.height
                                                    : screen.options.front().DataOption.geometry.height) + 90;
        screen.ApplyScrollRange();
        // Nothing selected (only blank options): the field keeps empty text.
        field.DataField.text = remembered >= 0 ? screen.Option(remembered).DataOption.caption : QString();
        screen.NotifyChanged(ScreenElement::Field, fieldIndex);
    });
}
