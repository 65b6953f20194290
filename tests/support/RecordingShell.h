#pragma once
// A fake desktop shell: remembers what it was asked to open and answers `answer` (true: the
// desktop took the request).
#include "platform/Shell.h"

#include <QStringList>

class RecordingShell : public Shell {
public:
    bool Open(const QString& pathOrLink) override
    {
        opened << pathOrLink;
        return answer;
    }
    QStringList opened;
    bool answer = true;
};
