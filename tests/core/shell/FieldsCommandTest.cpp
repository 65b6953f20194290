// The --fields tool, run as a real process on the built program.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include "support/ProgramRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString WriteTemplate(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QStringLiteral("t.tpl"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

}  // namespace

TEST(FieldsCommand, PrintsTheImportedModelAsJson)
{
    QTemporaryDir dir;
    const QString path = WriteTemplate(dir, "<p>[VarKit Size=S||M]</p><VarKit Extras=false>[VarKit~Note]</VarKit>");
    const ProgramRun run = RunVarkit({QStringLiteral("--fields"), path});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonObject root = QJsonDocument::fromJson(run.out).object();
    const QJsonArray fields = root.value(QStringLiteral("fields")).toArray();
    ASSERT_EQ(fields.size(), 5);  // Size, the opener, the note, the closer, the end of the file
    const QJsonObject size = fields[0].toObject();
    EXPECT_EQ(size.value(QStringLiteral("index")).toInt(), 1);
    EXPECT_EQ(size.value(QStringLiteral("prompt")).toString(), QStringLiteral("Size"));
    EXPECT_EQ(size.value(QStringLiteral("value")).toString(), QStringLiteral("M"));
    EXPECT_EQ(size.value(QStringLiteral("optionCount")).toInt(-1), 2);
    EXPECT_TRUE(size.value(QStringLiteral("visible")).toBool());
    const QJsonArray options = size.value(QStringLiteral("options")).toArray();
    ASSERT_EQ(options.size(), 2);
    EXPECT_FALSE(options[0].toObject().value(QStringLiteral("selected")).toBool());
    EXPECT_TRUE(options[1].toObject().value(QStringLiteral("selected")).toBool());
    const QJsonObject note = fields[2].toObject();
    EXPECT_EQ(note.value(QStringLiteral("style")).toString(), QStringLiteral("~"));
    EXPECT_EQ(note.value(QStringLiteral("group")).toString(), QStringLiteral("1"));
    EXPECT_FALSE(note.value(QStringLiteral("enabled")).toBool());
    const QJsonArray groups = root.value(QStringLiteral("groups")).toArray();
    ASSERT_EQ(groups.size(), 1);
    EXPECT_EQ(groups[0].toObject().value(QStringLiteral("caption")).toString(), QStringLiteral(" Extras"));
    EXPECT_FALSE(groups[0].toObject().value(QStringLiteral("checked")).toBool());
    const QJsonArray segments = root.value(QStringLiteral("segments")).toArray();
    ASSERT_EQ(segments.size(), 7);  // 0 to the field count
    EXPECT_EQ(segments[1].toString(), QStringLiteral("<p>"));
    EXPECT_EQ(segments[5].toString(), QStringLiteral("\r\n"));
}

TEST(FieldsCommand, ReportsBoxesOnStandardErrorAndRefusesMissingFiles)
{
    QTemporaryDir dir;
    const ProgramRun missing = RunVarkit({QStringLiteral("--fields"), dir.filePath(QStringLiteral("none.tpl"))});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains("Fetch Template Error: File not found. Check file name or path."));

    const QString path = WriteTemplate(dir, QByteArray(70000, 'x'));
    const ProgramRun big = RunVarkit({QStringLiteral("--fields"), path});
    EXPECT_EQ(big.exitCode, 2);
    EXPECT_TRUE(big.err.contains("Fetch Template: Error 6: Overflow"));
    EXPECT_TRUE(big.err.contains("The template exceeds the 64K size limit."));

    const ProgramRun wrong = RunVarkit({QStringLiteral("--fields")});
    EXPECT_EQ(wrong.exitCode, 2);
}

TEST(FieldsCommand, NamesTheEncodingTheTemplateWasReadIn)
{
    const QList<std::pair<QByteArray, QString>> cases = {
        {"<p>[VarKit Name=x]</p>", QStringLiteral("windows-1252")},
        {"<meta charset=\"utf-8\">[VarKit Name=x]", QStringLiteral("UTF-8")},
        {"<meta http-equiv=Content-Type content=\"text/html; charset=euc-kr\">[VarKit Name=\xC7\xD1]",
         QStringLiteral("EUC-KR")},
    };
    for (const auto& [bytes, encoding] : cases) {
        QTemporaryDir dir;
        const ProgramRun run = RunVarkit({QStringLiteral("--fields"), WriteTemplate(dir, bytes)});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_EQ(QJsonDocument::fromJson(run.out).object().value(QStringLiteral("encoding")).toString(), encoding);
    }
}

TEST(CommandLine, HelpAndVersionExitCleanly)
{
    const ProgramRun help = RunVarkit({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--fields TEMPLATE"));
    EXPECT_TRUE(help.out.contains("\nReport problems "));  // its last paragraph
    EXPECT_EQ(RunVarkit({QStringLiteral("-h")}).out, help.out);

    // The GNU form: "program (package) version", copyright, licence, no warranty.
    const ProgramRun version = RunVarkit({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    const QList<QByteArray> lines = version.out.split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], "varkit (VarKit) " VARKIT_VERSION_TEXT);
    EXPECT_TRUE(lines[1].startsWith("Copyright (C) "));
    EXPECT_TRUE(lines[2].startsWith("License MIT"));
    EXPECT_TRUE(version.out.contains("There is NO WARRANTY"));
    EXPECT_EQ(RunVarkit({QStringLiteral("-V")}).out, version.out);

    EXPECT_EQ(RunVarkit({QStringLiteral("-q")}).exitCode, 2);  // an unknown option is no template
}

TEST(CommandLine, WithoutADisplayTheWindowSaysWhatIsMissing)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    const ProgramRun run = RunVarkit({}, environment);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("graphical session")) << run.err.constData();
    EXPECT_TRUE(run.err.contains("WAYLAND_DISPLAY"));
    EXPECT_TRUE(run.err.contains("--fields") && run.err.contains("--export"));
    EXPECT_FALSE(run.err.contains("qt.qpa"));  // no word from Qt's plugin loader
}

TEST(FieldsCommand, TellsChipColoursAndTilePicturesAsFound)
{
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(VARKIT_TEST_DATA "/beside.png"), dir.filePath(QStringLiteral("beside.png")));
    const QString path = WriteTemplate(dir, "[VarKit% Colour=navy|#0F0|none]<br>[VarKit& Tile=beside.png|nowhere.png]");
    const ProgramRun run = RunVarkit({QStringLiteral("--fields"), path});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonArray fields = QJsonDocument::fromJson(run.out).object().value(QStringLiteral("fields")).toArray();
    const QJsonArray chips = fields[0].toObject().value(QStringLiteral("options")).toArray();
    ASSERT_EQ(chips.size(), 3);
    EXPECT_EQ(chips[0].toObject().value(QStringLiteral("colour")).toString(), QStringLiteral("#000080"));
    EXPECT_EQ(chips[1].toObject().value(QStringLiteral("colour")).toString(), QStringLiteral("#00FF00"));
    EXPECT_EQ(chips[2].toObject().value(QStringLiteral("colour")).toString(), QStringLiteral("#000000"));
    const QJsonArray tiles = fields[1].toObject().value(QStringLiteral("options")).toArray();
    ASSERT_EQ(tiles.size(), 2);
    EXPECT_EQ(tiles[0].toObject().value(QStringLiteral("picture")).toString(), dir.filePath(QStringLiteral("beside.png")));
    EXPECT_EQ(tiles[1].toObject().value(QStringLiteral("picture")).toString(), QString());
    EXPECT_FALSE(tiles[0].toObject().contains(QStringLiteral("colour")));
}
