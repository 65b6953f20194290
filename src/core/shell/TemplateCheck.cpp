#include "TemplateCheck.h"

#include "FormState.h"
#include "HeadlessSession.h"
#include "TagPlaces.h"
#include "html/Colors.h"
#include "html/NumberText.h"
#include "platform/Paths.h"
#include "template/TemplateFile.h"

#include <QFileInfo>
#include <algorithm>
#include <cstdio>

namespace {

const QString kOperators = QStringLiteral("*/-+\\~#");

// The import's boxes, kept instead of shown: the first field that went past the screen's
// vertical limit is a finding.
class CheckDialogs : public StderrDialogs {
public:
    MsgAnswer Message(const QString& title, const QString& text, MsgButtons buttons, MsgIcon icon) override
    {
        const bool rowReport = title == QLatin1String("Add Template Fields") || title == QLatin1String("Add Option Fields");
        if (rowReport && text.startsWith(QLatin1String("Error 6:")) && overflowField < 0 && form)
            overflowField = form->screen.FieldCount() - 1;
        return StderrDialogs::Message(title, text, buttons, icon);
    }
    FormState* form = nullptr;
    int overflowField = -1;

protected:
    void Write(const QString&) override {}
};

QString OverLimit(qint64 bytes)
{
    return QStringLiteral("the template is ") + QString::number(bytes) + QStringLiteral(" bytes, over the 64K limit: it does not load");
}

struct Checker {
    FormState& form;
    const QList<TagPlace>& places;
    QList<std::pair<qint64, QString>> found;  // offset, message

    const EditScreen& screen() const { return form.screen; }
    const QString& Style(int i) const { return screen().Field(i).DataLabel.tag; }
    const QString& Name(int i) const { return form.FieldNames[i]; }
    qint64 Place(int i) const
    {
        return i >= 1 && i <= places.size() && places[i - 1].tagStart >= 0 ? places[i - 1].tagStart : 0;
    }
    void Say(int field, const QString& message) { found.append({Place(field), message}); }

    bool IsDefinition(const QString& name) const
    {
        for (int i = 1; i < screen().FieldCount(); ++i)
            if (Style(i).size() == 2 && Name(i).compare(name, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }

    void Sections()
    {
        int open = -1;
        for (int n = 0; n < places.size(); ++n) {
            const Keyword& keyword = places[n].keyword;
            if (keyword.keyStyle.startsWith(QLatin1String("StartGroup"))) {
                if (open >= 0)
                    Say(open + 1, QStringLiteral("the section \"") + places[open].keyword.prompt.trimmed()
                                      + QStringLiteral("\" is not closed before the next one opens: it gets no checkbox"));
                open = n;
            } else if (keyword.keyStyle == QLatin1String("EndGroup")) {
                if (open < 0)
                    Say(n + 1, QStringLiteral("</VarKit> closes no section: no section is open here"));
                open = -1;
            }
        }
        if (open >= 0)
            Say(open + 1, QStringLiteral("the section \"") + places[open].keyword.prompt.trimmed()
                              + QStringLiteral("\" is never closed with </VarKit>: it gets no checkbox"));
    }

    void Unclosed(const QString& text)
    {
        if (places.isEmpty() || places.back().tagStart >= 0)
            return;
        const QStringView rest = QStringView(text).sliced(places.back().callStart);
        const qsizetype inlineAt = rest.indexOf(QLatin1String("[varkit"), 0, Qt::CaseInsensitive);
        const qsizetype wrapperAt = rest.indexOf(QLatin1String("<varkit"), 0, Qt::CaseInsensitive);
        if (inlineAt >= 0)
            found.append({places.back().callStart + inlineAt,
                          QStringLiteral("this [VarKit tag is never closed with \"]\": the text from here to the end vanishes")});
        else if (wrapperAt >= 0)
            found.append({places.back().callStart + wrapperAt,
                          QStringLiteral("this <VarKit opener is never closed with \">\": it stays in the page as text")});
    }

    void Globals()
    {
        for (int i = 1; i < screen().FieldCount(); ++i) {
            const EditField& field = screen().Field(i);
            if (Style(i) != QLatin1String("?") || Name(i).compare(QLatin1String("random"), Qt::CaseInsensitive) == 0)
                continue;
            // A use with a label or a value of its own is a field the user fills in.
            if (field.DataLabel.caption.isEmpty() && field.DataField.text.isEmpty() && !IsDefinition(Name(i)))
                Say(i, QStringLiteral("the global \"") + Name(i) + QStringLiteral("\" is used but never defined: it stays empty"));
        }
    }

    void Themes()
    {
        for (int t = 1; t < screen().FieldCount(); ++t) {
            if (Style(t) != QLatin1String("^"))
                continue;
            const int themes = static_cast<int>(screen().OptionsOfField(t).size());
            for (int k = 1; k < screen().FieldCount(); ++k) {
                const int options = static_cast<int>(screen().OptionsOfField(k).size());
                if (Style(k) == QLatin1String("?^") && options < themes)
                    Say(k, QStringLiteral("the theme value \"") + Name(k) + QStringLiteral("\" has ") + QString::number(options)
                               + QStringLiteral(" options and the theme ") + QString::number(themes)
                               + QStringLiteral(": the later themes leave it empty"));
            }
        }
    }

    // An operand is a defined global (its text exactly), a number, or after "#" a colour.
    bool OperandMeant(const QString& operand, bool colour) const
    {
        if (operand.isEmpty() || IsDefinition(operand))
            return true;
        if (colour)
            return !ShadeColor(operand, 50).isEmpty();
        bool number = false;
        LeadingNumber(operand, &number);
        return number;
    }

    void Arithmetic()
    {
        for (int k = 1; k < screen().FieldCount(); ++k) {
            if (Style(k) != QLatin1String("("))
                continue;
            QString expression = screen().Field(k).DataLabel.caption;
            expression.remove(QLatin1Char(')'));
            expression.remove(QLatin1Char('('));
            QString operand;
            bool colour = false;
            for (qsizetype p = 0; p <= expression.size(); ++p) {
                const bool end = p == expression.size();
                if (!end && !kOperators.contains(expression[p])) {
                    operand += expression[p];
                    continue;
                }
                if (!OperandMeant(operand, colour))
                    Say(k, QStringLiteral("\"") + operand + QStringLiteral("\" in \"") + expression
                               + (colour ? QStringLiteral("\" is no defined global and no colour")
                                         : QStringLiteral("\" is no defined global and no number: it counts as 0")));
                colour = !end && expression[p] == QLatin1Char('#');
                operand.clear();
            }
        }
    }

    bool Found(const QString& name, const QString& subFolder) const
    {
        const QStringList paths = form.CandidatePaths(subFolder, name);
        return !name.isEmpty() && std::any_of(paths.begin(), paths.end(), [](const QString& path) { return FileExists(path); });
    }

    void Files()
    {
        for (int i = 1; i < screen().FieldCount(); ++i) {
            const QString& style = Style(i);
            const QChar kind = style.isEmpty() ? QChar() : style.back();
            if (style == QLatin1String("+") && screen().Field(i).DataField.enabled && !Found(screen().Field(i).DataField.text, kTemplatesFolder))
                Say(i, QStringLiteral("the include file \"") + screen().Field(i).DataField.text
                           + QStringLiteral("\" is not found beside the template nor in the VarKit folders"));
            for (int j : screen().OptionsOfField(i)) {
                const FieldOption& option = screen().Option(j);
                const QString& caption = option.DataOption.caption;
                if (caption.isEmpty() || style == QLatin1String("?^"))
                    continue;
                if (kind == QLatin1Char('&') && option.DataOptImg.pictureFile.isEmpty())
                    Say(i, QStringLiteral("the tile picture \"") + caption
                               + QStringLiteral("\" is not found beside the template nor in the backgrounds folders"));
                else if (kind == QLatin1Char('%') && !IsColorText(caption))
                    Say(i, QStringLiteral("the colour chip \"") + caption + QStringLiteral("\" is not a colour"));
            }
        }
        for (int n = 0; n < places.size(); ++n)
            if (places[n].keyword.defaultText.count(QLatin1String("||")) > 1)
                Say(n + 1, QStringLiteral("the option list has more than one \"||\": only the last one is selected"));
    }

    void Limits(const CheckDialogs& dialogs, qint64 bytes)
    {
        if (bytes > TemplateFile::kSizeLimit)
            found.append({0, OverLimit(bytes)});
        const int most = FormState::kMaxFieldIndex - 1;
        if (places.size() > most + 1)
            Say(most + 1, QStringLiteral("more than ") + QString::number(most) + QStringLiteral(" tags: from here on the template is not loaded"));
        if (dialogs.overflowField > 0)
            Say(dialogs.overflowField, QStringLiteral("the edit screen holds no more rows: from here on the rows are past its vertical limit"));
    }
};

}  // namespace

namespace {

QList<CheckFinding> Findings(FormState& form, CheckDialogs& dialogs)
{
    const QString markup = form.MarkupText.Text();
    const QList<TagPlace> places = ScanTagPlaces(markup, form.TemplateEncoding, form);
    Checker checker{form, places, {}};
    checker.Unclosed(markup + QStringLiteral("\r\n"));
    checker.Sections();
    checker.Globals();
    checker.Themes();
    checker.Arithmetic();
    checker.Files();
    checker.Limits(dialogs, form.FileSize.toLongLong());
    std::stable_sort(checker.found.begin(), checker.found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const LineIndex lines(markup);
    QList<CheckFinding> findings;
    for (const auto& [offset, message] : checker.found) {
        const auto [line, column] = lines.At(offset);
        findings.append({line, column, message, offset});
    }
    return findings;
}

}  // namespace

std::optional<QList<CheckFinding>> CheckTemplate(const ProgramFolders& folders, const QString& templatePath, QString& error)
{
    CheckDialogs dialogs;
    HeadlessSession session(folders, dialogs);
    FormState& form = session.form();
    dialogs.form = &form;
    session.Load(templatePath);
    if (form.FileName.text != templatePath) {
        // A template over the size limit is refused before it is read.
        const qint64 bytes = QFileInfo(ResolvePath(templatePath)).size();
        if (FileExists(templatePath) && bytes > TemplateFile::kSizeLimit)
            return QList<CheckFinding>{{1, 1, OverLimit(bytes)}};
        error = QStringLiteral("cannot read ") + templatePath;
        return std::nullopt;
    }
    return Findings(form, dialogs);
}

QList<CheckFinding> CheckMarkupOf(FormState& window)
{
    CheckDialogs dialogs;
    HeadlessSession session(window.folders, dialogs, window.files());
    dialogs.form = &session.form();
    session.ImportMarkupOf(window);
    return Findings(session.form(), dialogs);
}

int RunCheckCommand(const ProgramFolders& folders, const QStringList& arguments)
{
    if (arguments.size() != 1) {
        Complain(QStringLiteral("--check takes one template path (see varkit --help)"));
        return 2;
    }
    QString error;
    const std::optional<QList<CheckFinding>> findings = CheckTemplate(folders, arguments[0], error);
    if (!findings) {
        Complain(error);
        return 2;
    }
    for (const CheckFinding& finding : *findings) {
        const QString line = arguments[0] + QLatin1Char(':') + QString::number(finding.line) + QLatin1Char(':')
            + QString::number(finding.column) + QStringLiteral(": ") + finding.message + QLatin1Char('\n');
        std::fputs(line.toLocal8Bit().constData(), stdout);
    }
    return findings->isEmpty() ? 0 : 1;
}
