#pragma once
// The command-line tools that run without a window.
#include <QString>

// varkit --fields TEMPLATE: the imported model as JSON on standard output. Exit status 0, or
// 2 when the template cannot be read.
int RunFieldsCommand(const QString& programFolder, const QString& templatePath);
