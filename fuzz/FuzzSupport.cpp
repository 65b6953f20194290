#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

QTemporaryDir* scratch = nullptr;
ProgramFolders* folders = nullptr;

QString ScratchBase()
{
    // A write per input: tmpfs makes the saves' syncs free.
    const QString shm = QStringLiteral("/dev/shm");
    const QFileInfo info(shm);
    return info.isDir() && info.isWritable() ? shm : QDir::tempPath();
}

void MakeFolder(const QString& path)
{
    if (!QDir().mkpath(path)) {
        std::fprintf(stderr, "fuzz: cannot make %s\n", qPrintable(path));
        std::abort();
    }
}

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// The escaped bytes, cut to a readable length.
QByteArray Shown(const QByteArray& bytes)
{
    QByteArray shown;
    for (char c : bytes.left(400)) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && b != '\\')
            shown += c;
        else
            shown += "\\x" + QByteArray::number(b, 16).rightJustified(2, '0');
    }
    return bytes.size() > 400 ? shown + "..." : shown;
}

}  // namespace

void StartFuzzing()
{
    if (scratch)
        return;
    scratch = new QTemporaryDir(ScratchBase() + QStringLiteral("/varkit-fuzz-XXXXXX"));
    if (!scratch->isValid()) {
        std::fprintf(stderr, "fuzz: no scratch folder\n");
        std::abort();
    }
    std::atexit([] { delete scratch; });
    for (const char* folder : {"home", "data", "config", "tmp", "program/templates", "program/backgrounds"})
        MakeFolder(ScratchPath(QString::fromLatin1(folder)));
    qputenv("HOME", ScratchPath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", ScratchPath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", ScratchPath(QStringLiteral("config")).toLocal8Bit());
    qputenv("TMPDIR", ScratchPath(QStringLiteral("tmp")).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(Quiet);

    static int argc = 1;
    static char name[] = "varkit-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = new QGuiApplication(argc, argv);  // lives as long as the process
    Q_UNUSED(application);

    PutFile(ScratchPath(QStringLiteral("program/templates/include.htm")), "<p>included [VarKit not a tag]</p>\r\n");
    PutFile(ScratchPath(QStringLiteral("program/varkit.ini")), "[Custom]\r\nPreventMarkup=False\r\n");
    folders = new ProgramFolders(ScratchPath(QStringLiteral("program")) + QLatin1Char('/'),
                                 UserHomesFrom(QProcessEnvironment::systemEnvironment()));
}

QString ScratchPath(const QString& name)
{
    return scratch->filePath(name);
}

const ProgramFolders& FuzzFolders()
{
    return *folders;
}

FILE* QuietStream()
{
    static FILE* stream = std::fopen("/dev/null", "w");
    return stream;
}

QByteArray InputBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QList<QByteArray> SplitInput(const QByteArray& input, int parts)
{
    QList<QByteArray> split;
    qsizetype from = 0;
    while (split.size() + 1 < parts) {
        const qsizetype nul = input.indexOf('\0', from);
        if (nul < 0)
            break;
        split << input.mid(from, nul - from);
        from = nul + 1;
    }
    split << input.mid(from);
    return split;
}

void PutFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "fuzz: cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

void Require(bool holds, const char* what, const QByteArray& expected, const QByteArray& actual)
{
    if (holds)
        return;
    std::fprintf(stderr, "\n== broken: %s\n", what);
    if (!expected.isNull() || !actual.isNull()) {
        qsizetype at = 0;
        while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
            ++at;
        const qsizetype from = qMax<qsizetype>(0, at - 40);
        std::fprintf(stderr, "   first difference at byte %lld of %lld/%lld; from byte %lld:\n   expected %s\n   actual   %s\n",
                     static_cast<long long>(at), static_cast<long long>(expected.size()),
                     static_cast<long long>(actual.size()), static_cast<long long>(from),
                     Shown(expected.mid(from)).constData(), Shown(actual.mid(from)).constData());
    }
    std::fflush(stderr);
    std::abort();
}
