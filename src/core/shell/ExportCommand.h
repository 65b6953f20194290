#pragma once
// varkit --export OUT TEMPLATE [--set PROMPT=VALUE]... [--set @N=VALUE]... [--include NAME=yes|no]...
// Imports the template without a window, applies the values, makes the HTML and writes it to
// OUT ("-": standard output). Anything wrong leaves OUT as it was.
#include "platform/ProgramFolders.h"

#include <QString>
#include <QStringList>
#include <optional>

struct ExportRequest {
    QString outPath;
    QString templatePath;
    struct Setting {
        QString target;  // a prompt, or "@N"
        QString value;
    };
    QList<Setting> sets;
    QList<Setting> includes;  // value "yes" or "no"
};

// An include value: yes or true ticks the section, no or false clears it (any case, blanks
// around ignored); empty for anything else, which kIncludeValues explains.
std::optional<bool> IncludeAnswer(const QString& value);
extern const QString kIncludeValues;

// Parses the arguments after "--export"; an empty optional (and the reason in `error`) when
// they are malformed.
std::optional<ExportRequest> ParseExportArguments(const QStringList& arguments, QString& error);

class TemplateSession;
// Applies the settings to an imported form; false (and the reason) when one matches nothing.
bool ApplyExportSettings(TemplateSession& session, const ExportRequest& request, QString& error);

// Exit status 0, or 2 with a message on standard error.
int RunExportCommand(const ProgramFolders& folders, const QStringList& arguments);
