#pragma once
// The imported model as JSON, for designers checking a template and for scripts:
// {"fields":[...],"groups":[...],"segments":[...]}.
#include <QByteArray>

class FormState;

QByteArray FieldsReportJson(const FormState& form);
