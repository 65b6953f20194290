#pragma once
// Long operations run on the GUI thread and let pending events run now and then: at most once
// every ~15 ms of work, so that cancelling and closing keep working without slowing the work.
#include <QElapsedTimer>

class EventPump {
public:
    EventPump();
    // Called often (per byte, per character); looks at the clock only every few calls.
    void Tick()
    {
        if (++ticks_ >= kTicksPerClockCheck) {
            ticks_ = 0;
            MaybeRun();
        }
    }
    // Called once per step of a coarse loop (per keyword, per field).
    void MaybeRun();
    // Runs pending events now, whatever the time.
    void RunNow();
    // Number of times pending events were actually run; for tests and benchmarks.
    long runs() const { return runs_; }

    static constexpr int kSliceMs = 15;
    static constexpr int kTicksPerClockCheck = 512;

private:
    QElapsedTimer sinceLastRun_;
    int ticks_ = 0;
    long runs_ = 0;
};
