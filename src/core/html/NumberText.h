#pragma once
// Numbers as Make HTML's arithmetic reads and writes them.
#include <QString>

// The leading number of a text: blanks are skipped, then an optional sign, digits with one
// decimal point and an optional exponent; reading stops at the first character that cannot
// belong to the number. Text without a leading number is 0. Throws AppError 6 when the number
// is beyond the range of a double. `wholeText`, when given, tells whether the text is a number
// and nothing else but blanks ("1,299.00" and "$20" are not).
double LeadingNumber(const QString& text, bool* wholeText = nullptr);

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// The shortest general form: up to 15 significant digits, no trailing zeros, an exponent
// ("1E+20", "1E-05") only where the plain form would be too long.
QString GeneralNumber(double value);
