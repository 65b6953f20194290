// The four string procedures: case-insensitive replace-all, replace of delimited spans,
// trimming layout characters and the folder part of a path.
#include "support/FakeScannerHost.h"
#include "text/TextUtilities.h"

#include <gtest/gtest.h>
#include <optional>

TEST(ReplaceAnyCase, RemovesEveryOccurrenceInAnyCase)
{
    QString source = QStringLiteral("a[VarKit b[varkit c[vArKiT d");
    const QString result = ReplaceAnyCase(source, QStringLiteral("[VarKit"), QString());
    EXPECT_EQ(result, QStringLiteral("a b c d"));
    // The caller's text holds the same value as the result.
    EXPECT_EQ(source, result);

    QString upper = QStringLiteral("</VARKIT>x</varkit>");
    EXPECT_EQ(ReplaceAnyCase(upper, QStringLiteral("</VarKit>"), QString()), QStringLiteral("x"));
}

TEST(ReplaceAnyCase, NoOccurrenceLeavesTheTextAlone)
{
    QString source = QStringLiteral("[VarKi t] <varkit>");
    EXPECT_EQ(ReplaceAnyCase(source, QStringLiteral("[VarKit"), QString()), QStringLiteral("[VarKi t] <varkit>"));
    EXPECT_EQ(source, QStringLiteral("[VarKi t] <varkit>"));
    QString empty;
    EXPECT_EQ(ReplaceAnyCase(empty, QStringLiteral("x"), QString()), QString());
}

TEST(ReplaceAnyCase, SearchRestartsAtTheFront)
{
    // Removing the inner keyword joins the outer one, which goes too.
    QString nested = QStringLiteral("[Var[VarKitKit]");
    EXPECT_EQ(ReplaceAnyCase(nested, QStringLiteral("[VarKit"), QString()), QStringLiteral("]"));
    QString chain = QStringLiteral("aaabbb");
    EXPECT_EQ(ReplaceAnyCase(chain, QStringLiteral("AB"), QString()), QString());
    QString deep = QStringLiteral("x<<<<>>>>y");
    EXPECT_EQ(ReplaceAnyCase(deep, QStringLiteral("<>"), QString()), QStringLiteral("xy"));
}

TEST(ReplaceAnyCase, NonEmptyReplacement)
{
    QString source = QStringLiteral("one Two THREE two");
    EXPECT_EQ(ReplaceAnyCase(source, QStringLiteral("two"), QStringLiteral("2")), QStringLiteral("one 2 THREE 2"));
    QString longer = QStringLiteral("a-b-c");
    EXPECT_EQ(ReplaceAnyCase(longer, QStringLiteral("-"), QStringLiteral("--+")), QStringLiteral("a--+b--+c"));
    // A replacement that holds the find text must still finish.
    QString recreating = QStringLiteral("xAx");
    EXPECT_EQ(ReplaceAnyCase(recreating, QStringLiteral("a"), QStringLiteral("[a]")), QStringLiteral("x[a]x"));
}

TEST(ReplaceAnyCase, SameAsSearchingAgainFromTheFront)
{
    // Every text of up to four letters from "aAb", find text of up to three and replacement of
    // up to two, against the definition: replace the first match of the text as it stands until
    // none is left (replacements holding the find text go on after themselves: left out here).
    QStringList words{QString()};
    for (qsizetype k = 0; words.size() < 121; ++k)
        for (QChar c : QStringLiteral("aAb"))
            words << words[k] + c;
    for (const QString& find : words.mid(1, 39))
        for (const QString& replace : words.mid(0, 13)) {
            if (replace.contains(find, Qt::CaseInsensitive))
                continue;
            for (QString text : words) {
                QString expected = text;
                for (qsizetype at; (at = expected.indexOf(find, 0, Qt::CaseInsensitive)) >= 0;)
                    expected.replace(at, find.size(), replace);
                ASSERT_EQ(ReplaceAnyCase(text, find, replace), expected) << qPrintable(text + find + replace);
            }
        }
    // Each new "a" joins the next one.
    QString run(65500, QLatin1Char('a'));
    EXPECT_EQ(ReplaceAnyCase(run, QStringLiteral("aa"), QStringLiteral("a")), QStringLiteral("a"));
}

TEST(ReplaceAnyCase, CaseFollowsUpperCasingCharacterByCharacter)
{
    // Letters beyond ASCII compare through their upper case.
    QString accented = QStringLiteral("\u00C4rger \u00E4rger");
    EXPECT_EQ(ReplaceAnyCase(accented, QStringLiteral("\u00E4R"), QString()), QStringLiteral("ger ger"));
    // A dotless i upper-cases to "I"; the Kelvin sign upper-cases to itself, not to "K".
    QString dotless = QStringLiteral("VARK\u0131T");
    EXPECT_EQ(ReplaceAnyCase(dotless, QStringLiteral("varkit"), QString()), QString());
    QString kelvin = QStringLiteral("Var\u212Ait");
    EXPECT_EQ(ReplaceAnyCase(kelvin, QStringLiteral("varkit"), QString()), QStringLiteral("Var\u212Ait"));
    // One character stays one character: a sharp s does not become "SS".
    QString sharp = QStringLiteral("Stra\u00DFe");
    EXPECT_EQ(ReplaceAnyCase(sharp, QStringLiteral("SS"), QString()), QStringLiteral("Stra\u00DFe"));
    QString after = QStringLiteral("\u00DF[VarKit]");
    EXPECT_EQ(ReplaceAnyCase(after, QStringLiteral("[varkit"), QString()), QStringLiteral("\u00DF]"));
}

TEST(ReplaceAnyCaseBetween, RemovesOnlyTheOpeningWrapper)
{
    QString source = QStringLiteral("a<VarKit Gift=true>b [VarKit x] c</VarKit>d");
    const QString result = ReplaceAnyCaseBetween(source, QStringLiteral("<varkit"), QStringLiteral(">"), QString());
    // The closing tag does not hold "<varkit".
    EXPECT_EQ(result, QStringLiteral("ab [VarKit x] c</VarKit>d"));
    EXPECT_EQ(source, result);
}

TEST(ReplaceAnyCaseBetween, EverySpanInAnyCase)
{
    QString source = QStringLiteral("1[VARKIT a]2[varkit b=c]3");
    EXPECT_EQ(ReplaceAnyCaseBetween(source, QStringLiteral("[VarKit"), QStringLiteral("]"), QStringLiteral("#")),
              QStringLiteral("1#2#3"));
    QString ends = QStringLiteral("<P>x<p>y</P>z");
    EXPECT_EQ(ReplaceAnyCaseBetween(ends, QStringLiteral("<p>"), QStringLiteral("</p>"), QString()), QStringLiteral("z"));
}

TEST(ReplaceAnyCaseBetween, UnterminatedStartStays)
{
    QString source = QStringLiteral("a<VarKit Gift=true and no end");
    EXPECT_EQ(ReplaceAnyCaseBetween(source, QStringLiteral("<VarKit"), QStringLiteral(">"), QString()), source);
    // A closed span before an unterminated start goes; the rest stays.
    QString mixed = QStringLiteral("a<b>c<d");
    EXPECT_EQ(ReplaceAnyCaseBetween(mixed, QStringLiteral("<"), QStringLiteral(">"), QString()), QStringLiteral("ac<d"));
    // An end before the start does not count.
    QString early = QStringLiteral("x> <y");
    EXPECT_EQ(ReplaceAnyCaseBetween(early, QStringLiteral("<"), QStringLiteral(">"), QString()), QStringLiteral("x> <y"));
}

TEST(ReplaceAnyCaseBetween, EndSearchStartsAtTheStart)
{
    // The end may overlap the start string.
    QString overlap = QStringLiteral("x<a>y");
    EXPECT_EQ(ReplaceAnyCaseBetween(overlap, QStringLiteral("<a"), QStringLiteral("a>"), QString()), QStringLiteral("xy"));
    // An end found inside the start ends the span there: only the first "-" of each "--" goes.
    QString same = QStringLiteral("1--2--3");
    EXPECT_EQ(ReplaceAnyCaseBetween(same, QStringLiteral("--"), QStringLiteral("-"), QString()), QStringLiteral("1-2-3"));
}

TEST(ReplaceAnyCaseBetween, SearchRestartsAtTheFront)
{
    // Removing "ab..c" joins a new start out of the text before it.
    QString source = QStringLiteral("aabcbc");
    EXPECT_EQ(ReplaceAnyCaseBetween(source, QStringLiteral("ab"), QStringLiteral("c"), QString()), QString());
    QString nested = QStringLiteral("<<x>>");
    EXPECT_EQ(ReplaceAnyCaseBetween(nested, QStringLiteral("<"), QStringLiteral(">"), QString()), QStringLiteral(">"));
}

TEST(ReplaceAnyCaseBetween, SameAsSearchingAgainFromTheFront)
{
    // Every text of up to four letters from "aAb", start of up to three letters, end of up to
    // two and replacement of up to one, against the definition: replace the first start through
    // the first end at or after it until either is missing. A replacement holding the start goes
    // on after itself; one that makes spans forever (the definition never finishes) is left out.
    QStringList words{QString()};
    for (qsizetype k = 0; words.size() < 121; ++k)
        for (QChar c : QStringLiteral("aAb"))
            words << words[k] + c;
    const auto definition = [](QString text, const QString& start, const QString& end, const QString& replace) {
        const bool recreates = replace.contains(start, Qt::CaseInsensitive);
        qsizetype from = 0;
        for (int spans = 0; spans < 32; ++spans) {
            const qsizetype at = text.indexOf(start, from, Qt::CaseInsensitive);
            const qsizetype stop = at < 0 ? -1 : text.indexOf(end, at, Qt::CaseInsensitive);
            if (stop < 0)
                return std::optional<QString>(text);
            text.replace(at, stop + end.size() - at, replace);
            from = recreates ? at + replace.size() : 0;
        }
        return std::optional<QString>();
    };
    int compared = 0;
    for (const QString& start : words.mid(1, 39))
        for (const QString& end : words.mid(1, 12))
            for (const QString& replace : words.mid(0, 4))
                for (QString text : words) {
                    const std::optional<QString> expected = definition(text, start, end, replace);
                    if (!expected)
                        continue;
                    ++compared;
                    ASSERT_EQ(ReplaceAnyCaseBetween(text, start, end, replace), *expected)
                        << qPrintable(text + QLatin1Char(' ') + start + QLatin1Char(' ') + end + QLatin1Char(' ') + replace);
                }
    EXPECT_GT(compared, 200000);
    // Each removal of "abc" joins the "a" before it to the next "bc".
    QString joining = QString(20000, QLatin1Char('a')) + QStringLiteral("bc").repeated(20000);
    EXPECT_EQ(ReplaceAnyCaseBetween(joining, QStringLiteral("AB"), QStringLiteral("c"), QString()), QString());
}

TEST(Cleanup, TrimsLayoutCharactersAtBothEnds)
{
    QString sentence = QStringLiteral(" \t\r\n Two  words\r\nand a line \t\n\r ");
    const QString result = Cleanup(sentence);
    EXPECT_EQ(result, QStringLiteral("Two  words\r\nand a line"));
    EXPECT_EQ(sentence, result);

    QString onlyLayout = QStringLiteral(" \t \r\n\r\n\t ");
    EXPECT_EQ(Cleanup(onlyLayout), QString());
    EXPECT_EQ(onlyLayout, QString());
    QString empty;
    EXPECT_EQ(Cleanup(empty), QString());
    QString single = QStringLiteral("x");
    EXPECT_EQ(Cleanup(single), QStringLiteral("x"));
}

TEST(Cleanup, OtherWhiteSpaceStays)
{
    // Only blank, tab, carriage return and line feed count.
    for (char16_t c : {u'\u00A0', u'\f', u'\v', u'\0', u'\u2003', u'\u3000'}) {
        const QString keep(QChar{c});
        QString sentence = QStringLiteral(" ") + keep + QStringLiteral("x") + keep + QStringLiteral("\t");
        EXPECT_EQ(Cleanup(sentence), keep + QStringLiteral("x") + keep) << int(c);
    }
}

TEST(ExtractDirectory, FolderWithItsSeparator)
{
    EXPECT_EQ(ExtractDirectory(QStringLiteral("C:\\a\\b.tpl")), QStringLiteral("C:\\a\\"));
    EXPECT_EQ(ExtractDirectory(QStringLiteral("templates\\Start_Here.TPL")), QStringLiteral("templates\\"));
    EXPECT_EQ(ExtractDirectory(QStringLiteral("C:\\a\\b\\")), QStringLiteral("C:\\a\\b\\"));
    EXPECT_EQ(ExtractDirectory(QStringLiteral("\\")), QStringLiteral("\\"));
    EXPECT_EQ(ExtractDirectory(QStringLiteral("Start_Here.TPL")), QString());
    EXPECT_EQ(ExtractDirectory(QString()), QString());
}

TEST(ExtractDirectory, ForwardSlashSeparatesToo)
{
    EXPECT_EQ(ExtractDirectory(QStringLiteral("/home/user/shop/item.tpl")), QStringLiteral("/home/user/shop/"));
    EXPECT_EQ(ExtractDirectory(QStringLiteral("/home/user/")), QStringLiteral("/home/user/"));
    // Whichever separator comes last ends the folder.
    EXPECT_EQ(ExtractDirectory(QStringLiteral("a\\b/c.htm")), QStringLiteral("a\\b/"));
    EXPECT_EQ(ExtractDirectory(QStringLiteral("a/b\\c.htm")), QStringLiteral("a/b\\"));
}
