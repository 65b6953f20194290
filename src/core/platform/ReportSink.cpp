#include "ReportSink.h"

#include "StderrDialogs.h"

namespace {
Dialogs* installed = nullptr;
}

void SetReportDialogs(Dialogs* dialogs)
{
    installed = dialogs;
}

Dialogs& ReportDialogs()
{
    static StderrDialogs fallback;
    return installed ? *installed : fallback;
}
