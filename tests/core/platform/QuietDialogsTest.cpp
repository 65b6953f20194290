// The dialogs of work nobody watches, and the headless ones that write each box to a stream:
// both take the answer that deletes and writes nothing.
#include "platform/QuietDialogs.h"
#include "platform/StderrDialogs.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace {

QString ReadBack(FILE* stream)
{
    std::rewind(stream);
    QByteArray bytes;
    char buffer[256];
    while (const size_t got = std::fread(buffer, 1, sizeof buffer, stream))
        bytes.append(buffer, static_cast<qsizetype>(got));
    return QString::fromUtf8(bytes);
}

}  // namespace

TEST(QuietDialogs, EveryQuestionTakesTheAnswerThatChangesNothing)
{
    const struct {
        MsgButtons buttons;
        MsgAnswer answer;
        const char* line;
    } rows[] = {
        {MsgButtons::Ok, MsgAnswer::Ok, "Save: Done\n"},
        {MsgButtons::OkCancel, MsgAnswer::Cancel, "Save: Done [answered Cancel]\n"},
        {MsgButtons::YesNo, MsgAnswer::No, "Save: Done [answered No]\n"},
        {MsgButtons::YesNoCancel, MsgAnswer::Cancel, "Save: Done [answered Cancel]\n"},
    };
    QuietDialogs quiet;
    for (const auto& row : rows) {
        FILE* stream = std::tmpfile();
        ASSERT_NE(stream, nullptr);
        StderrDialogs headless(stream);
        EXPECT_EQ(quiet.Message(QStringLiteral("Save"), QStringLiteral("Done"), row.buttons, MsgIcon::Question), row.answer);
        EXPECT_EQ(headless.Message(QStringLiteral("Save"), QStringLiteral("Done"), row.buttons, MsgIcon::Question),
                  row.answer);
        EXPECT_EQ(headless.Messages(), 1);
        EXPECT_EQ(ReadBack(stream), QString::fromLatin1(row.line));
        std::fclose(stream);
    }
    EXPECT_EQ(quiet.Messages(), 4);
}

TEST(QuietDialogs, InputFileColourAndMenuAreCancelled)
{
    FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    StderrDialogs headless(stream);
    QuietDialogs quiet;
    FileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.filterIndex = 2;
    for (QuietDialogs* dialogs : {&quiet, static_cast<QuietDialogs*>(&headless)}) {
        EXPECT_FALSE(dialogs->Input(QStringLiteral("Name"), QStringLiteral("Which?"), QStringLiteral("x")));
        const FileDialogResult file = dialogs->FileDialog(request);
        EXPECT_TRUE(file.path.isEmpty());
        EXPECT_EQ(file.filterIndex, 2);
        EXPECT_FALSE(dialogs->Color(0x0000FF));
        EXPECT_EQ(dialogs->Popup(QStringLiteral("Menu"), {{QStringLiteral("One")}}), -1);
        EXPECT_EQ(dialogs->Messages(), 0);
    }
    EXPECT_EQ(ReadBack(stream), QStringLiteral("Name: Which? [answered Cancel]\nOpen: file dialog [answered Cancel]\n"
                                               "Color: colour dialog [answered Cancel]\n"));
    std::fclose(stream);
}
