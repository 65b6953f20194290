#pragma once

#include <QString>
#include <optional>

class TemplateSession;

// The text of the include file a "+" field names, looked for where the template's own files
// are; an empty optional after the "Include File Error" message was shown.
std::optional<QString> ReadIncludeFile(TemplateSession& session, const QString& name);
