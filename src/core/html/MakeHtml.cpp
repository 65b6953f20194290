#include "MakeHtml.h"

#include "Colors.h"
#include "NumberText.h"
#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "editscreen/TemplateSession.h"

#include <QRandomGenerator>
#include <unordered_set>
#include <variant>

namespace {

const QString kTitle = QStringLiteral("Make HTML");
const QString kOperators = QStringLiteral("*/-+\\~#");
constexpr int kMaxOperands = 10;
// An include larger than this is not read (it would not be a text include).
constexpr qint64 kIncludeLimit = 16 * 1024 * 1024;

QString MissingValueText()
{
    return QStringLiteral("A field that expected a number is set to zero ") + QStringLiteral("\r\n")
        + QStringLiteral("or has non-numeric characters. ") + QStringLiteral("\r\n") + QStringLiteral("\r\n")
        + QStringLiteral("Processing will continue without it, ") + QStringLiteral("\r\n")
        + QStringLiteral("but page appearance may be affected.");
}

bool IsGlobalDefinition(const QString& style)
{
    return style.size() == 2 && style.startsWith(QLatin1Char('?'));
}

// The working view of the screen for one run: the options of each field in the order they
// were added, computed once instead of walking every option per field.
struct RunData {
    TemplateSession& session;
    EditScreen& screen;
    QString& step;
    std::vector<std::vector<int>> optionsOf;

    RunData(TemplateSession& source, QString& s)
        : session(source), screen(source.screen), step(s), optionsOf(screen.OptionRows())
    {
    }
    int Fields() const { return screen.FieldCount(); }
    const QString& Style(int i) const { return screen.Field(i).DataLabel.tag; }
    QString& Value(int i) { return screen.Field(i).DataField.text; }
    const QString& Name(int i) const { return session.FieldNames[i]; }

    void SetValue(int i, const QString& value)
    {
        Value(i) = value;
        screen.NotifyChanged(ScreenElement::Field, i);
    }

    void ApplyTheme()
    {
        step = QStringLiteral("Make HTML - apply theme");
        for (int i = 1; i < Fields(); ++i) {
            if (Style(i) != QLatin1String("^"))
                continue;
            int chosen = -1;
            int count = 0;
            for (int j : optionsOf[static_cast<size_t>(i)]) {
                ++count;
                if (screen.Option(j).DataOption.caption.compare(Value(i), Qt::CaseInsensitive) == 0)
                    chosen = count;
            }
            for (int k = 1; k < Fields(); ++k) {
                if (Style(k) != QLatin1String("?^"))
                    continue;
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
        for (int i = 1; i < Fields(); ++i)
            if (Style(i) == QLatin1String("?") && Name(i).toLower() == QLatin1String("random"))
                SetValue(i, code);
        for (int i = 1; i < Fields(); ++i) {
            if (Style(i).size() != 2)
                continue;
            for (int j = 1; j < Fields(); ++j)
                if (Style(j) == QLatin1String("?") && Name(j).compare(Name(i), Qt::CaseInsensitive) == 0)
                    SetValue(j, Value(i));
        }
    }

    // The running result of an expression: a number, or colour text after the "#" operator.
    using Result = std::variant<double, QString>;

    static double NumberOf(const Result& result)
    {
        if (std::holds_alternative<QString>(result))
            throw AppError(ErrorNumber::TypeMismatch);
        return std::get<double>(result);
    }

    // An operand's text, and whether it is the value of a global definition (which the user
    // fills in) rather than text written in the expression.
    struct Operand {
        QString text;
        bool fromField = false;
    };

    void ShowMissingValue()
    {
        session.dialogs().Message(QStringLiteral("Missing Value"), MissingValueText(), MsgButtons::Ok, MsgIcon::Information);
    }

    // `told` is whether this field's "Missing Value" box about a value that is not a number was
    // shown; a user's price such as "1,299.00" or "$20" would count as 1 or 0 without a word.
    Result Apply(const Result& result, QChar op, const Operand& operand, bool& told)
    {
        if (op == QLatin1Char('#')) {
            const double amount = RoundHalfEven(NumberOf(result));
            return ShadeColor(operand.text, amount);
        }
        bool number = true;
        const double value = LeadingNumber(operand.text, &number);
        const bool notANumber = operand.fromField && !operand.text.isEmpty() && !number;
        if (notANumber && !told) {
            ShowMissingValue();
            told = true;
        }
        const double current = NumberOf(result);
        const double computed = Compute(current, op, value, notANumber);
        if (!std::isfinite(computed))
            throw AppError(ErrorNumber::Overflow);
        return computed;
    }

    // `quiet`: the operand was already reported as not a number.
    double Compute(double current, QChar op, double value, bool quiet)
    {
        switch (op.unicode()) {
        case '+': return current + value;
        case '-': return current - value;
        case '*': return current * value;
        case '/':
            if (value == 0) {
                if (!quiet)
                    ShowMissingValue();
                return current;
            }
            return current / value;
        case '\\': {
            if (value == 0) {
                if (!quiet)
                    ShowMissingValue();
                return current;
            }
            const double divisor = RoundHalfEven(value);
            if (divisor == 0)
                throw AppError(ErrorNumber::DivisionByZero);
            return std::trunc(RoundHalfEven(current) / divisor);
        }
        case '~': {
            const double divisor = RoundHalfEven(value);
            if (divisor == 0)
                throw AppError(ErrorNumber::DivisionByZero);
            return std::fmod(RoundHalfEven(current), divisor);
        }
        default: return current;
        }
    }

    Operand ResolveOperand(const QString& written) const
    {
        Operand operand{written};
        for (int i = 1; i < Fields(); ++i) {
            if (Style(i).size() == 2 && Name(i).compare(operand.text, Qt::CaseInsensitive) == 0) {
                operand.text = screen.Field(i).DataField.text;
                operand.fromField = true;
            }
        }
        return operand;
    }

    void ApplyMath()
    {
        step = QStringLiteral("Apply Math to HTML");
        for (int k = 1; k < Fields(); ++k) {
            if (Style(k) != QLatin1String("("))
                continue;
            QString expression = screen.Field(k).DataLabel.caption;
            expression.remove(QLatin1Char(')'));
            expression.remove(QLatin1Char('('));
            screen.Field(k).DataLabel.caption = expression;
            Result result = 0.0;
            int operands = 0;
            qsizetype lastOperator = 0;  // 1-based position of the last operator seen
            QChar pending = QLatin1Char('+');
            bool told = false;
            const qsizetype length = expression.size();
            for (qsizetype p = 1; p <= length; ++p) {
                const QChar c = expression[p - 1];
                const bool isLast = p == length;
                if (!kOperators.contains(c) && !isLast)
                    continue;
                if (++operands > kMaxOperands)
                    throw AppError(ErrorNumber::SubscriptOutOfRange);
                QString operand;
                QChar next;
                if (isLast) {
                    operand = expression.mid(lastOperator, p - lastOperator);
                } else {
                    operand = expression.mid(lastOperator, p - 1 - lastOperator);
                    next = c;
                    lastOperator = p;
                }
                result = Apply(result, pending, ResolveOperand(operand), told);
                pending = next;
            }
            SetValue(k, std::holds_alternative<QString>(result) ? std::get<QString>(result)
                                                                 : GeneralNumber(std::get<double>(result)));
        }
    }

    // The include's text, or an empty optional after its message was shown.
    std::optional<QString> ReadInclude(const QString& name)
    {
        for (const QString& path : session.CandidatePaths(kTemplatesFolder, name)) {
            // Only a regular file opens: a FIFO or a device counts as no file at all.
            if (name.isEmpty() || !FileExists(path))
                continue;
            bool readable = true;
            QString text;
            try {
                // The limit counts the bytes actually read, whatever size the file reports.
                AsAppError([&] {
                    const QByteArray bytes = ReadFileBytes(session.files(), path, kIncludeLimit);
                    readable = !bytes.contains('\0');
                    text = DecodeText(bytes).text;
                });
            } catch (const AppError&) {
                readable = false;
            }
            if (readable)
                return text;
            session.dialogs().Message(QStringLiteral("Include File Error"),
                                   QStringLiteral("Could not load Included File. It was skipped.") + QStringLiteral("\r\n")
                                       + QStringLiteral(" Make sure file is readable text: ") + QStringLiteral("\r\n")
                                       + QLatin1Char('"') + name + QLatin1Char('"') + QStringLiteral("\r\n"),
                                   MsgButtons::Ok, MsgIcon::Information);
            return std::nullopt;
        }
        session.dialogs().Message(QStringLiteral("Include File Error"),
                               QStringLiteral("Included File was not found and was skipped. ") + QStringLiteral("\r\n")
                                   + QStringLiteral("Check the name and path for file: ") + QStringLiteral("\r\n")
                                   + QLatin1Char('"') + name + QLatin1Char('"') + QStringLiteral("\r\n"),
                               MsgButtons::Ok, MsgIcon::Information);
        return std::nullopt;
    }

    QString Merge()
    {
        step = QStringLiteral("Make HTML - checkboxes");
        std::unordered_set<QString> cleared;
        for (int g = 1; g < screen.GroupCount(); ++g)
            if (screen.Group(g).DataKeep.value == 0)
                cleared.insert(screen.Group(g).DataKeep.tag);
        QString output;
        for (int i = 1; i < Fields(); ++i) {
            const EditField& field = screen.Field(i);
            if (!field.DataButton.tag.isEmpty() && cleared.count(field.DataButton.tag))
                continue;
            step = QStringLiteral("Make HTML - insert variables");
            const QString& style = field.DataLabel.tag;
            const QString& segment = i <= TemplateSession::kMaxFieldIndex ? session.TemplateSegments[i] : QString();
            output += segment;
            if (IsGlobalDefinition(style) || !field.DataField.enabled || style == QLatin1String("-")
                || style == QLatin1String("~") || style == QLatin1String("^") || style == QLatin1String("$"))
                continue;
            if (style == QLatin1String("+")) {
                if (const std::optional<QString> text = ReadInclude(field.DataField.text))
                    output += *text;
                continue;
            }
            output += field.DataField.text;
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
            session.HTMLtext.SetText(output + QStringLiteral("\r\n") + kVarKitAssisted + QStringLiteral("\r\n\r\n"));
        }
        session.HtmlSize = QString::number(session.HTMLtext.Length());
    });
    session.NotifyChanged();
}
