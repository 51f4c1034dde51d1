// The chart replay: the last replayable chart redrawn four times a second
// with the end of the period one day further each time, from the period's
// start up to the end the user had chosen; after the pairs-with chart the
// chosen number steps instead, until the stop button.

#include "draws/ChartHandOver.h"

void TForm1::BitBtn20Click(TObject*) {
    if (LongCommandRunning()) return;
    merkdatum = DateTimePicker1->Date();
    if (BitBtn20->Tag() != kReplayPairsWith) DateTimePicker1->SetDate(DateTimePicker2->Date());
    Timer1->SetEnabled(true);
    BitBtn20->SetVisible(false);
    BitBtn21->SetVisible(true);
}

void TForm1::BitBtn21Click(TObject*) {
    // The stop moves the picker a long command (a back-test's weekly steps)
    // is walking with; the replay stays held until that command ends.
    if (LongCommandRunning()) return;
    DateTimePicker1->SetDate(merkdatum);
    Timer1->SetEnabled(false);
    BitBtn20->SetVisible(true);
    BitBtn21->SetVisible(false);
}

void TForm1::Timer1Timer(TObject* Sender) {
    // A long command holds the ticks; one that comes while a tick still runs
    // (a box of a chart routine lets the timer fire) is dropped.
    if (LongCommandRunning() || replayTickRunning_) return;
    replayTickRunning_ = true;
    struct TickEnd {
        bool& running;
        ~TickEnd() { running = false; }
    } tickEnd{replayTickRunning_};

    try {
        // Read on every tick: a replayable chart started meanwhile takes over.
        const int kind = BitBtn20->Tag();
        if (kind == kReplayPairsWith) {
            SpeedButton30Click(Sender);
            return;
        }
        // Reached or passed: a start after the end, or a picker moved on by
        // another command, must not run the date into the future.
        if (DateTimePicker1->Date() >= merkdatum) {
            BitBtn21Click(Sender);
            return;
        }
        DateTimePicker1->SetDate(DateTimePicker1->Date() + 1);
        switch (kind) {
        case kReplayDistribution: SpeedButton2Click(Sender); break;
        case kReplayCrossSums: SpeedButton9Click(Sender); break;
        case kReplayOverdueNumbers: Button5Click(Sender); break;
        case kReplayStarFrequency: SuperseltenClick(Sender); break;
        case kReplayOverdueStars: Button8Click(Sender); break;
        default: break;
        }
    } catch (...) {
        // Stopped before the error is shown, or the running timer would
        // raise a new box under it four times a second.
        BitBtn21Click(Sender);
        throw;
    }
}
