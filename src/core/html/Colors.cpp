#include "Colors.h"

#include "ColorNames.h"
#include "NumberText.h"
#include "platform/Dialogs.h"
#include "text/TextUtilities.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

namespace {

// The dialog's preset when the given colour can't be converted.
constexpr quint32 kMidGrey = 0x888888;

// The range the classic Hex() can render (a 32-bit signed number).
constexpr double kHexMin = -2147483648.0;
constexpr double kHexMax = 2147483647.0;

// The low two hexadecimal digits of a number, upper case; a negative number gives those of its
// two's-complement form.
QString LowHexPair(qint64 value)
{
    return QStringLiteral("%1").arg(static_cast<quint32>(value & 0xFF), 2, 16, QLatin1Char('0')).toUpper();
}

// Reads a piece of a colour as a hexadecimal number; empty when it is not one.
std::optional<int> HexPiece(const QString& piece)
{
    if (!testHex(piece))
        return std::nullopt;
    return piece.toInt(nullptr, 16);
}

}  // namespace

QString InetColor(QString& colorname)
{
    colorname = TrimSpaces(colorname).toLower();
    return AcceptedColor(colorname).value_or(QStringLiteral("#000000"));
}

bool IsColorText(const QString& text)
{
    return AcceptedColor(TrimSpaces(text).toLower()).has_value();
}

std::optional<QString> AcceptedColor(const QString& colorname)
{
    const QString named = ColorNameValue(colorname);
    if (!named.isEmpty())
        return named;

    QString digits = colorname;
    digits.remove(QLatin1Char('#'));
    if (testHex(digits)) {
        QString code = QLatin1Char('#') + digits.toUpper();
        if (code.size() == 4) {
            // Short form #RGB: each digit stands for a doubled pair.
            const QString shortCode = code;
            code = QStringLiteral("#");
            for (qsizetype i = 1; i < 4; ++i)
                code += QString(2, shortCode.at(i));
        }
        return (code + QStringLiteral("000000")).left(7);
    }

    const QString triple = RGB2Hex(colorname);
    if (!triple.isEmpty())
        return QLatin1Char('#') + triple.toUpper();
    return std::nullopt;
}

bool testHex(const QString& term)
{
    if (term.isEmpty())
        return false;
    return std::all_of(term.begin(), term.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f');
    });
}

QString RGB2Hex(QString term)
{
    term.remove(QLatin1Char(' '));
    term = term.toUpper();
    term.remove(QStringLiteral("RGB"));
    term.remove(QLatin1Char('('));
    term.remove(QLatin1Char(')'));

    for (QChar c : std::as_const(term)) {
        const char16_t u = c.unicode();
        if (!(u >= '0' && u <= '9') && u != ',')
            return QString();
    }

    // Anything but three parts is not a triple; a long list of numbers is simply refused.
    const QStringList parts = term.split(QLatin1Char(','));
    if (parts.size() != 3)
        return QString();

    QString result;
    for (const QString& part : parts) {
        bool ok = false;
        const qulonglong number = part.toULongLong(&ok);
        if (!ok || number > static_cast<qulonglong>(kHexMax))
            return QString();
        result += LowHexPair(static_cast<qint64>(number));
    }
    return result;
}

QString RGB(const QString& hexValue)
{
    const QString bbggrr = (QStringLiteral("000000") + hexValue).right(6);
    return bbggrr.mid(4, 2) + bbggrr.mid(2, 2) + bbggrr.left(2);
}

QString BGR(const QString& hexValue)
{
    QString digits = hexValue;
    digits.remove(QLatin1Char('#'));
    const QString rrggbb = (QStringLiteral("000000") + digits).right(6);
    return QStringLiteral("&H") + rrggbb.mid(4, 2) + rrggbb.mid(2, 2) + rrggbb.left(2);
}

QString ShadeColor(const QString& color, double amount)
{
    QString text = color;
    if (text.startsWith(QLatin1Char('#')))
        text.remove(0, 1);

    // Red is the first pair, green the second, blue the last: a text of another length still
    // reads its pieces from those places.
    const std::optional<int> pieces[3] = {HexPiece(text.left(2)), HexPiece(text.mid(2, 2)), HexPiece(text.right(2))};

    QString result = QStringLiteral("#");
    for (const std::optional<int>& piece : pieces) {
        if (!piece)
            return QString();
        const double component = *piece;
        double shaded;
        if (amount <= 50)
            shaded = component * (2 * amount / 100);
        else
            shaded = component + (255 - component) * ((2 * amount - 100) / 100);
        shaded = RoundHalfEven(shaded);
        if (!std::isfinite(shaded) || shaded < kHexMin || shaded > kHexMax)
            return QString();
        result += LowHexPair(static_cast<qint64>(shaded));
    }
    return result;
}

QString ColorButton(Dialogs& dialogs, const QString& color)
{
    // The dialog always starts from the preset and shows its full form with custom colours.
    quint32 dialogColor = ColorValueFromHtml(color).value_or(kMidGrey);
    try {
        const std::optional<quint32> chosen = dialogs.Color(dialogColor);
        if (!chosen)
            return QString();
        dialogColor = *chosen;
    } catch (const std::exception&) {
        // A dialog that failed to show leaves the grey preset as its colour.
        dialogColor = kMidGrey;
    }
    return RGB(HexOfColorValue(dialogColor));
}

std::optional<quint32> ColorValueFromWindowsText(const QString& text)
{
    if (text.size() < 3 || text.size() > 10 || text.at(0) != QLatin1Char('&'))
        return std::nullopt;
    if (text.at(1) != QLatin1Char('H') && text.at(1) != QLatin1Char('h'))
        return std::nullopt;
    const QString digits = text.mid(2);
    if (!testHex(digits))
        return std::nullopt;
    return digits.toUInt(nullptr, 16);
}

std::optional<quint32> ColorValueFromHtml(const QString& html)
{
    return ColorValueFromWindowsText(BGR(html));
}

QString HexOfColorValue(quint32 value)
{
    return QString::number(value, 16).toUpper();
}

QString ColorValueToHtml(quint32 value)
{
    return QLatin1Char('#') + LowHexPair(value) + LowHexPair(value >> 8) + LowHexPair(value >> 16);
}

quint32 ColorValueOf(int r, int g, int b)
{
    const auto channel = [](int v) { return static_cast<quint32>(std::clamp(v, 0, 255)); };
    return channel(r) | (channel(g) << 8) | (channel(b) << 16);
}
