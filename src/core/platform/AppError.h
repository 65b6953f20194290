#pragma once
// An unexpected failure: an error number in the classic runtime numbering and its message.
#include <QString>
#include <exception>
#include <new>

namespace ErrorNumber {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int FileNotFound = 53;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int InvalidPicture = 481;
}

class AppError : public std::exception {
public:
    AppError(int number, QString message);
    // The standard message of a classic runtime error number ("Overflow", "File not found").
    explicit AppError(int number);

    int number() const { return number_; }
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return what_.constData(); }

    static QString StandardMessage(int number);

private:
    int number_;
    QString message_;
    QByteArray what_;
};

class Dialogs;

// Runs a procedure body and turns the failures C++ can raise (bad_alloc, length_error) into
// the AppError the error report expects.
template <typename Body>
void AsAppError(Body&& body)
{
    try {
        body();
    } catch (const AppError&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw AppError(ErrorNumber::OutOfMemory);
    } catch (const std::exception& e) {
        throw AppError(ErrorNumber::InvalidCall, QString::fromLocal8Bit(e.what()));
    }
}

// The standard error report text: "Error 6: Overflow\r\nLocation = Add fields".
QString ErrorReportText(const AppError& error, const QString& step);

// Shows the standard error report: exclamation icon, OK button, the procedure's report title.
void ShowErrorReport(Dialogs& dialogs, const QString& title, const AppError& error, const QString& step);

// Runs a procedure's body under its error report: an unexpected failure ends the body and shows
// the standard report titled `title` at the step the body had reached (`step` names the
// caller's step text, which the body updates as it goes). True when the body ran to its end.
template <typename Body>
bool Reported(Dialogs& dialogs, const QString& title, const QString& step, Body&& body)
{
    try {
        AsAppError(body);
        return true;
    } catch (const AppError& error) {
        ShowErrorReport(dialogs, title, error, step);
        return false;
    }
}

// The same, for a procedure whose report names the location from the failure: `location`
// takes the AppError and gives the text after "Location = ".
template <typename Location, typename Body>
bool ReportedAt(Dialogs& dialogs, const QString& title, Location&& location, Body&& body)
{
    try {
        AsAppError(body);
        return true;
    } catch (const AppError& error) {
        ShowErrorReport(dialogs, title, error, location(error));
        return false;
    }
}
