// Reading and writing text files: which encoding a file is read in, byte-exact round trips,
// numeric character references for what windows-1252 cannot hold, safe writes and the errors
// (with the standard report they end up in).
#include "platform/AppError.h"
#include "platform/DiskFileOps.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"
#include "support/ErrorOf.h"
#include "support/FakeScannerHost.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace {

const QByteArray kBom("\xEF\xBB\xBF", 3);

DiskFileOps disk;
constexpr qint64 kAnySize = 1 << 20;

TextFileData ReadText(const QString& path)
{
    return ReadTextFile(disk, path, kAnySize);
}

// Files are made and checked with QFile directly, not with the code under test.
void PutBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray GetBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

QByteArray AllBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

// Whether permission bits stop this process: not when it runs as root (or with the capability
// to override them), where the cases that rely on them mean nothing.
bool PermissionBitsBind(const QString& scratch)
{
    const QString folder = scratch + QStringLiteral("/probe");
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(folder + QStringLiteral("/x"));
    const bool wrote = probe.open(QIODevice::WriteOnly);
    probe.close();
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile::remove(folder + QStringLiteral("/x"));
    QDir().rmdir(folder);
    return !wrote;
}

}  // namespace

TEST(TextCodec, WhichEncodingAFileIsReadIn)
{
    struct Case {
        QByteArray bytes;
        TextEncoding encoding;
        QString text;
    };
    const QList<Case> cases = {
        {QByteArray("plain <b>ASCII</b>\r\n"), TextEncoding::Windows1252, QStringLiteral("plain <b>ASCII</b>\r\n")},
        {QByteArray(), TextEncoding::Windows1252, QString()},
        {kBom + QByteArray("ASCII after a BOM"), TextEncoding::Utf8Bom, QStringLiteral("ASCII after a BOM")},
        {kBom, TextEncoding::Utf8Bom, QString()},
        {QByteArray("caf\xC3\xA9 \xE2\x82\xAC"), TextEncoding::Utf8, QStringLiteral("caf\u00E9 \u20AC")},
        {QByteArray("caf\xE9 \x80"), TextEncoding::Windows1252, QStringLiteral("caf\u00E9 \u20AC")},
        // One stray byte spoils UTF-8 for the whole file.
        {QByteArray("caf\xC3\xA9 caf\xE9"), TextEncoding::Windows1252, QStringLiteral("caf\u00C3\u00A9 caf\u00E9")},
        // A sequence cut off at the end.
        {QByteArray("ab\xE4\xB8"), TextEncoding::Windows1252, QStringLiteral("ab\u00E4\u00B8")},
        // A BOM before bytes that are not UTF-8 is three windows-1252 characters.
        {kBom + QByteArray("\xE9t\xE9"), TextEncoding::Windows1252, QStringLiteral("\u00EF\u00BB\u00BF\u00E9t\u00E9")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        const DecodedText decoded = DecodeText(c.bytes);
        EXPECT_EQ(decoded.encoding, c.encoding);
        EXPECT_EQ(decoded.text, c.text);
    }
}

TEST(TextCodec, EveryWindows1252ByteHasOneCharacter)
{
    // The five bytes the code page leaves undefined keep their C1 control.
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(Windows1252Char(static_cast<unsigned char>(b)).unicode(), b);
    EXPECT_EQ(Windows1252Char(0x80), QChar(u'\u20AC'));
    EXPECT_EQ(Windows1252Char(0x8A), QChar(u'\u0160'));
    EXPECT_EQ(Windows1252Char(0x9F), QChar(u'\u0178'));
    EXPECT_EQ(Windows1252Char(0xA0), QChar(u'\u00A0'));
    EXPECT_EQ(Windows1252Char(0xFF), QChar(u'\u00FF'));
    QSet<char16_t> seen;
    for (int b = 0; b < 256; ++b) {
        const QChar c = Windows1252Char(static_cast<unsigned char>(b));
        EXPECT_EQ(Windows1252Byte(c.unicode()), b) << b;
        seen.insert(c.unicode());
    }
    EXPECT_EQ(seen.size(), 256);
    // The C1 controls whose bytes hold other characters have no byte.
    for (char16_t c : {u'\u0080', u'\u0085', u'\u008A', u'\u009F'})
        EXPECT_EQ(Windows1252Byte(c), -1) << int(c);
}

TEST(TextFile, Windows1252RoundTripIsByteExact)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("all.tpl"));
    const QByteArray bytes = AllBytes() + AllBytes();
    PutBytes(path, bytes);

    const TextFileData data = ReadText(path);
    EXPECT_EQ(data.encoding, TextEncoding::Windows1252);
    EXPECT_EQ(data.byteSize, bytes.size());
    ASSERT_EQ(data.text.size(), bytes.size());
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(data.text[b], Windows1252Char(static_cast<unsigned char>(b))) << b;

    const QString copy = dir.filePath(QStringLiteral("copy.tpl"));
    WriteTextFile(disk, copy, data.text, data.encoding);
    EXPECT_EQ(GetBytes(copy), bytes);
}

TEST(TextFile, Utf8RoundTripsAreByteExact)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    static const char raw[] = "Prix: 10 \xE2\x82\xAC \xE2\x80\x94 \xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80\r\n\x00 end";
    const QByteArray body(raw, sizeof raw - 1);
    const QString expected = QStringLiteral("Prix: 10 \u20AC \u2014 \u4E2D\u6587 \U0001F600\r\n") + QChar(u'\0')
        + QStringLiteral(" end");
    for (bool withBom : {true, false}) {
        SCOPED_TRACE(withBom);
        const QByteArray bytes = withBom ? kBom + body : body;
        const QString path = dir.filePath(QStringLiteral("u.htm"));
        PutBytes(path, bytes);
        const TextFileData data = ReadText(path);
        EXPECT_EQ(data.encoding, withBom ? TextEncoding::Utf8Bom : TextEncoding::Utf8);
        EXPECT_EQ(data.text, expected);
        EXPECT_EQ(data.byteSize, bytes.size());
        const QString copy = dir.filePath(QStringLiteral("copy.htm"));
        WriteTextFile(disk, copy, data.text, data.encoding);
        EXPECT_EQ(GetBytes(copy), bytes);
    }
}

TEST(TextFile, ReferencesForWhatWindows1252CannotHold)
{
    EXPECT_EQ(EncodeText(QStringLiteral("a\u4E2Db"), TextEncoding::Windows1252), QByteArray("a&#20013;b"));
    // A character beyond the basic plane is one reference, not one per surrogate.
    EXPECT_EQ(EncodeText(QStringLiteral("\U0001F600!"), TextEncoding::Windows1252), QByteArray("&#128512;!"));
    EXPECT_EQ(EncodeText(QStringLiteral("ab\U0001F600\u00E9\u4E2D\u20AC"), TextEncoding::Windows1252), QByteArray("ab&#128512;\xE9&#20013;\x80"));
    EXPECT_EQ(EncodeText(QStringLiteral("\u0150\u20AC\u00E9"), TextEncoding::Windows1252), QByteArray("&#336;\x80\xE9"));
    // A C1 control whose byte holds another character, and a lone surrogate, are not lost either.
    EXPECT_EQ(EncodeText(QStringLiteral("\u0080\u009F"), TextEncoding::Windows1252), QByteArray("&#128;&#159;"));
    EXPECT_EQ(EncodeText(QString(QChar(u'\xD83D')) + QStringLiteral("x"), TextEncoding::Windows1252), QByteArray("&#55357;x"));
    // UTF-8 holds everything as it is.
    EXPECT_EQ(EncodeText(QStringLiteral("\u4E2D\U0001F600"), TextEncoding::Utf8), QByteArray("\xE4\xB8\xAD\xF0\x9F\x98\x80"));
    EXPECT_EQ(EncodeText(QStringLiteral("\u4E2D"), TextEncoding::Utf8Bom), kBom + QByteArray("\xE4\xB8\xAD"));

    // Through a file: the references come back as the plain text they are.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("refs.tpl"));
    WriteTextFile(disk, path, QStringLiteral("Size \u4E2D \U0001F600 \u00E9"), TextEncoding::Windows1252);
    EXPECT_EQ(GetBytes(path), QByteArray("Size &#20013; &#128512; \xE9"));
    const TextFileData data = ReadText(path);
    EXPECT_EQ(data.encoding, TextEncoding::Windows1252);
    EXPECT_EQ(data.text, QStringLiteral("Size &#20013; &#128512; \u00E9"));
}

TEST(TextFile, WriteReplacesTheWholeFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("item.htm"));
    PutBytes(path, QByteArray(5000, 'x'));
    WriteTextFile(disk, path, QStringLiteral("short"), TextEncoding::Utf8);
    EXPECT_EQ(GetBytes(path), QByteArray("short"));
    WriteTextFile(disk, path, QString(), TextEncoding::Windows1252);
    EXPECT_EQ(GetBytes(path), QByteArray());
    // Nothing but the file is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("item.htm")});
}

TEST(TextFile, FailedWriteIntoReadOnlyFolderKeepsTheOldFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    if (!PermissionBitsBind(dir.path()))
        GTEST_SKIP() << "permission bits do not stop this process (running as root)";
    const QString folder = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/item.tpl");
    const QByteArray old("<p>the old template</p>\r\n");
    PutBytes(path, old);
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    EXPECT_EQ(ErrorOf([&] { WriteTextFile(disk, path, QStringLiteral("new text"), TextEncoding::Windows1252); }),
              ErrorNumber::PermissionDenied);
    EXPECT_EQ(ErrorOf([&] { WriteTextFile(disk, folder + QStringLiteral("/new.tpl"), QStringLiteral("x"), TextEncoding::Utf8); }),
              ErrorNumber::PermissionDenied);
    EXPECT_EQ(GetBytes(path), old);
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("item.tpl")});
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(TextFile, ReadOnlyFileIsNotReplaced)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    if (!PermissionBitsBind(dir.path()))
        GTEST_SKIP() << "permission bits do not stop this process (running as root)";
    const QString path = dir.filePath(QStringLiteral("item.tpl"));
    const QByteArray old("old");
    PutBytes(path, old);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner));
    EXPECT_EQ(ErrorOf([&] { WriteTextFile(disk, path, QStringLiteral("new"), TextEncoding::Utf8); }), ErrorNumber::PermissionDenied);
    EXPECT_EQ(GetBytes(path), old);

    // A file that cannot be read at all refuses access too.
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
    EXPECT_EQ(ErrorOf([&] { ReadText(path); }), ErrorNumber::PermissionDenied);
    EXPECT_FALSE(CanOpenForReading(path));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST(TextFile, MissingAndWrongKindOfPath)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("none.tpl"));
    EXPECT_EQ(ErrorOf([&] { ReadText(missing); }), ErrorNumber::FileNotFound);
    EXPECT_EQ(ErrorOf([&] { ReadText(QString()); }), ErrorNumber::FileNotFound);
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(disk, missing, kAnySize); }), ErrorNumber::FileNotFound);
    EXPECT_EQ(ErrorOf([&] { ReadText(dir.path()); }), ErrorNumber::PathFileAccess);
    EXPECT_FALSE(CanOpenForReading(missing));
    EXPECT_FALSE(CanOpenForReading(dir.path()));
    EXPECT_FALSE(CanOpenForReading(QString()));

    EXPECT_EQ(ErrorOf([&] { WriteTextFile(disk, dir.path(), QStringLiteral("x"), TextEncoding::Utf8); }), ErrorNumber::PathFileAccess);
    EXPECT_EQ(ErrorOf([&] { WriteTextFile(disk, QString(), QStringLiteral("x"), TextEncoding::Utf8); }), ErrorNumber::PathFileAccess);
    const QString inMissingFolder = dir.filePath(QStringLiteral("no/such/folder/x.htm"));
    EXPECT_EQ(ErrorOf([&] { WriteTextFile(disk, inMissingFolder, QStringLiteral("x"), TextEncoding::Utf8); }),
              ErrorNumber::PathFileAccess);
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("no"))).exists());

    PutBytes(missing, QByteArray("here"));
    EXPECT_TRUE(CanOpenForReading(missing));
    EXPECT_EQ(ReadFileBytes(disk, missing, kAnySize), QByteArray("here"));
}

TEST(ErrorReport, TextAndBox)
{
    EXPECT_EQ(ErrorReportText(AppError(ErrorNumber::Overflow), QStringLiteral("Add fields")),
              QStringLiteral("Error 6: Overflow\r\nLocation = Add fields"));
    EXPECT_EQ(ErrorReportText(AppError(ErrorNumber::SubscriptOutOfRange, QStringLiteral("Own message")), QString()),
              QStringLiteral("Error 9: Own message\r\nLocation = "));

    // A failure of the file layer, reported by the procedure that met it.
    ScriptedDialogs dialogs;
    try {
        ReadText(QStringLiteral("/no/such/place/item.tpl"));
        ADD_FAILURE() << "no error";
    } catch (const AppError& error) {
        ShowErrorReport(dialogs, QStringLiteral("Fetch Template"), error, QStringLiteral("Fetch Template"));
    }
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].title, QStringLiteral("Fetch Template"));
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("Error 53: File not found\r\nLocation = Fetch Template"));
    EXPECT_EQ(dialogs.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(dialogs.boxes[0].icon, MsgIcon::Exclamation);
}

TEST(ErrorReport, StandardMessagesAndCppFailures)
{
    const QList<std::pair<int, QString>> messages = {
        {5, QStringLiteral("Invalid procedure call or argument")}, {6, QStringLiteral("Overflow")},
        {7, QStringLiteral("Out of memory")},  {9, QStringLiteral("Subscript out of range")},
        {11, QStringLiteral("Division by zero")}, {53, QStringLiteral("File not found")},
        {70, QStringLiteral("Permission denied")}, {75, QStringLiteral("Path/File access error")},
    };
    for (const auto& [number, message] : messages) {
        EXPECT_EQ(AppError(number).message(), message) << number;
        EXPECT_EQ(AppError(number).number(), number);
    }
    EXPECT_EQ(ErrorOf([] { AsAppError([] { throw std::bad_alloc(); }); }), ErrorNumber::OutOfMemory);
    EXPECT_EQ(ErrorOf([] { AsAppError([] { throw std::length_error("too long"); }); }), ErrorNumber::InvalidCall);
    EXPECT_EQ(ErrorOf([] { AsAppError([] { throw AppError(ErrorNumber::DivisionByZero); }); }), ErrorNumber::DivisionByZero);
    EXPECT_EQ(ErrorOf([] { AsAppError([] {}); }), 0);
}
