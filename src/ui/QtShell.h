#pragma once
// Opens files, folders and links with the desktop's associated program.
#include "platform/Shell.h"

class QtShell : public Shell {
public:
    bool Open(const QString& pathOrLink) override;
};
