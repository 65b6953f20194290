#include "html/ColorNames.h"
#include "html/Colors.h"
#include "platform/AppError.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

namespace {

QString Inet(const char* text)
{
    return InetColorOf(QString::fromUtf8(text));
}

}  // namespace

TEST(ColorNames, TableHoldsEveryNameOnceWithAValidValue)
{
    const auto table = ColorNameTable();
    EXPECT_EQ(table.size(), 143u);
    const QRegularExpression htmlColor(QStringLiteral("^#[0-9A-F]{6}$"));
    QSet<QString> names;
    for (const ColorName& entry : table) {
        const QString name = QString::fromLatin1(entry.name);
        EXPECT_TRUE(htmlColor.match(QString::fromLatin1(entry.value)).hasMatch()) << entry.name;
        EXPECT_EQ(name, name.toLower()) << entry.name;
        EXPECT_EQ(ColorNameValue(name), QString::fromLatin1(entry.value)) << entry.name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 143);
}

TEST(ColorNames, UnusualRowsHold)
{
    const std::pair<const char*, const char*> rows[] = {
        {"aqua", "#00FFFF"}, {"cyan", "#00FFFF"}, {"fuchsia", "#FF00FF"}, {"magenta", "#FF00FF"},
        {"feldspar", "#D19275"}, {"lightslateblue", "#8470FF"}, {"violetred", "#D02090"},
        {"lightgrey", "#D3D3D3"}, {"mediumpurple", "#9370D8"}, {"palevioletred", "#D87093"},
        {"indianred", "#CD5C5C"}, {"darkcyan", "#008B8B"}};
    for (const auto& [name, value] : rows)
        EXPECT_EQ(ColorNameValue(QString::fromLatin1(name)), QString::fromLatin1(value)) << name;
    for (const char* missing : {"lightgray", "rebeccapurple", "Red", " red", ""})
        EXPECT_TRUE(ColorNameValue(QString::fromLatin1(missing)).isEmpty()) << missing;
}

TEST(ColorInet, NamesIgnoreCaseAndBlanksAndTheCallerSeesTheNormalisedText)
{
    QString text = QStringLiteral("  Red ");
    EXPECT_EQ(InetColor(text), QStringLiteral("#FF0000"));
    EXPECT_EQ(text, QStringLiteral("red"));
    QString code = QStringLiteral(" #1a2B3c ");
    EXPECT_EQ(InetColor(code), QStringLiteral("#1A2B3C"));
    EXPECT_EQ(code, QStringLiteral("#1a2b3c"));
    EXPECT_EQ(Inet("LightGrey"), QStringLiteral("#D3D3D3"));
    EXPECT_EQ(Inet("\tred"), QStringLiteral("#000000"));  // only blanks are trimmed
}

TEST(ColorInet, HexadecimalCodesAreExpandedPaddedOrCut)
{
    EXPECT_EQ(Inet("fff"), QStringLiteral("#FFFFFF"));
    EXPECT_EQ(Inet("#a1b"), QStringLiteral("#AA11BB"));
    EXPECT_EQ(Inet("12345"), QStringLiteral("#123450"));
    EXPECT_EQ(Inet("1234567"), QStringLiteral("#123456"));
    EXPECT_EQ(Inet("##ab#cd"), QStringLiteral("#ABCD00"));
}

TEST(ColorInet, TriplesAndFallback)
{
    EXPECT_EQ(Inet("rgb(255, 128, 0)"), QStringLiteral("#FF8000"));
    EXPECT_EQ(Inet("16,32,48"), QStringLiteral("#102030"));
    for (const char* bad : {"255,0", "", "   ", "#", "not a colour", "#10,20,30"})
        EXPECT_EQ(Inet(bad), QStringLiteral("#000000")) << bad;
}

TEST(ColorHex, TestHexAcceptsOnlyHexDigits)
{
    EXPECT_TRUE(testHex(QStringLiteral("0123456789ABCDEFabcdef")));
    for (const char* bad : {"", "12G", " 12", "#12", "-1", "0x1"})
        EXPECT_FALSE(testHex(QString::fromLatin1(bad))) << bad;
}

TEST(ColorRgb2Hex, ConvertsValidTriplesAndRefusesOthers)
{
    EXPECT_EQ(RGB2Hex(QStringLiteral("RGB( 255 , 5 , 0 )")), QStringLiteral("FF0500"));
    EXPECT_EQ(RGB2Hex(QStringLiteral("256,511,0010")), QStringLiteral("00FF0A"));
    EXPECT_EQ(RGB2Hex(QStringLiteral("2147483647,0,0")), QStringLiteral("FF0000"));
    QString longList = QStringLiteral("1");
    for (int i = 1; i < 101; ++i)
        longList += QStringLiteral(",1");
    for (const QString& bad : {QStringLiteral("1,2"), QStringLiteral("1,2,3,4"), QStringLiteral("1,2,x"),
                               QStringLiteral("1,,3"), QStringLiteral("1,2,"), QStringLiteral("-1,2,3"),
                               QStringLiteral("1.5,2,3"), QStringLiteral("2147483648,0,0"), QString(), longList})
        EXPECT_TRUE(RGB2Hex(bad).isEmpty()) << qPrintable(bad.left(20));
}

TEST(ColorByteOrder, BgrAndRgbSwapRedAndBlue)
{
    EXPECT_EQ(BGR(QStringLiteral("#FF8000")), QStringLiteral("&H0080FF"));
    EXPECT_EQ(BGR(QStringLiteral("&H123456")), QStringLiteral("&H563412"));
    EXPECT_EQ(BGR(QStringLiteral("ABC")), QStringLiteral("&HBC0A00"));
    EXPECT_EQ(RGB(QStringLiteral("80FF")), QStringLiteral("FF8000"));
    EXPECT_EQ(RGB(QStringLiteral("AB123456")), QStringLiteral("563412"));
    for (const char* html : {"FF8000", "123456", "00000A", "FFFFFF"}) {
        const QString rrggbb = QString::fromLatin1(html);
        const std::optional<quint32> value = ColorValueFromWindowsText(BGR(rrggbb));
        ASSERT_TRUE(value.has_value()) << html;
        EXPECT_EQ(RGB(HexOfColorValue(*value)), rrggbb);
        EXPECT_EQ(ColorValueToHtml(*value), QLatin1Char('#') + rrggbb);
    }
}

TEST(ColorValue, WindowsTextHexRenderingAndComponents)
{
    EXPECT_EQ(ColorValueFromWindowsText(QStringLiteral("&H0080FF")), 0x0080FFu);
    EXPECT_EQ(ColorValueFromWindowsText(QStringLiteral("&hff")), 0xFFu);
    for (const char* bad : {"", "&H", "0080FF", "&H00 80FF", "&Hzz0z00", "&H123456789", "#0080FF"})
        EXPECT_FALSE(ColorValueFromWindowsText(QString::fromLatin1(bad)).has_value()) << bad;
    EXPECT_EQ(HexOfColorValue(0x0080FF), QStringLiteral("80FF"));
    EXPECT_EQ(HexOfColorValue(0), QStringLiteral("0"));
    EXPECT_EQ(ColorValueToHtml(0xFF0A0B0C), QStringLiteral("#0C0B0A"));
    EXPECT_EQ(ColorValueOf(255, 128, 0), 0x0080FFu);
    EXPECT_EQ(ColorValueOf(-5, 300, 1), 0x01FF00u);
}

TEST(ColorShade, DarkensAndLightensWithHalfToEvenRounding)
{
    const QString grey = QStringLiteral("#808080");
    EXPECT_EQ(ShadeColor(grey, 25), QStringLiteral("#404040"));
    EXPECT_EQ(ShadeColor(grey, 75), QStringLiteral("#C0C0C0"));  // 191.5 -> 192
    EXPECT_EQ(ShadeColor(grey, 0), QStringLiteral("#000000"));
    EXPECT_EQ(ShadeColor(QStringLiteral("12ab4F"), 50), QStringLiteral("#12AB4F"));
    EXPECT_EQ(ShadeColor(QStringLiteral("#123456"), 100), QStringLiteral("#FFFFFF"));
    EXPECT_EQ(ShadeColor(QStringLiteral("050B00"), 25), QStringLiteral("#020600"));  // 2.5 -> 2, 5.5 -> 6
    EXPECT_EQ(ShadeColor(QStringLiteral("#000000"), 150), QStringLiteral("#FEFEFE"));  // 510 keeps FE
    EXPECT_EQ(ShadeColor(QStringLiteral("#010000"), -50), QStringLiteral("#FF0000"));  // -1 keeps FF
}

TEST(ColorShade, MalformedColourGivesEmptyText)
{
    for (const char* bad : {"", "#", "F", "zz0000", "#12 456", "##123456", "red"})
        EXPECT_TRUE(ShadeColor(QString::fromLatin1(bad), 25).isEmpty()) << bad;
    EXPECT_TRUE(ShadeColor(QStringLiteral("#000000"), 1e12).isEmpty());
}

namespace {

class FailingColorDialogs : public ScriptedDialogs {
public:
    std::optional<quint32> Color(quint32 initialColor) override
    {
        ScriptedDialogs::Color(initialColor);
        throw AppError(ErrorNumber::InvalidCall);
    }
};

}  // namespace

TEST(ColorButtonDialog, PresetsChosenValueAndCancel)
{
    ScriptedDialogs dialogs;
    dialogs.colors = {0x0080FFu, std::nullopt, 0x563412u};
    EXPECT_EQ(ColorButton(dialogs, QStringLiteral("#123456")), QStringLiteral("FF8000"));
    EXPECT_TRUE(ColorButton(dialogs, QStringLiteral("FF8000")).isEmpty());
    EXPECT_EQ(ColorButton(dialogs, QStringLiteral("not a colour")), QStringLiteral("123456"));
    EXPECT_EQ(dialogs.colorRequests, (QList<quint32>{0x563412u, 0x0080FFu, 0x888888u}));
    EXPECT_EQ(dialogs.boxes.size(), 3);  // no message box on any path

    FailingColorDialogs failing;
    EXPECT_EQ(ColorButton(failing, QStringLiteral("#FF0000")), QStringLiteral("888888"));
    EXPECT_EQ(failing.colorRequests, QList<quint32>{0x0000FFu});
}
