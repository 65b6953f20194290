#pragma once
// A scanner host for tests: it records what the scanner tells the window (the loading flag,
// the "code size:" positions, the event runs), raises a cancel request after a given number of
// characters, and shows its boxes through ScriptedDialogs.
#include "ScriptedDialogs.h"
#include "template/Keyword.h"
#include "template/ScannerHost.h"
#include "template/TemplateFile.h"

#include <QList>
#include <ostream>
#include <string>
#include <vector>

class FakeScannerHost : public ScannerHost {
public:
    bool CancelRequested() const override { return cancel; }
    void SetTemplateLoading(bool loading) override;
    void ShowCodeSize(qint64 position) override;
    void LetEventsRunSoon() override;
    void LetEventsRun() override { ++tagEventRuns; }
    Dialogs& dialogs() override { return scripted; }

    ScriptedDialogs scripted;

    // The cancel button's "Abort" tag. With cancelAfterChars >= 0 it is raised while events run
    // after that many characters (counted over all calls), as a click on Cancel would be.
    bool cancel = false;
    int cancelAfterChars = -1;

    bool templateLoading = false;
    QList<bool> loadingChanges;       // every value SetTemplateLoading was given, in order
    bool loadingWhileReading = true;  // false once a position was shown with the flag clear
    QList<qint64> codeSizes;          // every position shown in "code size:"
    int charEventRuns = 0;
    int tagEventRuns = 0;
};

// What one call of FetchKeywords gave back.
struct ScanCall {
    Keyword keyword;
    qint64 startLocBefore = 0;
    qint64 startLocAfter = 0;
    bool loadingAfter = false;  // TemplateLoading as the call left it
};

// Calls FetchKeywords from position 1 while the file is not at its end, as the import does,
// and stops on a failure ("!ERROR!"), on a cancel request, or after maxCalls calls.
QList<ScanCall> ScanToEnd(const TemplateFile& file, FakeScannerHost& host, int maxCalls = 1 << 30);
QList<ScanCall> ScanToEnd(const QString& text, FakeScannerHost& host);
// The keywords alone, for short tests on texts that hold no failure.
QList<Keyword> KeywordsOf(const QString& text);

// One line per keyword ("style|prompt|default|global|auction", control characters escaped) so
// that gtest shows readable differences.
std::string Describe(const Keyword& keyword);
std::vector<std::string> Describe(const QList<Keyword>& keywords);
std::vector<std::string> Describe(const QList<ScanCall>& calls);
// A text with its control and non-ASCII characters written as \xNN / \uNNNN.
std::string Escaped(const QString& text);

// A keyword built from its values, for expectations.
Keyword MakeKeyword(const QString& keyStyle, const QString& prompt = QString(), const QString& defaultText = QString(),
                    const QString& globalVariable = QString(), const QString& auctionText = QString());

void PrintTo(const Keyword& keyword, std::ostream* os);
// Lets gtest show texts readably.
void PrintTo(const QString& text, std::ostream* os);
