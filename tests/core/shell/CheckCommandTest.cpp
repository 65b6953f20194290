// The --check tool, run as a real process on the built program.
#include "support/ProgramRun.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ProgramRun Check(const QTemporaryDir& dir, const QByteArray& page)
{
    return RunVarkit({QStringLiteral("--check"), WriteTestFile(dir.filePath(QStringLiteral("t.tpl")), page)});
}

QByteArray ManyRows(int rows)
{
    QByteArray page;
    for (int i = 1; i <= rows; ++i)
        page += "<p>[VarKit Field " + QByteArray::number(i) + "=x]</p>\n";
    return page;
}

}  // namespace

TEST(CheckCommand, OneFindingPerKindAtItsPlace)
{
    struct Case {
        const char* what;
        QByteArray page;
        QByteArray line;  // what follows the file name
    };
    const QList<Case> cases = {
        {"inline tag never closed", "<p>a</p>\n<b>[VarKit Name=x</b>\n",
         ":2:4: this [VarKit tag is never closed with \"]\": the text from here to the end vanishes"},
        {"wrapper opener never closed", "<p>\r\n  <VarKit Gift\n",
         ":2:3: this <VarKit opener is never closed with \">\": it stays in the page as text"},
        {"end tag without opener", "a\rb</VARKIT>", ":2:2: </VarKit> closes no section: no section is open here"},
        {"section opened inside another", "<VarKit One>x<VarKit Two>y</VarKit>",
         ":1:1: the section \"One\" is not closed before the next one opens: it gets no checkbox"},
        {"section never closed", "x<varkit Only=false>y",
         ":1:2: the section \"Only\" is never closed with </VarKit>: it gets no checkbox"},
        {"global used, never defined", "[VarKit?colour: Colour=red]<p>[VarKit?color]</p>",
         ":1:31: the global \"color\" is used but never defined: it stays empty"},
        {"theme value with fewer options", "[VarKit^Theme=Dark|Light|Sea][VarKit?bg^=black|white]",
         ":1:30: the theme value \"bg\" has 2 options and the theme 3: the later themes leave it empty"},
        {"operand no global, no number", "[VarKit?price: Price=5][VarKit(price + 1)]",
         ":1:24: \"price \" in \"price + 1\" is no defined global and no number: it counts as 0"},
        {"include not found", "[VarKit+ Footer=nowhere.htm]",
         ":1:1: the include file \"nowhere.htm\" is not found beside the template nor in the VarKit folders"},
        {"tile picture not found", "[VarKit& Pattern=none.png|]",
         ":1:1: the tile picture \"none.png\" is not found beside the template nor in the backgrounds folders"},
        {"colour chip not a colour", "[VarKit% Colour=red|sky-ish]", ":1:1: the colour chip \"sky-ish\" is not a colour"},
        {"two || marks", "x\n[VarKit Size=S||M||L]", ":2:1: the option list has more than one \"||\": only the last one is selected"},
        {"rows past the edit screen", ManyRows(80), ": the edit screen holds no more rows: from here on the rows are past its vertical limit"},
        {"over 5,000 tags", QByteArray("[VarKit-]").repeated(5000), ":1:44992: more than 4999 tags: from here on the template is not loaded"},
        {"over 64K", QByteArray(70000, 'x'), ":1:1: the template is 70000 bytes, over the 64K limit: it does not load"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const ProgramRun run = Check(dir, c.page);
        EXPECT_EQ(run.exitCode, 1) << run.err.constData();
        EXPECT_TRUE(run.out.contains(c.line)) << run.out.constData();
        EXPECT_TRUE(run.out.startsWith(dir.filePath(QStringLiteral("t.tpl")).toLocal8Bit() + ":"));
    }
}

TEST(CheckCommand, WhatTheProgramHandlesAsIntendedIsNotReported)
{
    QTemporaryDir dir;
    WriteTestFile(dir.filePath(QStringLiteral("part.htm")), "<i>part</i>");
    const QByteArray page =
        "<VarKit Gift=true>[VarKit Wrap=paper]</VarKit>[VarKit Size=S||M]\n"
        "[VarKit?random]-[VarKit?Code Own code=12][VarKit?price: Price=5][VarKit(-price*2+1.5)]\n"
        "[VarKit^Theme=Dark|Light][VarKit?bg^=black|white][VarKit?bg][VarKit(50#bg)][VarKit(50#FF0000)]\n"
        "[VarKit+ Part=part.htm][VarKit% Colour=red|#00FF00|navy]] > [VarKit]\n";
    const ProgramRun run = Check(dir, page);
    EXPECT_EQ(run.exitCode, 0) << run.out.constData();
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(CheckCommand, TheStartUpTemplateHasNothingToSay)
{
    const ProgramRun run = RunVarkit({QStringLiteral("--check"), QStringLiteral(VARKIT_PROGRAM_DIR "/templates/Start_Here.TPL")});
    EXPECT_EQ(run.exitCode, 0) << run.out.constData() << run.err.constData();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(RunVarkit({QStringLiteral("--check"), QStringLiteral("/no/such/t.tpl")}).exitCode, 2);
}
