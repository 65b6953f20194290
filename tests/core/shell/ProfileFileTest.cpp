#include "support/TestFiles.h"
#include "platform/AppError.h"
#include "platform/DiskFileOps.h"
#include "shell/ProfileFile.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>
#include <unistd.h>

namespace {

DiskFileOps disk;

class ProfileTest : public ::testing::Test {
protected:
    QString PathOf(const QString& name) const { return dir_.filePath(name); }

    QString Make(const QByteArray& bytes, const QString& name = QStringLiteral("varkit.ini")) const
    {
        QFile file(PathOf(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray Bytes(const QString& path)
    {
        return ReadTestFile(path);
    }

    static QString Get(const QString& path, const QString& section, const QString& key, int maxChars = 5000)
    {
        return GetPrivateProfileString(disk, section, key, QStringLiteral("<default>"), path, maxChars);
    }

    static void Set(const QString& path, const QString& section, const QString& key, const QString& value)
    {
        ASSERT_TRUE(WritePrivateProfileString(disk, section, key, value, path)) << key.toStdString();
    }

    // Writes the settings the way the program saves them: Help entries end in CR LF.
    static void WriteCustomSettings(const QString& path, const QString& tag)
    {
        Set(path, "Custom", "StartupTemplate", "templates\\Start_Here.TPL");
        Set(path, "Custom", "SplashLogo", "backgrounds\\logo" + tag + ".jpg");
        Set(path, "Custom", "PreventMarkup", "False");
        for (int n = 1; n <= 25; ++n) {
            Set(path, "Custom", QString("HelpMenu%1").arg(n), n % 5 ? QString("Menu %1%2\r\n").arg(n).arg(tag) : QString("\r\n"));
            Set(path, "Custom", QString("HelpLink%1").arg(n), QString("https://example.org/%1%2\r\n").arg(n).arg(tag));
        }
    }

    QTemporaryDir dir_;
};

using ProfileRead = ProfileTest;
using ProfileWrite = ProfileTest;
using ProfileRobustness = ProfileTest;

TEST_F(ProfileRead, MissingFileSectionOrKeyGivesDefault)
{
    EXPECT_EQ(Get(PathOf("none.ini"), "Custom", "StartupTemplate"), "<default>");
    EXPECT_EQ(GetPrivateProfileString(disk, "Custom", "Key", "abcdef", PathOf("none.ini"), 3), "abc");
    const QString path = Make("Orphan=1\r\n[Custom]\r\n;Comment=2\r\nKey=3\r\n[Other]\r\nOnly=4\r\n=5\r\n[Broken\r\nLate=6\r\n");
    EXPECT_EQ(Get(path, "Custom", "Key"), "3");
    EXPECT_EQ(Get(path, "Custom", "Orphan"), "<default>");
    EXPECT_EQ(Get(path, "Custom", ";Comment"), "<default>");
    EXPECT_EQ(Get(path, "Custom", "Only"), "<default>");
    EXPECT_EQ(Get(path, "Missing", "Key"), "<default>");
    EXPECT_EQ(Get(path, "Other", ""), "<default>");
    EXPECT_EQ(Get(path, "Other", "Late"), "6");  // "[Broken" is no header
    EXPECT_EQ(Get(PathOf(""), "Custom", "Key"), "<default>");  // the folder itself
}

TEST_F(ProfileRead, NamesInAnyCaseValuesTrimmedAndUnquoted)
{
    const QString path = Make("  [ cUsToM ] trailing\r\nstartupTEMPLATE = templates\\Start_Here.TPL \t\r\n"
                              "Quoted=\"  two  \"\r\nSingle='x'\r\nOpen=\"half\r\nInner=a=\"b\"\r\nDouble=\"\"q\"\"\r\n"
                              "Empty=\r\nOneQuote=\"\r\n");
    EXPECT_EQ(Get(path, "Custom", "StartupTemplate"), "templates\\Start_Here.TPL");
    EXPECT_EQ(Get(path, " CUSTOM ", "startuptemplate"), "templates\\Start_Here.TPL");
    EXPECT_EQ(Get(path, "custom", "quoted"), "  two  ");
    EXPECT_EQ(Get(path, "Custom", "Single"), "x");
    EXPECT_EQ(Get(path, "Custom", "Open"), "\"half");
    EXPECT_EQ(Get(path, "Custom", "Inner"), "a=\"b\"");
    EXPECT_EQ(Get(path, "Custom", "Double"), "\"q\"");
    EXPECT_EQ(Get(path, "Custom", "Empty"), "");
    EXPECT_EQ(Get(path, "Custom", "OneQuote"), "\"");
    EXPECT_EQ(ProfileSectionKeys(disk, "CUSTOM", path),
              QStringList({"startupTEMPLATE", "Quoted", "Single", "Open", "Inner", "Double", "Empty", "OneQuote"}));
}

TEST_F(ProfileRead, CrLfLfAndMixedLineEndsReadAlike)
{
    for (const QByteArray& bytes : {QByteArray("[A]\r\nx=1\r\ny=2\r\n[B]\r\nx=3"), QByteArray("[A]\nx=1\ny=2\n[B]\nx=3\n"),
                                    QByteArray("[A]\r\nx=1\ny=2\r\n[B]\nx=3")}) {
        const QString path = Make(bytes);
        EXPECT_EQ(Get(path, "A", "x") + Get(path, "A", "y") + Get(path, "B", "x"), "123") << bytes.toStdString();
    }
}

TEST_F(ProfileRead, FirstSectionAndFirstKeyWin)
{
    const QString path = Make("[S]\r\nk=1\r\nK=2\r\n[T]\r\nk=t\r\n[s]\r\nk=3\r\nonlyLater=4\r\n");
    EXPECT_EQ(Get(path, "S", "k"), "1");
    EXPECT_EQ(Get(path, "S", "onlyLater"), "<default>");  // the later duplicate section is not searched
    EXPECT_EQ(ProfileSectionKeys(disk, "s", path), QStringList({"k"}));
    EXPECT_TRUE(ProfileSectionKeys(disk, "none", path).isEmpty());
}

TEST_F(ProfileRead, ValuesCutToMaxChars)
{
    QString value;
    for (int i = 0; i < 6000; ++i)
        value += QChar(u'a' + i % 26);
    const QString path = Make("[Custom]\r\nLong=" + value.toLatin1() + "\r\n");
    EXPECT_EQ(Get(path, "Custom", "Long"), value.left(5000));
    EXPECT_EQ(Get(path, "Custom", "Long", 7000), value);
    EXPECT_EQ(Get(path, "Custom", "Long", 0), "");
    EXPECT_EQ(GetPrivateProfileString(disk, "Custom", "None", value, path, 5000).size(), 5000);
    Make("[S]\r\nk=ab\xF0\x9F\x98\x80z\r\n", "pair.ini");  // a pair of surrogates is never split
    EXPECT_EQ(Get(PathOf("pair.ini"), "S", "k", 3), "ab");
    EXPECT_EQ(Get(PathOf("pair.ini"), "S", "k", 4), QString::fromUtf8("ab\xF0\x9F\x98\x80"));
}

TEST_F(ProfileRead, SettingsFileWrittenOnWindows)
{
    const QByteArray body = "[Custom]\r\nStartupTemplate=templates\\Start_Here.TPL\r\nSplashLogo=\r\nPreventMarkup=False\r\n"
                            "HelpMenu1=Caf\xE9 guide\r\n\r\nHelpLink1=http://example.org/\r\n\r\n";
    QByteArray utf8 = body;
    utf8.replace("\xE9", "\xC3\xA9");
    for (const QByteArray& bytes : {body, "\xEF\xBB\xBF" + utf8, utf8, "\xEF\xBB\xBF" + body}) {
        const QString path = Make(bytes);
        EXPECT_EQ(Get(path, "Custom", "StartupTemplate"), "templates\\Start_Here.TPL");
        EXPECT_EQ(Get(path, "Custom", "SplashLogo"), "");
        EXPECT_EQ(Get(path, "Custom", "PreventMarkup"), "False");
        EXPECT_EQ(Get(path, "Custom", "HelpMenu1"), QString::fromUtf8("Caf\xC3\xA9 guide"));
        EXPECT_EQ(Get(path, "Custom", "HelpLink1"), "http://example.org/");
        EXPECT_EQ(Get(path, "Custom", "HelpMenu2"), "<default>");
    }
}

TEST_F(ProfileWrite, NewFileKeyInPlaceAppendAndNewSection)
{
    const QString path = PathOf("new.ini");
    Set(path, "Custom", "StartupTemplate", "a.tpl");
    EXPECT_EQ(Bytes(path), "[Custom]\r\nStartupTemplate=a.tpl\r\n");

    Make("; note\n[A]\nfirst = 1\nKey=old value\nlast=3\n\n[B]\nz=1", "edit.ini");
    const QString edit = PathOf("edit.ini");
    Set(edit, "a", "KEY", "new");  // in place, the file's spelling of the key kept
    EXPECT_EQ(Bytes(edit), "; note\n[A]\nfirst = 1\nKey=new\r\nlast=3\n\n[B]\nz=1");
    Set(edit, "A", "added", "4");  // end of section, before the separating blank line
    EXPECT_EQ(Bytes(edit), "; note\n[A]\nfirst = 1\nKey=new\r\nlast=3\nadded=4\r\n\n[B]\nz=1");
    Set(edit, "B", "y", "2");  // last section, no final line break
    EXPECT_EQ(Bytes(edit), "; note\n[A]\nfirst = 1\nKey=new\r\nlast=3\nadded=4\r\n\n[B]\nz=1\r\ny=2\r\n");
    Set(edit, "C", "c", "3");
    EXPECT_EQ(Bytes(edit), "; note\n[A]\nfirst = 1\nKey=new\r\nlast=3\nadded=4\r\n\n[B]\nz=1\r\ny=2\r\n\r\n[C]\r\nc=3\r\n");

    // A value ending in a line break takes over blank lines after its key, never the separator.
    const QString sep = Make("[A]\r\nk=old\r\n\r\n[B]\r\n", "sep.ini");
    Set(sep, "A", "k", "v\r\n");
    EXPECT_EQ(Bytes(sep), "[A]\r\nk=v\r\n\r\n\r\n[B]\r\n");
    Set(sep, "A", "k", "v\r\n");
    EXPECT_EQ(Bytes(sep), "[A]\r\nk=v\r\n\r\n\r\n[B]\r\n");

    Make("[S]\r\nk=1\r\n[S]\r\nk=2\r\n", "dup.ini");
    Set(PathOf("dup.ini"), "s", "k", "one");
    Set(PathOf("dup.ini"), "s", "n", "new");
    EXPECT_EQ(Bytes(PathOf("dup.ini")), "[S]\r\nk=one\r\nn=new\r\n[S]\r\nk=2\r\n");
}

TEST_F(ProfileWrite, ValuesReadBackAsWritten)
{
    const QString path = PathOf("values.ini");
    const QStringList values = {" lead", "trail\t", "\"quoted\"", "'single'", "say \"hi\"", "", "a=b;c"};
    for (int i = 0; i < values.size(); ++i)
        Set(path, "V", QString("k%1").arg(i), values[i]);
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(Get(path, "V", QString("k%1").arg(i)), values[i]);
    EXPECT_TRUE(Bytes(path).contains("k0=\" lead\"\r\n"));
    EXPECT_TRUE(Bytes(path).contains("k4=say \"hi\"\r\n"));
}

TEST_F(ProfileWrite, HelpEntriesKeepAnEmptyLineAndWritingTwiceChangesNothing)
{
    const QString path = PathOf("varkit.ini");
    WriteCustomSettings(path, "");
    const QByteArray once = Bytes(path);
    const QList<QByteArray> lines = once.split('\n');
    int entries = 0;
    int others = 0;  // the header and the three plain keys
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith("HelpMenu") || lines[i].startsWith("HelpLink")) {
            ++entries;
            ASSERT_EQ(lines[i + 1], "\r") << "no empty line after " << lines[i].toStdString();
        } else if (lines[i] != "\r" && !lines[i].isEmpty()) {
            ++others;
        }
    }
    EXPECT_EQ(entries, 50);
    EXPECT_EQ(others, 4);
    EXPECT_FALSE(once.contains("\r\n\r\n\r\n"));
    EXPECT_EQ(Get(path, "Custom", "HelpMenu7"), "Menu 7");
    EXPECT_EQ(Get(path, "Custom", "HelpMenu10"), "");
    EXPECT_EQ(Get(path, "Custom", "HelpLink25"), "https://example.org/25");

    WriteCustomSettings(path, "");
    EXPECT_EQ(Bytes(path), once);
    WriteCustomSettings(path, "x");
    EXPECT_EQ(Get(path, "Custom", "HelpLink3"), "https://example.org/3x");
    WriteCustomSettings(path, "");
    EXPECT_EQ(Bytes(path), once);

    // The same with other sections around, the way a designer may have edited the file.
    const QString edited = Make("[Before]\r\na=1\r\n\r\n[Custom]\r\nHelpMenu1=old\r\n\r\n[After]\r\nb=2\r\n", "edited.ini");
    WriteCustomSettings(edited, "");
    const QByteArray editedOnce = Bytes(edited);
    EXPECT_TRUE(editedOnce.startsWith("[Before]\r\na=1\r\n\r\n[Custom]\r\nHelpMenu1=Menu 1\r\n\r\nStartupTemplate="));
    EXPECT_TRUE(editedOnce.endsWith("HelpLink25=https://example.org/25\r\n\r\n\r\n[After]\r\nb=2\r\n"));
    WriteCustomSettings(edited, "");
    EXPECT_EQ(Bytes(edited), editedOnce);
}

TEST_F(ProfileWrite, KeysRightBeforeAnotherSectionDoNotGrowTheFile)
{
    for (const QByteArray& start : {QByteArray("[Custom]\r\nStartupTemplate=t.tpl\r\nHelpLink1=old\r\n[Designer]\r\nname=x\r\n"),
                                    QByteArray("[Custom]\r\nHelpLink25=old\r\n[After]\r\n")}) {
        SCOPED_TRACE(start.toStdString());
        const QString path = Make(start, "designer.ini");
        WriteCustomSettings(path, "");
        const QByteArray once = Bytes(path);
        WriteCustomSettings(path, "");
        EXPECT_EQ(Bytes(path), once);
        EXPECT_EQ(Get(path, "Custom", "HelpLink1"), "https://example.org/1");
        EXPECT_TRUE(once.contains("\r\n\r\n\r\n["));  // the last entry's empty line, then the separator
    }
}

TEST_F(ProfileWrite, ValuesKeepTheirMeaningWhenTheLastNonUtf8ByteGoes)
{
    // Read as windows-1252 because of the lone E9; the other value's bytes also form UTF-8.
    const QString path = Make("[S]\r\na=\xE9\r\nb=\xC3\xA9t\xC3\xA9\r\n");
    const QString b = QStringLiteral("\u00C3\u00A9t\u00C3\u00A9");
    ASSERT_EQ(Get(path, "S", "b"), b);
    Set(path, "S", "a", "x");
    EXPECT_EQ(Get(path, "S", "b"), b);
    const QByteArray once = Bytes(path);
    Set(path, "S", "a", "x");
    EXPECT_EQ(Bytes(path), once);
}

TEST_F(ProfileWrite, ACharacterWindows1252LacksIsKeptWhenTheFilesLastLetterGoes)
{
    // The lone E9 makes the file windows-1252; the write replaces it with a value that encoding
    // cannot hold, so nothing of windows-1252 is left to keep.
    const QString path = Make("[S]\r\na=\xE9\r\n");
    const QString value = QStringLiteral("x\u2029y");
    Set(path, "S", "a", value);
    EXPECT_EQ(Get(path, "S", "a"), value);
    const QByteArray once = Bytes(path);
    Set(path, "S", "a", value);
    EXPECT_EQ(Bytes(path), once);
}

TEST_F(ProfileWrite, AnEncodingDeclaredInAValueThatIsReplacedIsNotKept)
{
    // The file reads as Shift_JIS only because of the declaration in the value being replaced:
    // written in Shift_JIS, the next read would take the references for the text itself.
    const QString path = Make("[S]\r\na=<meta charset=shift_jis>\r\n");
    const QString value = QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC");
    Set(path, "S", "a", value);
    EXPECT_EQ(Get(path, "S", "a"), value);
    const QByteArray once = Bytes(path);
    Set(path, "S", "a", value);
    EXPECT_EQ(Bytes(path), once);
}

TEST_F(ProfileWrite, FileKeepsItsEncoding)
{
    const QString cp1252 = Make("[S]\r\nold=caf\xE9\r\n", "cp1252.ini");
    Set(cp1252, "S", "new", QString::fromUtf8("\xC3\xBC \xE2\x82\xAC \xE2\x86\x92"));  // u-umlaut, euro, arrow
    EXPECT_EQ(Bytes(cp1252), "[S]\r\nold=caf\xE9\r\nnew=\xFC \x80 &#8594;\r\n");

    const QString bom = Make("\xEF\xBB\xBF[S]\r\nold=caf\xC3\xA9\r\n", "bom.ini");
    Set(bom, "S", "new", QString::fromUtf8("\xE2\x86\x92"));
    EXPECT_EQ(Bytes(bom), "\xEF\xBB\xBF[S]\r\nold=caf\xC3\xA9\r\nnew=\xE2\x86\x92\r\n");

    const QString ascii = Make("[S]\r\nold=plain\r\n", "ascii.ini");
    Set(ascii, "S", "new", QString::fromUtf8("\xE2\x86\x92"));
    EXPECT_EQ(Bytes(ascii), "[S]\r\nold=plain\r\nnew=\xE2\x86\x92\r\n");
    EXPECT_EQ(Get(ascii, "S", "new"), QString::fromUtf8("\xE2\x86\x92"));

    Set(PathOf("fresh.ini"), "S", "k", QString::fromUtf8("\xC3\xA9"));
    EXPECT_EQ(Bytes(PathOf("fresh.ini")), "[S]\r\nk=\xE9\r\n");
}

TEST_F(ProfileWrite, FailuresLeaveTheFileAsItWas)
{
    const QString path = Make("[Custom]\r\nKey=old\r\n");
    EXPECT_FALSE(WritePrivateProfileString(disk, "Custom", "", "x", path));
    EXPECT_FALSE(WritePrivateProfileString(disk, "Custom", "a=b", "x", path));
    EXPECT_FALSE(WritePrivateProfileString(disk, "Cus]tom", "Key", "x", path));
    EXPECT_FALSE(WritePrivateProfileString(disk, "", "Key", "x", PathOf("never.ini")));
    EXPECT_FALSE(QFile::exists(PathOf("never.ini")));
    EXPECT_FALSE(WritePrivateProfileString(disk, "Custom", "Key", "x", dir_.path()));  // a folder
    EXPECT_EQ(Bytes(path), "[Custom]\r\nKey=old\r\n");

    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not apply to root";
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    EXPECT_FALSE(WritePrivateProfileString(disk, "Custom", "Key", "new", path));
    try {
        WriteProfileValue(disk, "Custom", "Key", "new", path);
        ADD_FAILURE() << "no error for a read-only file";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::PermissionDenied);
    }
    // A file that cannot be read is not overwritten blind.
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    EXPECT_EQ(Get(path, "Custom", "Key"), "<default>");
    EXPECT_FALSE(WritePrivateProfileString(disk, "Custom", "Other", "new", path));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(Bytes(path), "[Custom]\r\nKey=old\r\n");
}

TEST_F(ProfileRobustness, BinaryFileReadsAndWritesSensibly)
{
    std::mt19937 random(1234);
    QByteArray noise(4096, '\0');
    for (char& b : noise)
        b = static_cast<char>(random() & 0xFF);
    noise[100] = '\0';
    const QString path = Make(noise);
    EXPECT_EQ(Get(path, "Custom", "Key"), "<default>");

    const QByteArray mixed = noise + "\r\n[Custom]\r\nKey=value\r\nNul=ab" + QByteArray(1, '\0') + "cd\r\n" + noise;
    Make(mixed);
    EXPECT_EQ(Get(path, "Custom", "Key"), "value");
    EXPECT_EQ(Get(path, "Custom", "Nul"), "ab");
    Set(path, "Custom", "Key", "changed");
    QByteArray expected = mixed;
    expected.replace("Key=value", "Key=changed");
    EXPECT_EQ(Bytes(path), expected);
}

TEST_F(ProfileRobustness, HugeFileAndHugeLine)
{
    QByteArray big = "[Filler]\r\n";
    for (int i = 0; big.size() < 5'000'000; ++i)
        big += "Key" + QByteArray::number(i) + "=some filler value number " + QByteArray::number(i) + "\r\n";
    big += "[Custom]\r\nLast=found\r\nLine=" + QByteArray(5'000'000, 'x') + "\r\n";
    const QString path = Make(big);
    EXPECT_EQ(Get(path, "Custom", "Last"), "found");
    EXPECT_EQ(Get(path, "Filler", "Key12345"), "some filler value number 12345");
    EXPECT_EQ(Get(path, "Custom", "Line"), QString(5000, u'x'));
    Set(path, "Custom", "Last", "again");
    EXPECT_EQ(Bytes(path).size(), big.size());
    EXPECT_EQ(Get(path, "Custom", "Last"), "again");
}

}  // namespace

namespace {

// The disk, counting the files read.
class CountingFiles : public DiskFileOps {
public:
    QByteArray Read(const QString& path, qint64 maxBytes) override
    {
        ++reads;
        return DiskFileOps::Read(path, maxBytes);
    }
    int reads = 0;
};

// Dates the file back, as a settings file that was last written days ago.
void Age(const QString& path, int minutes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutes), QFileDevice::FileModificationTime));
}

}  // namespace

TEST_F(ProfileRead, EveryKeyOfAnUnchangedFileCostsOneRead)
{
    CountingFiles files;
    QByteArray ini = "[Custom]\r\n";
    for (int n = 1; n <= 25; ++n)
        ini += "HelpMenu" + QByteArray::number(n) + "=Item " + QByteArray::number(n) + "\r\n";
    const QString path = Make(ini);
    Age(path, 60);
    const auto get = [&](const QString& key) {
        return GetPrivateProfileString(files, QStringLiteral("Custom"), key, QString(), path, 5000);
    };
    for (int n = 1; n <= 25; ++n)
        EXPECT_EQ(get(QStringLiteral("HelpMenu%1").arg(n)), QStringLiteral("Item %1").arg(n));
    EXPECT_EQ(ProfileSectionKeys(files, QStringLiteral("Custom"), path).size(), 25);
    EXPECT_EQ(files.reads, 1);

    // A write is seen by the next read.
    WriteProfileValue(files, QStringLiteral("Custom"), QStringLiteral("HelpMenu3"), QStringLiteral("Third"), path);
    EXPECT_EQ(get(QStringLiteral("HelpMenu3")), QStringLiteral("Third"));
    Age(path, 50);
    const int afterWrite = files.reads;
    EXPECT_EQ(get(QStringLiteral("HelpMenu3")), QStringLiteral("Third"));
    EXPECT_EQ(get(QStringLiteral("HelpMenu4")), QStringLiteral("Item 4"));
    EXPECT_EQ(files.reads, afterWrite + 1);

    // So is a change by another program, even one that keeps the size and the file.
    QByteArray changed = Bytes(path);
    changed.replace("Third", "THIRD");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_EQ(file.write(changed), changed.size());
    file.close();
    Age(path, 40);
    EXPECT_EQ(get(QStringLiteral("HelpMenu3")), QStringLiteral("THIRD"));
    // And its removal.
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(get(QStringLiteral("HelpMenu3")), QString());
}

TEST_F(ProfileRead, AFileJustChangedIsReadEachTime)
{
    // Changed within the clock's tick after a read, the file would look the same: until it has
    // settled, every read goes to the disk.
    CountingFiles files;
    const QString path = Make("[Custom]\r\nSplashLogo=a.gif\r\n");
    EXPECT_EQ(GetPrivateProfileString(files, QStringLiteral("Custom"), QStringLiteral("SplashLogo"), QString(), path, 99),
              QStringLiteral("a.gif"));
    Make("[Custom]\r\nSplashLogo=b.gif\r\n");
    EXPECT_EQ(GetPrivateProfileString(files, QStringLiteral("Custom"), QStringLiteral("SplashLogo"), QString(), path, 99),
              QStringLiteral("b.gif"));
    EXPECT_EQ(files.reads, 2);
}
