#pragma once
// The HTML colour names the program knows, each with its #RRGGBB value. The table keeps the
// historical rows that browsers disagree on (feldspar, lightslateblue, violetred, lightgrey,
// mediumpurple #9370D8, palevioletred #D87093): templates written for older releases rely on them.
#include <QString>

#include <span>

struct ColorName {
    const char* name;   // lower case
    const char* value;  // "#RRGGBB", upper case
};

// All 143 names in table order.
std::span<const ColorName> ColorNameTable();

// The value of a name already lower-cased and trimmed ("indianred" -> "#CD5C5C"), or empty
// text when the name is not in the table. Matching is exact: normalise first (InetColor does).
QString ColorNameValue(const QString& lowerName);
