#pragma once
// Opening a file, folder or link with the desktop's associated program.
#include <QString>

class Shell {
public:
    virtual ~Shell() = default;
    // False when the request could not be handed to the desktop at all.
    virtual bool Open(const QString& pathOrLink) = 0;
};
