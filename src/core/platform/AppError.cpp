#include "AppError.h"

#include "Dialogs.h"

AppError::AppError(int number, QString message)
    : number_(number), message_(std::move(message)), what_(message_.toUtf8())
{
}

AppError::AppError(int number) : AppError(number, StandardMessage(number)) {}

QString AppError::StandardMessage(int number)
{
    switch (number) {
    case ErrorNumber::InvalidCall: return QStringLiteral("Invalid procedure call or argument");
    case ErrorNumber::Overflow: return QStringLiteral("Overflow");
    case ErrorNumber::OutOfMemory: return QStringLiteral("Out of memory");
    case ErrorNumber::SubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case ErrorNumber::DivisionByZero: return QStringLiteral("Division by zero");
    case ErrorNumber::TypeMismatch: return QStringLiteral("Type mismatch");
    case ErrorNumber::FileNotFound: return QStringLiteral("File not found");
    case ErrorNumber::PermissionDenied: return QStringLiteral("Permission denied");
    case ErrorNumber::PathFileAccess: return QStringLiteral("Path/File access error");
    case ErrorNumber::PathNotFound: return QStringLiteral("Path not found");
    case ErrorNumber::InvalidPicture: return QStringLiteral("Invalid picture");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

QString ErrorReportText(const AppError& error, const QString& step)
{
    return QStringLiteral("Error ") + QString::number(error.number()) + QStringLiteral(": ")
        + error.message() + QStringLiteral("\r\n") + QStringLiteral("Location = ") + step;
}

void ShowErrorReport(Dialogs& dialogs, const QString& title, const AppError& error, const QString& step)
{
    dialogs.Message(title, ErrorReportText(error, step), MsgButtons::Ok, MsgIcon::Exclamation);
}
