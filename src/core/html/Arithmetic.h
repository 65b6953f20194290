#pragma once
// The arithmetic of Make HTML: the expression of a "(" field worked out left to right, with no
// precedence, over at most ten operands. The operators are "+", "-", "*", "/", "\" (whole
// division), "~" (remainder) and "#" (shade the colour operand by the result so far).
#include <QString>
#include <functional>
#include <optional>

class Dialogs;

// The value of the global definition an operand names, or nothing when it names none.
using GlobalValueLookup = std::function<std::optional<QString>(const QString& name)>;

// The text the field shows: the result as a number in general form, or the colour text of "#".
// An operand is its global's value where it names one, else its own text. A global's value that
// is not a number, or a division by zero, shows "Missing Value" (once per expression) and counts
// as zero, leaving the result as it was; an overflow, an operand past the tenth or a colour
// taken as a number throws AppError.
QString EvaluateExpression(const QString& expression, const GlobalValueLookup& globalValue, Dialogs& dialogs);
