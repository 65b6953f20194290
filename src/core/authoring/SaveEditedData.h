#pragma once
// Rebuilding a template from its edit screen: the template text the import kept between the
// tags, and in place of every tag a new one carrying what the screen now shows (the field's
// value, the chosen option, the section's tick), so that the values become the new defaults.
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class EditScreen;

// A Help-menu item a template added: its caption as the menu shows it and its link.
struct TemplateHelpLink {
    QString caption;
    QString link;
};

// The rebuilt template, blanks and then NULs trimmed from both ends. Options whose caption is
// empty get two blanks as their caption, on the screen too, so that an empty entry is not read
// as the selection mark. `segments` and `names` are indexed by field.
QString BackloadTemplateData(EditScreen& screen, const QStringList& segments, const QStringList& names,
                             const QList<TemplateHelpLink>& helpLinks);

// The value an option set is written with: the captions joined by "|", the selected option
// (when it is not the first) preceded by an extra "|". `options` are the set's option indexes.
QString OptionListValue(const EditScreen& screen, const std::vector<int>& options);

// A typed value made safe inside a tag: "]" would end the tag, "[VarKit" start another and "|"
// split the value into options, so "]", that "[" and "|" are written as numeric character
// references ("&#93;", "&#91;", "&#124;"), which the finished page shows as the characters.
QString TagSafeValue(const QString& value);
