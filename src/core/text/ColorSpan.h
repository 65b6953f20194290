#pragma once
// A run of characters in one text colour: offsets in a box's text (a CR LF counts two) and a
// colour 0x00BBGGRR.
#include <QtGlobal>
#include <vector>

struct ColorSpan {
    int start = 0;
    int length = 0;
    quint32 color = 0;

    bool operator==(const ColorSpan&) const = default;
};

using ColorSpans = std::vector<ColorSpan>;
