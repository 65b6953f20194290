#pragma once
// Where an installation template may read and write. Its commands name paths relative to two
// folders: what they copy lies in the template's own folder, where it goes lies in the user's
// VarKit folder. A path is taken apart at "\" and "/", its "." and ".." are settled, and what it
// names on disk is found ignoring letter case; it must then stay inside its folder with every
// symbolic link on the way followed. Anything else is refused with the reason a user can read.
#include <QString>

struct ConfinedPath {
    QString path;     // where the name stands (or would stand) on disk; empty when refused
    QString problem;  // why it is refused ("the path leaves the VarKit folder"); empty when fine
    bool ok() const { return problem.isEmpty(); }
};

// A destination below the user's VarKit folder `root` (which must exist). The names of
// VarKit's own files in that folder are refused too.
ConfinedPath ConfineTarget(const QString& root, const QString& relative);
// A source below the installation template's folder `root`.
ConfinedPath ConfineSource(const QString& root, const QString& relative);

// True when `path`, with its links followed as far as it exists, stays inside the folder
// `root` (whose canonical form is given).
bool StaysInside(const QString& canonicalRoot, const QString& path);
