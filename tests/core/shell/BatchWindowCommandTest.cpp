// "Make HTML for each row of a CSV ..." on a form with scripted dialogs: the pages come from the
// markup as it stands, the window's own screens stay as they were, the summary names what was
// written and which rows failed, and Cancel puts in place only the pages made before it.
#include "shell/BatchWindowCommand.h"

#include "support/FormFixture.h"
#include "support/TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kEnding = "\r\n\r\n<!-- [ VarKit assisted ] -->\r\n\r\n";
const QByteArray kListing = "<h1>[VarKit! Title=Lamp]</h1>[VarKit?d: Divisor=2]<p>[VarKit(10~d]</p>";

struct Batch : FormFixture {
    QString out = folder() + QStringLiteral("out");
    // The table and the folder answered in the two dialogs, then the command.
    void Run(const QByteArray& rows)
    {
        dialogs().files.push_back({WriteFile(QStringLiteral("rows.csv"), rows), 1});
        dialogs().files.push_back({out, 1});
        MenuFileBatch_Click(form());
    }
    QStringList Written() const
    {
        return QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    QByteArray Page(const QString& name) const { return ReadTestFile(out + QLatin1Char('/') + name); }
};

}  // namespace

TEST(BatchWindowCommand, MakesOnePagePerRowFromTheMarkupAsItStandsAndSumsUp)
{
    Batch b;
    b.Import(kListing);
    // A change not yet saved or imported is part of the pages.
    b.form().MarkupText.SetText(QString::fromLatin1(kListing) + QStringLiteral("<hr>"));
    b.screen().Field(1).DataField.text = QStringLiteral("typed in the window");
    ASSERT_TRUE(BatchAvailable(b.form()));

    b.Run("Title,Divisor\nBrass lamp,3\nTin cup,4\n");

    EXPECT_EQ(b.Written(), (QStringList{"0001.htm", "0002.htm"}));
    EXPECT_EQ(b.Page(QStringLiteral("0001.htm")), "<h1>Brass lamp</h1><p>1</p><hr>" + kEnding);
    EXPECT_EQ(b.Page(QStringLiteral("0002.htm")), "<h1>Tin cup</h1><p>2</p><hr>" + kEnding);
    ASSERT_EQ(b.dialogs().boxes.size(), 4);
    EXPECT_EQ(b.dialogs().boxes[0].kind, QStringLiteral("file"));
    EXPECT_FALSE(b.dialogs().boxes[0].fileRequest.folderOnly);
    EXPECT_EQ(b.dialogs().boxes[1].fileRequest.folder, b.folder());
    EXPECT_TRUE(b.dialogs().boxes[1].fileRequest.folderOnly);
    EXPECT_EQ(b.dialogs().boxes[2].kind, QStringLiteral("progress"));
    EXPECT_EQ(b.dialogs().progressSteps, (QList<int>{1, 2}));
    const RecordedBox& summary = b.dialogs().boxes[3];
    EXPECT_EQ(summary.title, kBatchTitle);
    EXPECT_EQ(summary.text, QStringLiteral("2 pages were written to ") + b.out + QLatin1Char('.'));
    EXPECT_EQ(summary.icon, MsgIcon::Information);
    // The window's screens are untouched.
    EXPECT_EQ(b.screen().Field(1).DataField.text, QStringLiteral("typed in the window"));
    EXPECT_TRUE(b.form().HTMLtext.Text().isEmpty());
}

TEST(BatchWindowCommand, CancelKeepsThePagesMadeBeforeItWholeAndListsTheFailedRows)
{
    Batch b;
    b.Import(kListing);
    b.dialogs().cancelProgressAt = 3;
    b.Run("Title,Divisor\nA,2\nB,0\nC,3\nD,1\n");

    EXPECT_EQ(b.Written(), (QStringList{"0001.htm", "0003.htm"}));
    EXPECT_EQ(b.Page(QStringLiteral("0003.htm")), "<h1>C</h1><p>1</p>" + kEnding);
    const RecordedBox* summary = b.dialogs().Last();
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->text, QStringLiteral("Cancelled after 3 of 4 rows.\r\n2 pages were written to ") + b.out
                                 + QStringLiteral(".\r\n\r\n1 row was not written:\r\n"
                                                  "Row 2 (line 3) was not written: Make HTML: Error 11: Division by zero\r\n"
                                                  "Location = Apply Math to HTML"))
        << summary->text.toStdString();
    EXPECT_EQ(summary->icon, MsgIcon::Exclamation);
}

TEST(BatchWindowCommand, RefusesBeforeWritingAnything)
{
    Batch b;
    EXPECT_FALSE(BatchAvailable(b.form()));
    MenuFileBatch_Click(b.form());
    EXPECT_TRUE(b.dialogs().boxes.isEmpty());

    b.Import(kListing);
    MenuFileBatch_Click(b.form());  // the table's dialog cancelled
    EXPECT_EQ(b.dialogs().Titles(), QStringList{"Make HTML for each row of a CSV"});

    b.dialogs().boxes.clear();
    b.Run("Title,Colour\nA,red\n");
    EXPECT_FALSE(QDir(b.out).exists());
    ASSERT_NE(b.dialogs().Last(), nullptr);
    EXPECT_EQ(b.dialogs().Last()->title, kBatchTitle);
    EXPECT_TRUE(b.dialogs().Last()->text.contains(QStringLiteral("Colour"))) << b.dialogs().Last()->text.toStdString();

    b.dialogs().boxes.clear();
    b.Run("Title,\"Divisor\nA,2\n");
    EXPECT_TRUE(b.dialogs().Last()->text.endsWith(QStringLiteral("line 1: a quoted field is not closed")))
        << b.dialogs().Last()->text.toStdString();
}
