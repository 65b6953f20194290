#pragma once
// The imported model as JSON, for designers checking a template and for scripts:
// {"encoding":"UTF-8","fields":[...],"groups":[...],"segments":[...]}, where "encoding" is the
// name the Encoding standard gives the encoding the template was read in.
#include <QByteArray>

class TemplateSession;

QByteArray FieldsReportJson(const TemplateSession& session);
