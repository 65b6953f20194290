#include "BenchTemplates.h"

#include "platform/DiskFileOps.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QStringList>

namespace {

// The visible fields, one of each kind in turn; %1 numbers them.
QString VisibleTag(int n)
{
    static const QStringList kinds = {
        QStringLiteral("<h2>[VarKit!Item Details %1]</h2>\r\n"),
        QStringLiteral("<p class=\"lead\">[VarKit Item Title %1=Vintage brass desk lamp, lot %1]</p>\r\n"),
        QStringLiteral("<img src=\"[VarKit:Picture URL %1=http://www.example.com/pics/item%1.jpg]\" alt=\"photo\">\r\n"),
        QStringLiteral("<p>Price: $[VarKit#Price %1=12.50]</p>\r\n"),
        QStringLiteral("<!-- [VarKit~Describe any wear on part %1, or leave this note as it is] -->\r\n"),
        QStringLiteral("<p>Colour: [VarKit Colour %1=Brass|Copper|Chrome|Black]</p>\r\n"),
        QStringLiteral("[VarKit-Shipping section %1]\r\n"),
        QStringLiteral("<p>Condition: [VarKit Condition %1=New|Like new|Used - good|Used - fair|For parts]</p>\r\n"),
    };
    return kinds[n % kinds.size()].arg(n + 1);
}

QString Filler(qsizetype bytes)
{
    static const QString sentence = QStringLiteral(
        "This lamp was kept in a smoke-free home and has been tested before listing. ");
    QString text = QStringLiteral("<p class=\"notes\">");
    const QString close = QStringLiteral("</p>\r\n");
    while (text.size() + close.size() < bytes)
        text += sentence.left(bytes - close.size() - text.size());
    return text + close;
}

}  // namespace

QString MakeBenchTemplate()
{
    QString text = QStringLiteral(
        "<html>\r\n<head>\r\n<title>Auction listing</title>\r\n"
        "<style>body { font-family: Arial, sans-serif; } td { padding: 2px 6px; }</style>\r\n"
        "</head>\r\n<body bgcolor=\"#FFFFF0\">\r\n<div class=\"listing\">\r\n");

    // The visible fields, each with a little HTML around it.
    for (int n = 0; n < kBenchTemplateVisibleTags; ++n)
        text += VisibleTag(n);

    // The hidden global targets: a table of item details, seven cells to a row.
    const int hidden = kBenchTemplateTags - kBenchTemplateVisibleTags;
    text += QStringLiteral("<table class=\"specs\" border=\"0\">\r\n");
    for (int n = 0; n < hidden; ++n) {
        if (n % 7 == 0)
            text += QStringLiteral("<tr>");
        text += QStringLiteral("<td>[VarKit?s%1]</td>").arg(n + 1);
        if (n % 7 == 6 || n + 1 == hidden)
            text += QStringLiteral("</tr>\r\n");
    }
    text += QStringLiteral("</table>\r\n");

    const QString end = QStringLiteral("</div>\r\n<p>Thanks for looking!</p>\r\n</body>\r\n</html>\r\n");
    text += Filler(kBenchTemplateBytes - text.size() - end.size());
    return text + end;
}

QString WriteBenchTemplate(const QString& folder)
{
    const QString path = QDir(folder).filePath(QStringLiteral("bench.tpl"));
    DiskFileOps files;
    WriteTextFile(files, path, MakeBenchTemplate(), TextEncoding::Windows1252);
    return path;
}
