// The time signature as text.
#include "framework/score/time_signature.h"

#include "framework/data/string.h"

namespace {
constexpr int kWholeNote = 4096;
}  // namespace

void FCTimeSignature::MakeString(FCString* text) const
{
    if (text == nullptr) {
        return;
    }
    text->SetCString("");
    int beats = _compositetop ? 0 : _beats;
    int duration = _compositebottom ? 0 : _beatduration;
    // A dotted beat is written as three of the next smaller value: 2 dotted
    // quarters are 6/8.
    if (duration % 3 == 0) {
        beats *= 3;
        duration /= 3;
    }
    if (beats == 0 || duration == 0) {
        text->SetCString("???");
        return;
    }
    text->AppendInteger(beats);
    text->Append("/");
    text->AppendInteger(kWholeNote / duration);
}
