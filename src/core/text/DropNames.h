#pragma once
// What a dropped or pasted file is to the edit screen: a picture, a text page or something else,
// told by the last four characters of its name in upper case, and the name a tile or a field
// keeps of it (its folder removed, and the copy counters "[1]." to "[10]." that web caches add
// before the extension taken out).
#include <QString>

enum class DroppedKind { Picture, Text, Other };

// ".JPG", ".GIF", ".PNG" and "JPEG" are pictures; ".HTM", "HTML" and ".TXT" text.
DroppedKind DroppedFileKind(const QString& path);

// "C:\cache\photo[1].jpg" gives "photo.jpg"; "photo[12].jpg" keeps its counter.
QString BareDropName(const QString& path);
