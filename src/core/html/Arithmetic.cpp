#include "Arithmetic.h"

#include "Colors.h"
#include "NumberText.h"
#include "platform/AppError.h"
#include "platform/Dialogs.h"

#include <cmath>
#include <variant>

namespace {

const QString kOperators = QStringLiteral("*/-+\\~#");
constexpr int kMaxOperands = 10;

QString MissingValueText()
{
    return QStringLiteral("A field that expected a number is set to zero ") + QStringLiteral("\r\n")
        + QStringLiteral("or has non-numeric characters. ") + QStringLiteral("\r\n") + QStringLiteral("\r\n")
        + QStringLiteral("Processing will continue without it, ") + QStringLiteral("\r\n")
        + QStringLiteral("but page appearance may be affected.");
}

// The running result of an expression: a number, or colour text after the "#" operator.
using Result = std::variant<double, QString>;

double NumberOf(const Result& result)
{
    if (std::holds_alternative<QString>(result))
        throw AppError(ErrorNumber::TypeMismatch);
    return std::get<double>(result);
}

// An operand's text, and whether it is the value of a global definition (which the user fills
// in) rather than text written in the expression.
struct Operand {
    QString text;
    bool fromField = false;
};

class Expression {
public:
    Expression(const GlobalValueLookup& globalValue, Dialogs& dialogs) : globalValue_(globalValue), dialogs_(dialogs) {}

    QString Evaluate(const QString& expression)
    {
        Result result = 0.0;
        int operands = 0;
        qsizetype lastOperator = 0;  // 1-based position of the last operator seen
        QChar pending = QLatin1Char('+');
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
            result = Apply(result, pending, ResolveOperand(operand));
            pending = next;
        }
        return std::holds_alternative<QString>(result) ? std::get<QString>(result) : GeneralNumber(std::get<double>(result));
    }

private:
    const GlobalValueLookup& globalValue_;
    Dialogs& dialogs_;
    // Whether this expression's "Missing Value" box about a value that is not a number was
    // shown; a user's price such as "1,299.00" or "$20" would count as 1 or 0 without a word.
    bool told_ = false;

    void ShowMissingValue()
    {
        dialogs_.Message(QStringLiteral("Missing Value"), MissingValueText(), MsgButtons::Ok, MsgIcon::Information);
    }

    Operand ResolveOperand(const QString& written) const
    {
        if (std::optional<QString> value = globalValue_(written))
            return {*value, true};
        return {written, false};
    }

    Result Apply(const Result& result, QChar op, const Operand& operand)
    {
        if (op == QLatin1Char('#')) {
            const double amount = RoundHalfEven(NumberOf(result));
            return ShadeColor(operand.text, amount);
        }
        bool number = true;
        const double value = LeadingNumber(operand.text, &number);
        const bool notANumber = operand.fromField && !operand.text.isEmpty() && !number;
        if (notANumber && !told_) {
            ShowMissingValue();
            told_ = true;
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
};

}  // namespace

QString EvaluateExpression(const QString& expression, const GlobalValueLookup& globalValue, Dialogs& dialogs)
{
    return Expression(globalValue, dialogs).Evaluate(expression);
}
