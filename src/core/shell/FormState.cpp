#include "FormState.h"

#include "text/TextUtilities.h"

FormState::FormState(Dialogs& dialogs, Shell& shell, Clipboard& clipboard)
    : dialogs_(dialogs), shell_(shell), clipboard_(clipboard)
{
    for (auto* list : {&TemplateSegments, &FieldNames})
        list->resize(kMaxFieldIndex + 1);

    Button[0] = {QStringLiteral("make HTML"), {}, {}, true, true};
    Button[1] = {QStringLiteral("< Edit"), {}, {}, true, true};
    Button[2] = {QStringLiteral("Preview"), {}, QStringLiteral("View code in Browser window."), true, true};
    Button[12] = Button[2];
    Button[3] = {QStringLiteral("Copy"), {}, QStringLiteral("Copy code to Clipboard for pasting into other applications."), true, true};
    Button[4] = {QStringLiteral("Reload Template"), {}, QStringLiteral("Reloading will change the fields below to their starting values."), true, true};
    Button[5] = {QStringLiteral("Get"), {}, QStringLiteral("Use default data from a prior saved session."), true, true};
    Button[6] = {QStringLiteral("Save "), {}, QStringLiteral("Save selections as Defaults for this Template."), true, true};

    MenuHelpFile = {
        {QStringLiteral("VarKit &Help"), QStringLiteral("VarkitHelp.htm")},
        {QStringLiteral("Online Template Tools from Orvane"), QStringLiteral("http://www.orvane.com/")},
        {QStringLiteral("Use security option to Preview Menu Links"), {}},
        {QStringLiteral("-"), {}},
    };
    HelpMenuFixedCount = HelpMenuSettingsCount = static_cast<int>(MenuHelpFile.size());

    // Every change of the two texts, typed or set, shows the new size and marks unsaved work.
    connect(&MarkupText, &RichTextBox::changed, this, [this] {
        MarkupSize = QString::number(MarkupText.Length());
        TemplateChanged = true;
    });
    connect(&HTMLtext, &RichTextBox::changed, this, [this] {
        HtmlSize = QString::number(HTMLtext.Length());
        ExportChanged = true;
    });
}

QStringList FormState::CandidatePaths(const QString& thirdFolder, const QString& name) const
{
    return {ExtractDirectory(FileName.text) + name, ProgramFolder + name, thirdFolder + name, name};
}

void FormState::SetProgramFolder(const QString& folder)
{
    ProgramFolder = folder;
    if (!ProgramFolder.isEmpty() && !ProgramFolder.endsWith(QLatin1Char('/')) && !ProgramFolder.endsWith(QLatin1Char('\\')))
        ProgramFolder += QLatin1Char('/');
    SettingsFile = ProgramFolder + QStringLiteral("varkit.ini");
    WorkFile = ProgramFolder + QStringLiteral("~varkit.tmp");
    PreviewFile = ProgramFolder + QStringLiteral("~tmpkit.htm");
    BackgroundsFolder = ProgramFolder + QStringLiteral("backgrounds/");
    TemplatesFolder = ProgramFolder + QStringLiteral("templates/");
}
