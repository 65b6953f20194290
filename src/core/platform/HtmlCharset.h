#pragma once
// The encoding a page declares, found as browsers find it before they decode anything: the
// first 1,024 bytes are read as markup, comments and other tags are passed over, and the first
// <meta charset="..."> or <meta http-equiv="Content-Type" content="...; charset=..."> that names
// a known encoding decides.
#include <QByteArrayView>

constexpr qsizetype kCharsetPrescanBytes = 1024;

// The Encoding standard's name of the declared encoding, or nullptr when the page declares none
// that is known. A declared UTF-16 is taken as UTF-8 and x-user-defined as windows-1252 (a page
// that could state its charset in ASCII is not UTF-16).
const char* DeclaredEncoding(QByteArrayView bytes);

// The encoding named by "charset=" in a Content-Type value ("text/html; charset=utf-8"), or
// nullptr.
const char* EncodingOfContentType(QByteArrayView content);
