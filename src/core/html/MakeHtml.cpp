#include "MakeHtml.h"

#include "Arithmetic.h"
#include "IncludeFile.h"
#include "NumberText.h"
#include "platform/AppError.h"
#include "platform/Paths.h"
#include "editscreen/TemplateSession.h"

#include <QRandomGenerator>
#include <unordered_set>

namespace {

const QString kTitle = QStringLiteral("Make HTML");
// The line break, the closing comment and the empty line every page ends with.
constexpr qsizetype kTrailerLength = 2 + 28 + 4;

// What Make HTML does with a field, decided once per run from its style.
enum class Role : quint8 {
    Plain,        // its value is written
    Definition,   // two characters starting with "?": holds a global's value, not written
    OtherPair,    // any other two-character style: supplies globals and operands, value written
    Use,          // "?": takes its global's value, which is written
    Theme,        // "^": chooses the theme, not written
    Math,         // "(": the result of its expression is written
    Include,      // "+": the file it names is written
    Silent,       // "-", "~", "$": nothing written
};

Role RoleOf(const QString& style)
{
    if (style.size() == 2)
        return style.front() == QLatin1Char('?') ? Role::Definition : Role::OtherPair;
    if (style.size() != 1)
        return Role::Plain;
    switch (style.front().unicode()) {
    case '?': return Role::Use;
    case '^': return Role::Theme;
    case '(': return Role::Math;
    case '+': return Role::Include;
    case '-':
    case '~':
    case '$': return Role::Silent;
    default: return Role::Plain;
    }
}

// The working view of the screen for one run: each field's role, and the fields of the few
// roles the stages look for, so that no stage walks every field more than once.
struct RunData {
    TemplateSession& session;
    EditScreen& screen;
    QString& step;
    std::vector<Role> roles;
    std::vector<int> themes, themeDefinitions, definitions, uses, maths;

    RunData(TemplateSession& source, QString& s) : session(source), screen(source.screen), step(s)
    {
        roles.resize(static_cast<size_t>(Fields()));
        for (int i = 1; i < Fields(); ++i) {
            const QString& style = Style(i);
            const Role role = RoleOf(style);
            roles[static_cast<size_t>(i)] = role;
            if (role == Role::Theme)
                themes.push_back(i);
            else if (role == Role::Definition || role == Role::OtherPair)
                definitions.push_back(i);
            else if (role == Role::Use)
                uses.push_back(i);
            else if (role == Role::Math)
                maths.push_back(i);
            if (role == Role::Definition && style.back() == QLatin1Char('^'))
                themeDefinitions.push_back(i);
        }
    }
    int Fields() const { return screen.FieldCount(); }
    const QString& Style(int i) const { return screen.Field(i).DataLabel.tag; }
    QString& Value(int i) { return screen.Field(i).DataField.text; }
    const QString& Name(int i) const { return session.FieldNames.at(i); }

    // The view hears of a value only when it changed.
    void SetValue(int i, const QString& value)
    {
        if (Value(i) == value)
            return;
        Value(i) = value;
        screen.NotifyChanged(ScreenElement::Field, i);
    }

    void ApplyTheme()
    {
        step = QStringLiteral("Make HTML - apply theme");
        if (themes.empty())
            return;
        const std::vector<std::vector<int>> optionsOf = screen.OptionRows();
        for (int i : themes) {
            int chosen = -1;
            int count = 0;
            for (int j : optionsOf[static_cast<size_t>(i)]) {
                ++count;
                if (screen.Option(j).DataOption.caption.compare(Value(i), Qt::CaseInsensitive) == 0)
                    chosen = count;
            }
            for (int k : themeDefinitions) {
                QString value;
                count = 0;
                for (int j : optionsOf[static_cast<size_t>(k)])
                    if (++count == chosen)
                        value = screen.Option(j).DataOption.caption;
                SetValue(k, value);
            }
        }
    }

    void ReplaceGlobals(const QString& code)
    {
        step = QStringLiteral("Make HTML - replace globals");
        for (int i : uses)
            if (Name(i).compare(QLatin1String("random"), Qt::CaseInsensitive) == 0)
                SetValue(i, code);
        for (int i : definitions)
            for (int j : uses)
                if (Name(j).compare(Name(i), Qt::CaseInsensitive) == 0)
                    SetValue(j, Value(i));
    }

    void ApplyMath()
    {
        step = QStringLiteral("Apply Math to HTML");
        // An operand that names a global definition stands for its value. The definitions are
        // read in order, and a value that names a later definition stands for that one's.
        const auto globalValue = [this](const QString& name) -> std::optional<QString> {
            const QString* text = nullptr;
            for (int i : definitions)
                if (Name(i).compare(text ? *text : name, Qt::CaseInsensitive) == 0)
                    text = &Value(i);
            return text ? std::optional<QString>(*text) : std::nullopt;
        };
        for (int k : maths) {
            QString expression = screen.Field(k).DataLabel.caption;
            expression.remove(QLatin1Char(')'));
            expression.remove(QLatin1Char('('));
            screen.Field(k).DataLabel.caption = expression;
            SetValue(k, EvaluateExpression(expression, globalValue, session.dialogs()));
        }
    }

    QString Merge()
    {
        step = QStringLiteral("Make HTML - checkboxes");
        std::unordered_set<QString> cleared;
        for (int g = 1; g < screen.GroupCount(); ++g)
            if (screen.Group(g).DataKeep.value == 0)
                cleared.insert(screen.Group(g).DataKeep.tag);
        const auto merged = [&](int i) {
            const QString& group = screen.Field(i).DataButton.tag;
            return group.isEmpty() || cleared.empty() || !cleared.count(group);
        };
        // Written value, or the include's name.
        const auto value = [&](int i) -> const QString* {
            const EditField& field = screen.Field(i);
            const Role role = roles[static_cast<size_t>(i)];
            if (role == Role::Definition || role == Role::Theme || role == Role::Silent || !field.DataField.enabled)
                return nullptr;
            return &field.DataField.text;
        };
        const auto segment = [&](int i) -> const QString& {
            static const QString none;
            return i <= TemplateSession::kMaxFieldIndex ? session.TemplateSegments.at(i) : none;
        };
        // The page's length first, so that it is built in one piece.
        qsizetype length = 0;
        for (int i = 1; i < Fields(); ++i) {
            if (!merged(i))
                continue;
            const QString* text = value(i);
            length += segment(i).size() + (text && roles[static_cast<size_t>(i)] != Role::Include ? text->size() : 0);
        }
        QString output;
        output.reserve(length + kTrailerLength);
        bool inserting = false;
        for (int i = 1; i < Fields(); ++i) {
            if (!merged(i))
                continue;
            if (!inserting) {
                step = QStringLiteral("Make HTML - insert variables");
                inserting = true;
            }
            output += segment(i);
            const QString* text = value(i);
            if (!text)
                continue;
            if (roles[static_cast<size_t>(i)] == Role::Include) {
                if (const std::optional<QString> included = ReadIncludeFile(session, *text))
                    output += *included;
                continue;
            }
            output += *text;
        }
        return output;
    }
};

}  // namespace

QString RandomCode()
{
    const double r = QRandomGenerator::global()->generateDouble();
    const qint64 number = static_cast<qint64>(RoundHalfEven(r * 1000000.0));
    const QString hex = QStringLiteral("0000") + QString::number(number, 16).toUpper();
    return hex.right(4);
}

void MakeHtml(TemplateSession& session)
{
    const FolderListingScope listings;  // the includes are looked up in the same few folders
    QString step = QStringLiteral("Make HTML");
    Reported(session.dialogs(), kTitle, step, [&] {
        RunData run(session, step);
        const QString code = RandomCode();
        run.ApplyTheme();
        run.ReplaceGlobals(code);
        run.ApplyMath();
        QString output = run.Merge();
        step = QStringLiteral("Make HTML - finish template");
        if (!output.isEmpty()) {
            if (output.endsWith(QChar(0)))
                output.chop(1);
            output += QStringLiteral("\r\n") + kVarKitAssisted + QStringLiteral("\r\n\r\n");
            session.HTMLtext.SetText(output);
        }
        session.HtmlSize = QString::number(session.HTMLtext.Length());
    });
    session.NotifyChanged();
}
