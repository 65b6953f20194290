// Stripping the tags of a selection: wrappers vanish, inline tags leave their value.
#include "template/TagStripping.h"

#include <QList>
#include <gtest/gtest.h>

TEST(TagStripping, EachTagLeavesWhatItStandsFor)
{
    const struct {
        const char* text;
        const char* stripped;
    } rows[] = {
        // A selection with no tags comes back unchanged.
        {"<p>Plain [text] here</p>", "<p>Plain [text] here</p>"},
        // A default value without the blanks around it; a body without "=" vanishes.
        {"Price: [VarKit#Price=  $5.00  ] [VarKit~Note to self]!", "Price: $5.00 !"},
        // An option list leaves its first non-empty option, or the last when all others are empty.
        {"[VarKit#Size=||Large|Small]/[VarKit#C=red|blue]/[VarKit#E=||last]", "Large/red/last"},
        // Globals and dividers leave nothing, whatever their value.
        {"a[VarKit?g=1]b[VarKit-Part=x]c", "abc"},
        // A wrapper opener with a name and "=true" and its closer vanish; the content stays.
        {"<VARKIT Shipping=true><b>Ships</b></varkit>", "<b>Ships</b>"},
        // Only the text after the first "=", any "]" inside the tag gone.
        {"[VarKit#k=a=b]", "a=b"},
        // Any letter case of the opener.
        {"x[vArKiT#n=1]y", "x1y"},
        // A selection that ends inside an inline tag loses the unfinished tag.
        {"keep [VarKit#n=never", "keep "},
        // An empty tag.
        {"a[VarKit]b", "ab"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        QString result;
        StripVarKitTags(QString::fromLatin1(row.text), result);
        EXPECT_EQ(result, QString::fromLatin1(row.stripped));
    }
}

TEST(TagStripping, ReportsEveryPositionBeforeReadingIt)
{
    QList<qsizetype> positions;
    QString result;
    StripVarKitTags(QStringLiteral("a<VarKit =true>b"), result, [&](qsizetype at) { positions << at; });
    EXPECT_EQ(result, QStringLiteral("ab"));
    EXPECT_EQ(positions, (QList<qsizetype>{1, 2}));
}
