// The one error report every procedure runs its body under.
#include "platform/AppError.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>
#include <vector>

TEST(Reported, AFailureShowsTheReportAtTheStepReachedAndEndsTheBody)
{
    ScriptedDialogs dialogs;
    QString step = QStringLiteral("first");
    bool finished = false;
    EXPECT_FALSE(Reported(dialogs, QStringLiteral("Add Fields"), step, [&] {
        step = QStringLiteral("second");
        throw AppError(ErrorNumber::Overflow);
        finished = true;
    }));
    EXPECT_FALSE(finished);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].title, QStringLiteral("Add Fields"));
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("Error 6: Overflow\r\nLocation = second"));
    EXPECT_EQ(dialogs.boxes[0].icon, MsgIcon::Exclamation);

    // Failures C++ raises are reported under their classic numbers; a body that ends is no report.
    EXPECT_FALSE(Reported(dialogs, QStringLiteral("t"), step, [] { std::vector<int>().at(1); }));
    EXPECT_TRUE(dialogs.boxes.last().text.startsWith(QStringLiteral("Error 5: ")));
    EXPECT_TRUE(Reported(dialogs, QStringLiteral("t"), step, [] {}));
    EXPECT_EQ(dialogs.boxes.size(), 2);

    // The location can depend on the failure.
    EXPECT_FALSE(ReportedAt(
        dialogs, QStringLiteral("Scan"), [](const AppError& e) { return QString::number(e.number()) + QStringLiteral(" at end"); },
        [] { throw AppError(ErrorNumber::FileNotFound); }));
    EXPECT_EQ(dialogs.boxes.last().text, QStringLiteral("Error 53: File not found\r\nLocation = 53 at end"));
}
