#pragma once
// The colour value forms and the conversions between them:
//   #RRGGBB      HTML colour (InetColor, ShadeColor)
//   RRGGBB       bare HTML digits (RGB, RGB2Hex, ColorButton)
//   &HBBGGRR     Windows colour text (BGR), a hexadecimal literal of the colour value
//   0x00BBGGRR   Windows colour value, red in the lowest byte (controls, the colour dialog)
//   r,g,b        decimal triple, optionally written RGB(r,g,b)
//   a name       from the colour name table, any case, blanks around it ignored
// None of the conversions shows a message: malformed text gives empty text or, for InetColor,
// the fallback "#000000".
#include <QString>

#include <optional>

class Dialogs;

// Any accepted colour text to #RRGGBB. The caller's text is first trimmed of surrounding
// blanks and lower-cased, and keeps that normalised form. Text of no accepted form gives
// "#000000".
QString InetColor(QString& colorname);
// The #RRGGBB of a trimmed, lower-cased text of an accepted form; empty for any other text.
std::optional<QString> AcceptedColor(const QString& colorname);
// Whether InetColor takes the text for a colour (rather than giving black for it).
bool IsColorText(const QString& text);
// For callers that keep their own text.
inline QString InetColorOf(QString colorname)
{
    return InetColor(colorname);
}

// True when the text is not empty and holds only hexadecimal digits (either case).
bool testHex(const QString& term);

// A decimal triple ("255,128,0", "RGB(255, 128, 0)") to RRGGBB; each number keeps its low two
// hexadecimal digits (256 gives 00). Empty text when the triple is not valid: other characters,
// other than three parts, an empty part, a number beyond the 32-bit range.
QString RGB2Hex(QString term);

// Windows-order digits (BBGGRR, as the hexadecimal rendering of a colour value gives them; fewer
// digits are padded with zeros in front) to RRGGBB.
QString RGB(const QString& hexValue);

// HTML-order text (#RRGGBB or RRGGBB) to the Windows colour text &HBBGGRR. Only the last six
// characters after removing every "#" count; shorter text is padded with zeros in front.
QString BGR(const QString& hexValue);

// Darkens (amount below 50) or lightens toward white (above 50) a colour given as RRGGBB with
// or without "#"; 0 gives black, 50 the colour itself, 100 white. Results are rounded half to
// even. Amounts outside 0 to 100 push components out of 0 to 255; each then keeps its low two
// hexadecimal digits, a negative one those of its two's-complement form (-1 gives FF), as the
// classic Hex() renders it. Empty text when the colour can't be read as hexadecimal, or when a
// component leaves the 32-bit range that Hex() can render.
QString ShadeColor(const QString& color, double amount);

// Opens the colour dialog preset to the colour (#RRGGBB or RRGGBB) and returns the chosen colour
// as RRGGBB, or empty text when the user cancels. A colour that can't be converted presets a
// mid grey (0x888888).
QString ColorButton(Dialogs& dialogs, const QString& color);

// The Windows colour text "&HBBGGRR" (the prefix in any case, then one to eight hexadecimal
// digits) to its colour value 0x00BBGGRR; empty when the text is not such a literal.
std::optional<quint32> ColorValueFromWindowsText(const QString& text);

// HTML-order text (#RRGGBB or RRGGBB, read as BGR reads it) to its colour value 0x00BBGGRR;
// empty when the digits are not hexadecimal.
std::optional<quint32> ColorValueFromHtml(const QString& html);

// The upper-case hexadecimal rendering of a colour value without leading zeros, as the classic
// Hex() gives it: 0x0080FF -> "80FF", 0 -> "0".
QString HexOfColorValue(quint32 value);

// A colour value 0x00BBGGRR to "#RRGGBB"; bits above the low 24 are ignored.
QString ColorValueToHtml(quint32 value);

// The colour value of red, green and blue; each is clamped to 0 to 255.
quint32 ColorValueOf(int r, int g, int b);
