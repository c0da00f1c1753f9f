// FCTimeSignature: a measure's beat count and beat duration, as a value
// object that the measure owns.
#pragma once

#include "framework/data/base.h"

class FCString;

class FCTimeSignature : public __FCBase {
public:
    const char* ClassName() const override { return "FCTimeSignature"; }

    int GetBeats() const { return _beats; }
    void SetBeats(int beats) { _beats = static_cast<short>(beats); }
    // In the host's duration units, 1024 to a quarter note.
    int GetBeatDuration() const { return _beatduration; }
    void SetBeatDuration(int duration) { _beatduration = static_cast<short>(duration); }
    // A set flag: the count (top) or the duration (bottom) is not a plain
    // number. The measure's Save then leaves its bytes alone, and the text
    // takes it as 0.
    bool GetCompositeTop() const { return _compositetop; }
    void SetCompositeTop(bool composite) { _compositetop = composite; }
    bool GetCompositeBottom() const { return _compositebottom; }
    void SetCompositeBottom(bool composite) { _compositebottom = composite; }

    // "4/4", "6/8"; "???" without a usable count or duration.
    void MakeString(FCString* text) const;

private:
    short _beats = 0;
    short _beatduration = 0;
    bool _compositetop = false;
    bool _compositebottom = false;
};
