#pragma once
// Templates for the benchmarks, made in code so that every run measures the same text.
#include <QString>

// A realistic auction template of just under 65,536 bytes, all ASCII: a page of ordinary HTML
// holding exactly kBenchTemplateTags VarKit tags, kBenchTemplateVisibleTags of them visible
// fields (plain, title, URL, variable, comment, divider and option lists) and the rest global
// targets without prompt or default text ("[VarKit?name]"), which make no visible field.
QString MakeBenchTemplate();
// Writes MakeBenchTemplate() into the folder as "bench.tpl" and returns its path.
QString WriteBenchTemplate(const QString& folder);

inline constexpr int kBenchTemplateTags = 2000;
inline constexpr int kBenchTemplateVisibleTags = 40;
inline constexpr int kBenchTemplateBytes = 65500;
