#include "FieldsReport.h"

#include "editscreen/TemplateSession.h"
#include "html/Colors.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QByteArray FieldsReportJson(const TemplateSession& session)
{
    const EditScreen& screen = session.screen;
    QJsonArray fields;
    for (int i = 1; i < screen.FieldCount(); ++i) {
        const EditField& field = screen.Field(i);
        QJsonObject object{
            {QStringLiteral("index"), i},
            {QStringLiteral("style"), field.DataLabel.tag},
            {QStringLiteral("prompt"), field.DataLabel.caption},
            {QStringLiteral("value"), field.DataField.text},
            {QStringLiteral("visible"), field.DataField.visible},
            {QStringLiteral("enabled"), field.DataField.enabled},
            {QStringLiteral("top"), field.DataField.geometry.top},
            {QStringLiteral("height"), field.DataField.geometry.height},
            {QStringLiteral("group"), field.DataButton.tag},
            {QStringLiteral("optionCount"), field.DataField.tag.toInt()},
        };
        const std::vector<int> optionIndexes = screen.OptionsOfField(i);
        if (!optionIndexes.empty()) {
            QJsonArray options;
            const QChar kind = field.DataLabel.tag.isEmpty() ? QChar() : field.DataLabel.tag.back();
            for (int j : optionIndexes) {
                const FieldOption& option = screen.Option(j);
                QJsonObject entry{
                    {QStringLiteral("index"), j},
                    {QStringLiteral("caption"), option.DataOption.caption},
                    {QStringLiteral("selected"), option.DataOptButton.selected},
                    {QStringLiteral("visible"), option.DataOptButton.visible},
                };
                // A chip shows its colour only when its caption is one; a tile its picture as found.
                if (kind == QLatin1Char('%') && option.DataOptImg.enabled)
                    entry.insert(QStringLiteral("colour"), ColorValueToHtml(option.DataOptColor.backColor));
                else if (kind == QLatin1Char('&'))
                    entry.insert(QStringLiteral("picture"), option.DataOptImg.pictureFile);
                options.append(entry);
            }
            object.insert(QStringLiteral("options"), options);
        }
        fields.append(object);
    }
    QJsonArray groups;
    for (int g = 1; g < screen.GroupCount(); ++g) {
        const FieldGroup& group = screen.Group(g);
        groups.append(QJsonObject{
            {QStringLiteral("index"), g},
            {QStringLiteral("caption"), group.DataKeep.caption},
            {QStringLiteral("checked"), group.DataKeep.value != 0},
            {QStringLiteral("visible"), group.DataKeep.visible},
        });
    }
    QJsonArray segments;
    const int last = qMin(screen.FieldCount(), TemplateSession::kMaxFieldIndex);
    for (int i = 0; i <= last; ++i)
        segments.append(session.TemplateSegments[i]);
    const QJsonObject root{{QStringLiteral("encoding"), session.TemplateEncoding.Name()},
                           {QStringLiteral("fields"), fields},
                           {QStringLiteral("groups"), groups},
                           {QStringLiteral("segments"), segments}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
