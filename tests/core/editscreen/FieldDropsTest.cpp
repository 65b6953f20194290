// Files dropped on a field and on the enlarged editor: what each kind of field takes of each
// kind of file, with and without Ctrl.
#include "editscreen/Blowup.h"
#include "editscreen/FieldDrops.h"
#include "support/FormFixture.h"

#include <gtest/gtest.h>

namespace {

constexpr int kNoShift = 0;
constexpr int kCtrl = 2;

struct DropFiles {
    QString picture;  // page[2].gif
    QString text;     // notes.txt, holding "hello"
    QString other;    // report.doc
};

DropFiles WriteDropFiles(const FormFixture& f)
{
    return {f.WriteFile(QStringLiteral("page[2].gif"), "GIF89a"), f.WriteFile(QStringLiteral("notes.txt"), "hello"),
            f.WriteFile(QStringLiteral("report.doc"), "doc")};
}

// Field 1 of the style, holding "ab" with the caret between the two letters.
int FieldOfStyle(FormState& form, const QString& style)
{
    EditScreen& screen = form.screen;
    const int i = screen.FieldCount() > 1 ? 1 : screen.AddField();
    EditField& field = screen.Field(i);
    field.DataLabel.tag = style;
    field.DataField.text = QStringLiteral("ab");
    field.DataField.selStart = 1;
    field.DataField.selLength = 0;
    return i;
}

}  // namespace

TEST(FieldDrops, EachStyleTakesWhatItsKindAllows)
{
    FormFixture f;
    const DropFiles files = WriteDropFiles(f);
    enum File { Picture, Text, Other };
    // Expected field text: "%1" stands for the dropped file's full path.
    const struct {
        const char* style;
        File file;
        bool ctrl;
        const char* expected;
    } rows[] = {
        // Include: a text page's full path becomes the value; nothing else.
        {"+", Text, false, "%1"},
        {"+", Text, true, "%1"},
        {"+", Picture, false, "ab"},
        {"+", Other, false, "ab"},
        // Picture chips and links: a picture's bare name, or its full path with Ctrl.
        {"&", Picture, false, "page.gif"},
        {"&", Picture, true, "%1"},
        {":", Picture, false, "page.gif"},
        {":", Picture, true, "%1"},
        {"&", Text, false, "ab"},
        {":", Other, true, "ab"},
        // Plain text: inserted at the caret.
        {" ", Picture, false, "apage.gifb"},
        {" ", Picture, true, "a%1b"},
        {" ", Text, false, "a%1b"},
        {" ", Text, true, "ahellob"},
        {" ", Other, false, "ab"},
        // Keyed by the style's last character.
        {"# ", Text, false, "a%1b"},
        {"G+", Text, false, "%1"},
        // Any other kind of field takes nothing.
        {"!", Picture, false, "ab"},
        {"~", Text, true, "ab"},
        {"%", Picture, false, "ab"},
    };
    for (const auto& row : rows) {
        const QString path = row.file == Picture ? files.picture : row.file == Text ? files.text : files.other;
        SCOPED_TRACE(QStringLiteral("style '%1', %2, ctrl %3").arg(QString::fromLatin1(row.style), path).arg(row.ctrl).toStdString());
        const int i = FieldOfStyle(f.form(), QString::fromLatin1(row.style));
        DataField_OLEDragDrop(f.form(), i, {path}, row.ctrl ? kCtrl : kNoShift);
        EXPECT_EQ(f.screen().Field(i).DataField.text, QString::fromLatin1(row.expected).arg(path));
    }
    EXPECT_TRUE(f.dialogs().boxes.isEmpty());
}

TEST(FieldDrops, SeveralFilesAreTakenInTurn)
{
    FormFixture f;
    const DropFiles files = WriteDropFiles(f);
    const QString second = f.WriteFile(QStringLiteral("shot.png"), "png");
    const long runsBefore = f.form().pump.runs();

    // A later picture overwrites the value of a picture field.
    int i = FieldOfStyle(f.form(), QStringLiteral("&"));
    DataField_OLEDragDrop(f.form(), i, {files.picture, files.text, second}, kNoShift);
    EXPECT_EQ(f.screen().Field(i).DataField.text, QStringLiteral("shot.png"));
    // Window events ran after each file.
    EXPECT_EQ(f.form().pump.runs() - runsBefore, 3);

    // A plain-text field gets each in order at the moving caret.
    i = FieldOfStyle(f.form(), QStringLiteral(" "));
    DataField_OLEDragDrop(f.form(), i, {files.picture, files.other, second}, kNoShift);
    EXPECT_EQ(f.screen().Field(i).DataField.text, QStringLiteral("apage.gifshot.pngb"));
}

TEST(FieldDrops, ATextPageThatCannotBeReadInsertsNothing)
{
    FormFixture f;
    const int i = FieldOfStyle(f.form(), QStringLiteral(" "));
    DataField_OLEDragDrop(f.form(), i, {f.folder() + QStringLiteral("missing.txt")}, kCtrl);
    EXPECT_EQ(f.screen().Field(i).DataField.text, QStringLiteral("ab"));
    EXPECT_TRUE(f.dialogs().boxes.isEmpty());
}

TEST(FieldDrops, TheEnlargedEditorTakesDropsForItsFieldButNotForAnInclude)
{
    FormFixture f;
    const DropFiles files = WriteDropFiles(f);
    BlowupState& blowup = f.form().Blowup;

    int i = FieldOfStyle(f.form(), QStringLiteral(" "));
    ASSERT_TRUE(OpenBlowup(blowup, f.screen(), i));
    blowup.DataBlowup.Select(2, 0);
    DataBlowup_OLEDragDrop(f.form(), blowup, {files.text}, kCtrl);
    EXPECT_EQ(blowup.DataBlowup.Text(), QStringLiteral("abhello"));
    EXPECT_EQ(f.screen().Field(i).DataField.text, QStringLiteral("ab"));  // the field waits for OK

    i = FieldOfStyle(f.form(), QStringLiteral("&"));
    OpenBlowup(blowup, f.screen(), i);
    DataBlowup_OLEDragDrop(f.form(), blowup, {files.picture}, kNoShift);
    EXPECT_EQ(blowup.DataBlowup.Text(), QStringLiteral("page.gif"));

    i = FieldOfStyle(f.form(), QStringLiteral("+"));
    OpenBlowup(blowup, f.screen(), i);
    DataBlowup_OLEDragDrop(f.form(), blowup, {files.text}, kNoShift);
    EXPECT_EQ(blowup.DataBlowup.Text(), QStringLiteral("ab"));
}

TEST(FieldDrops, DragOverOffersACopyOfPicturesAndTextPagesOnly)
{
    EXPECT_TRUE(FieldDropAccepted({QStringLiteral("/a/b.JPEG"), QStringLiteral("/a/c.doc")}));
    EXPECT_TRUE(FieldDropAccepted({QStringLiteral("/a/b.html")}));
    // Only the first file counts.
    EXPECT_FALSE(FieldDropAccepted({QStringLiteral("/a/c.doc"), QStringLiteral("/a/b.png")}));
    EXPECT_FALSE(FieldDropAccepted({}));
}
