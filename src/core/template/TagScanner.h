#pragma once
// The keyword scanner: reads a template from a position and hands back one tag at a time,
// with the plain template text that preceded it. It keeps nothing between calls except the
// position, which belongs to the caller.
#include "Keyword.h"
#include "ScannerHost.h"
#include "TemplateFile.h"

// Returns after one tag, at the end of the file, on a cancel request or on a failure
// (keyword.prompt is then "!ERROR!" and the report "Extract from Template" has been shown).
void FetchKeywords(const TemplateFile& file, qint64& startLoc, Keyword& keyword, ScannerHost& host);

// The body of an inline tag (the characters between "[VarKit" and "]") split into its values.
void SplitInlineTag(const QString& tagChars, Keyword& keyword);
