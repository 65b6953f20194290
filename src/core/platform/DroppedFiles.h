#pragma once
// The files a drag or the clipboard carries: the local files of its text/uri-list, in the order
// given. A web link is no file and is left out; Linux file managers put copied and dragged
// files there.
#include <QStringList>

class QMimeData;

QStringList LocalFilesOf(const QMimeData* data);
