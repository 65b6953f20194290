#pragma once

#include <QHash>
#include <QString>
#include <optional>

class TemplateSession;

// The text of the include file a "+" field names, looked for where the template's own files
// are; an empty optional after the "Include File Error" message was shown.
std::optional<QString> ReadIncludeFile(TemplateSession& session, const QString& name);

// While one stands, each include file is looked up and read once: every later Make HTML takes the
// text read first (a batch holds one for all its pages, whose includes do not change meanwhile).
// An include that was not found or not read is looked for again each time, so each page that
// names it reports it. Scopes do not nest: an inner one shares the outer one's texts.
class IncludeCacheScope {
public:
    IncludeCacheScope();
    ~IncludeCacheScope();
    IncludeCacheScope(const IncludeCacheScope&) = delete;
    IncludeCacheScope& operator=(const IncludeCacheScope&) = delete;

private:
    friend std::optional<QString> ReadIncludeFile(TemplateSession& session, const QString& name);
    // The template's folder and the include's name, and the include's text.
    QHash<QString, QString> texts_;
};
