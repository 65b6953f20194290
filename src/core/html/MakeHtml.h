#pragma once
// Make HTML: resolves the random code, themes, globals and arithmetic into the fields, then
// merges the template segments and the field values into the finished page on the export
// screen. It works from what the import left: the segments, the field names and the model.
#include <QString>

class TemplateSession;

void MakeHtml(TemplateSession& session);

// The closing lines every generated page ends with.
inline const QString kVarKitAssisted = QStringLiteral("<!-- [ VarKit assisted ] -->");

// The random code of one run: four upper-case hexadecimal characters.
QString RandomCode();
