#pragma once
// Turns template text back into plain HTML: wrapper tags go, every inline tag becomes the value
// it stands for.
#include <QString>
#include <functional>

// The value an inline tag leaves behind; `body` holds what stood between "[VarKit" and "]"
// (the style character first). Globals ("?"), dividers ("-") and tags without "=" leave
// nothing; an option list leaves its first non-empty option; blanks at both ends go.
QString InlineTagValue(const QString& body);

// Strips the tags of `text` into `result`: wrapper openers ("<varkit" up to the next ">") and
// closers ("</varkit>") vanish, inline tags become InlineTagValue, and an inline tag still open
// at the end is dropped with its opener. `beforeCharacter` is called with the 1-based position of
// each character before it is read. On a failure `result` holds what was built so far.
void StripVarKitTags(QString text, QString& result, const std::function<void(qsizetype)>& beforeCharacter = {});
