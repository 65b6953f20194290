#pragma once
// Where the markup screen paints its template tags: every tag green and, in a square-bracket
// tag, the default value after its first "=" navy. Everything else stays plain black.
#include "text/ColorSpan.h"

#include <QStringView>

inline constexpr quint32 kPlainTextColor = 0x000000;
inline constexpr quint32 kTagColor = 0x008000;       // #008000
inline constexpr quint32 kTagValueColor = 0x800000;  // #000080

// The coloured spans of the text, in the order they are painted: the wrapper openers
// ("<varkit" to the next ">"), the wrapper closers ("</varkit" to the next ">"), then the
// bracket tags ("[varkit" to the next "]") each followed by its value. Keywords match in any
// letter case; an opener without a closer after it ends its pass.
ColorSpans TagColorSpans(QStringView text);
