#include "EventPump.h"

#include <QCoreApplication>

EventPump::EventPump()
{
    sinceLastRun_.start();
}

void EventPump::MaybeRun()
{
    if (sinceLastRun_.elapsed() >= kSliceMs)
        RunNow();
}

void EventPump::RunNow()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    ++runs_;
    sinceLastRun_.restart();
}
