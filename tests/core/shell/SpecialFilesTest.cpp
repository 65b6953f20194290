// FIFOs, devices and huge files where a template, an include, a tile picture or an old data file
// should be: each gets the message a missing or unreadable file gets, at once, instead of a hang,
// a read without end or a template loaded whole before it is refused.
#include "html/MakeHtml.h"
#include "support/FormFixture.h"
#include "support/SpecialFiles.h"
#include "shell/ImportTemplate.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kNotFound = QStringLiteral("File not found. Check file name or path.");
const QString kIncludeMissing = QStringLiteral("Included File was not found and was skipped. ");

}  // namespace

TEST(SpecialFiles, NeitherHangNorReadWithoutEnd)
{
    struct Row {
        const char* what;
        std::function<void(FormFixture&)> run;
        QString title;  // of the one box expected, empty for none
        QString text;   // its beginning
    };
    const QList<Row> rows = {
        {"template typed into the file box",
         [](FormFixture& f) {
             ASSERT_TRUE(MakeFifo(f.folder() + QStringLiteral("fifo.tpl")));
             f.form().FileName.text = f.folder() + QStringLiteral("fifo.tpl");
             FileName_KeyPress(f.form(), 13);
         },
         QStringLiteral("Fetch Template Error"), kNotFound},
        {"template opened or dropped",
         [](FormFixture& f) {
             ASSERT_TRUE(MakeFifo(f.folder() + QStringLiteral("fifo.tpl")));
             EXPECT_FALSE(FetchTemplate(f.form(), f.folder() + QStringLiteral("fifo.tpl")));
         },
         QStringLiteral("Fetch Template Error"), kNotFound},
        {"tile picture",
         [](FormFixture& f) {
             ASSERT_TRUE(MakeFifo(f.folder() + QStringLiteral("red.gif")));
             f.Import("[VarKit& Tile=red.gif|blue.gif]");
             EXPECT_TRUE(f.screen().Option(1).DataOptImg.picture.isNull());
         },
         {}, {}},
        {"old data file beside a template",
         [](FormFixture& f) {
             ASSERT_TRUE(MakeFifo(f.folder() + QStringLiteral("test.tpe")));
             f.Import("[VarKit Item=Lamp]");
         },
         {}, {}},
        {"include that is a FIFO",
         [](FormFixture& f) {
             ASSERT_TRUE(MakeFifo(f.folder() + QStringLiteral("inc.htm")));
             f.Import("[VarKit+ Part=inc.htm]");
             MakeHtml(f.form());
         },
         QStringLiteral("Include File Error"), kIncludeMissing},
        {"include that is a device",
         [](FormFixture& f) {
             ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), f.folder() + QStringLiteral("zero.htm")));
             f.Import("[VarKit+ Part=zero.htm]");
             MakeHtml(f.form());
         },
         QStringLiteral("Include File Error"), kIncludeMissing},
        {"include larger than the file system says",
         [](FormFixture& f) {
             ASSERT_TRUE(MakeSparseFile(f.folder() + QStringLiteral("huge.htm"), 400LL * 1024 * 1024));
             f.Import("[VarKit+ Part=huge.htm]");
             MakeHtml(f.form());
         },
         QStringLiteral("Include File Error"), QStringLiteral("Could not load Included File. It was skipped.")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        FormFixture f;
        row.run(f);
        if (row.title.isEmpty()) {
            EXPECT_TRUE(f.dialogs().boxes.isEmpty()) << f.dialogs().Titles().join(' ').toStdString();
        } else {
            ASSERT_EQ(f.dialogs().boxes.size(), 1) << f.dialogs().Titles().join(' ').toStdString();
            EXPECT_EQ(f.dialogs().boxes[0].title, row.title);
            EXPECT_TRUE(f.dialogs().boxes[0].text.startsWith(row.text)) << f.dialogs().boxes[0].text.toStdString();
        }
    }
}

TEST(SpecialFiles, ATemplateOverTheLimitIsRefusedBeforeItIsLoaded)
{
    FormFixture f;
    f.Import("[VarKit Item=Lamp]");
    const QString huge = f.folder() + QStringLiteral("huge.tpl");
    ASSERT_TRUE(MakeSparseFile(huge, 400LL * 1024 * 1024));
    f.form().FileName.text = huge;
    FileName_KeyPress(f.form(), 13);
    ASSERT_EQ(f.dialogs().boxes.size(), 1);
    EXPECT_EQ(f.dialogs().boxes[0].title, QStringLiteral("Fetch Template"));
    EXPECT_TRUE(f.dialogs().boxes[0].text.startsWith(QStringLiteral("Error 6: Overflow\r\nLocation = Fetch Template\r\n\r\n"
                                                                    "The template exceeds the 64K size limit.")));
    // The markup and the edit screen still hold the template that was there.
    EXPECT_EQ(f.form().MarkupText.Text(), QStringLiteral("[VarKit Item=Lamp]"));
    EXPECT_EQ(f.screen().Field(1).DataLabel.caption, QStringLiteral("Item"));

    // At the limit, with the line break of its last line, a template still loads.
    f.dialogs().boxes.clear();
    const QByteArray atLimit = "[VarKit Item=Lamp]" + QByteArray(65536 - 18, 'x') + "\r\n";
    EXPECT_TRUE(FetchTemplate(f.form(), f.WriteFile(QStringLiteral("full.tpl"), atLimit)));
    EXPECT_TRUE(f.dialogs().boxes.isEmpty());
}
