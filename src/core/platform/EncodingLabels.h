#pragma once
// The labels a page may use to name its encoding ("latin1", "shift-jis", "utf8"), mapped to the
// encodings of the Encoding standard, as browsers map them.
#include <QByteArrayView>

// The encoding's name ("windows-1252", "Shift_JIS") for a label, matched in any ASCII case after
// leading and trailing ASCII whitespace is removed; nullptr for a label that names none.
const char* EncodingForLabel(QByteArrayView label);

// The name the text converters know the encoding by. Some encodings are wider than the converter
// of the same name ("EUC-KR" on the web is windows-949), so they get the wider converter.
const char* ConverterName(const char* encoding);
