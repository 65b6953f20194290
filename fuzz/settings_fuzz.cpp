// The settings file's round trip. The input is a settings file as found on disk, then after a
// NUL byte the values of the [Custom] keys the program writes, in the order it writes them,
// each ended by a NUL byte (line breaks and NUL characters taken out: the boxes that set them
// hold one line, and a value ends at a NUL).
// Writing the same values twice gives the same bytes; each value reads back as written (where
// the file's encoding holds its characters); every other key keeps its value; and the values
// read, written back, read the same.
#include "FuzzSupport.h"
#include "platform/DiskFileOps.h"
#include "platform/TextCodec.h"
#include "shell/ProfileFile.h"

#include <QFile>

namespace {

const QString kSection = QStringLiteral("Custom");
constexpr int kMaxChars = 1 << 20;
constexpr qsizetype kFollowed = 6;
DiskFileOps disk;

// The keys of [Custom] in the order the program writes them.
QStringList CustomKeys()
{
    QStringList keys = {QStringLiteral("StartupTemplate"), QStringLiteral("SplashLogo"), QStringLiteral("PreventMarkup")};
    for (int n = 1; n <= 25; ++n)
        keys << QStringLiteral("HelpMenu") + QString::number(n) << QStringLiteral("HelpLink") + QString::number(n);
    return keys;
}

// A value as the program writes it: the Help entries end in a line break.
QString AsWritten(const QString& key, const QString& value)
{
    return key.startsWith(QLatin1String("Help")) ? value + QStringLiteral("\r\n") : value;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Read(const QString& key, const QString& path)
{
    return GetPrivateProfileString(disk, kSection, key, QStringLiteral("\x01missing"), path, kMaxChars);
}

// True when the encoding holds every character of the value, so that it reads back unchanged
// (elsewhere a character becomes a numeric character reference).
bool Holds(const TextEncoding& encoding, const QString& value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c.isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            return false;
    }
    if (encoding.Name().startsWith(QLatin1String("UTF-")))
        return true;
    if (encoding == TextEncoding::Windows1252) {
        for (QChar c : value)
            if (Windows1252Byte(c.unicode()) < 0)
                return false;
        return true;
    }
    return false;
}

QList<std::pair<QString, QString>> Written(const QStringList& keys, const QStringList& values)
{
    QList<std::pair<QString, QString>> written;
    for (qsizetype k = 0; k < values.size(); ++k)
        written.append({keys[k], AsWritten(keys[k], values[k])});
    return written;
}

// Writes the values twice: the second write must change nothing. The file's bytes.
QByteArray WriteTwice(const QList<std::pair<QString, QString>>& values, const QString& path)
{
    WriteProfileValues(disk, kSection, values, path);
    const QByteArray once = FileBytes(path);
    WriteProfileValues(disk, kSection, values, path);
    const QByteArray twice = FileBytes(path);
    Require(once == twice, "a second write of the same values changed the settings file", once, twice);
    return once;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QStringList keys = CustomKeys();
    const QList<QByteArray> parts = SplitInput(InputBytes(data, size), int(keys.size()) + 1);
    const QString path = ScratchPath(QStringLiteral("config/varkit.ini"));
    PutFile(path, parts[0]);

    QStringList values;
    for (qsizetype p = 1; p < parts.size(); ++p)
        values << DecodeText(parts[p]).text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).remove(QChar(u'\0'));
    // Every read decodes the whole file again, so only a few of the keys not written are
    // followed.
    QStringList others;
    QStringList otherValues;
    for (const QString& key : ProfileSectionKeys(disk, kSection, path)) {
        if (others.size() < kFollowed && !keys.mid(0, values.size()).contains(key.trimmed(), Qt::CaseInsensitive)) {
            others << key;
            otherValues << Read(key, path);
        }
    }

    const QByteArray bytes = WriteTwice(Written(keys, values), path);
    const TextEncoding encoding = DecodeText(bytes).encoding;
    // What a read gives now, to be written back below (a value with a lone CR, which no box
    // can hold, is left as it is).
    QList<std::pair<QString, QString>> read;
    for (qsizetype k = 0; k < values.size(); ++k) {
        const QString value = Read(keys[k], path);
        if (Holds(encoding, values[k]))
            Require(value == values[k], "a value did not read back as written", values[k].toUtf8(), value.toUtf8());
        read.append({keys[k], value});
    }
    for (qsizetype k = 0; k < others.size(); ++k) {
        const QString value = Read(others[k], path);
        Require(value == otherValues[k], "a key not written changed its value", otherValues[k].toUtf8(), value.toUtf8());
        if (keys.contains(others[k].trimmed(), Qt::CaseInsensitive))
            read.append({others[k].trimmed(), value});
    }

    // What a read gives, written back, reads the same.
    QList<std::pair<QString, QString>> again;
    for (const auto& [key, value] : read)
        if (!value.contains(QLatin1Char('\r')))
            again.append({key, AsWritten(key, value)});
    WriteTwice(again, path);
    for (const auto& [key, value] : read) {
        const QString now = Read(key, path);
        Require(now == value, "a value read and written back reads differently", value.toUtf8(), now.toUtf8());
    }
    return 0;
}
