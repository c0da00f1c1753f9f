// The one table from MusicXML's standard sound IDs and instrument names to
// General MIDI percussion notes.
#include "workbench/musicxml_sounds.h"

#include <cctype>

namespace workbench {
namespace {

// Keys are alternatives apart by '|', each a set of words apart by blanks
// that must all occur in the name, compared in lower case without blanks or
// punctuation ("Hi-Hat (open)" holds "hihat" and "open"). Rows of a sound
// run from the most particular to its default, the last.
struct SoundRow {
    const char* sound;
    long note;
    const char* keys;
};

constexpr SoundRow kSounds[] = {
    {"drum.bass-drum", 35, "bassdrum acoustic|kick acoustic"},
    {"drum.bass-drum", 36, "bassdrum|kick"},
    {"drum.kick-drum", 35, "bassdrum acoustic|kick acoustic"},
    {"drum.kick-drum", 36, "bassdrum|kick"},
    {"drum.snare-drum", 37, "sidestick|crossstick|rimclick"},
    {"drum.snare-drum", 40, "snare electric"},
    {"drum.snare-drum", 38, "snare"},
    {"drum.snare-drum.electric", 40, ""},
    {"effect.hand-clap", 39, "handclap|clap"},
    {"metal.hi-hat", 44, "hihat pedal|hihat foot"},
    {"metal.hi-hat", 46, "hihat open"},
    {"metal.hi-hat", 42, "hihat"},
    {"drum.tom-tom", 41, "tom low floor"},
    {"drum.tom-tom", 43, "tom floor"},
    {"drum.tom-tom", 47, "tom low mid"},
    {"drum.tom-tom", 48, "tom mid"},
    {"drum.tom-tom", 50, "tom hi"},
    {"drum.tom-tom", 45, "tom low"},
    {"drum.tom-tom", 45, "tom"},
    {"metal.cymbal.crash", 57, "crash 2"},
    {"metal.cymbal.crash", 49, "crash"},
    {"metal.cymbal.ride", 53, "ride bell"},
    {"metal.cymbal.ride", 59, "ride 2"},
    {"metal.cymbal.ride", 51, "ride"},
    {"metal.cymbal.chinese", 52, "china|chinese"},
    {"metal.cymbal.splash", 55, "splash"},
    {"drum.tambourine", 54, "tambourine"},
    {"metal.bells.cowbell", 56, "cowbell"},
    {"rattle.vibraslap", 58, "vibraslap"},
    {"drum.bongo", 61, "bongo low"},
    {"drum.bongo", 60, "bongo"},
    {"drum.conga", 62, "conga mute"},
    {"drum.conga", 64, "conga low"},
    {"drum.conga", 63, "conga"},
    {"drum.timbale", 66, "timbale low"},
    {"drum.timbale", 65, "timbale"},
    {"metal.bells.agogo", 68, "agogo low"},
    {"metal.bells.agogo", 67, "agogo"},
    {"rattle.cabasa", 69, "cabasa"},
    {"rattle.maraca", 70, "maraca"},
    {"effect.whistle", 72, "whistle long"},
    {"effect.whistle", 71, "whistle"},
    {"wood.guiro", 74, "guiro long"},
    {"wood.guiro", 73, "guiro"},
    {"wood.claves", 75, "clave"},
    {"wood.wood-block", 77, "woodblock low"},
    {"wood.wood-block", 76, "woodblock"},
    {"drum.cuica", 79, "cuica open"},
    {"drum.cuica", 78, "cuica"},
    {"metal.triangle", 80, "triangle mute"},
    {"metal.triangle", 81, "triangle"},
};

std::string Folded(const std::string& text)
{
    std::string folded;
    for (unsigned char c : text) {
        if (std::isalnum(c)) {
            folded += static_cast<char>(std::tolower(c));
        }
    }
    return folded;
}

// Whether one alternative of `keys` has all its words in the folded name.
bool Matches(const char* keys, const std::string& name)
{
    if (*keys == '\0') {
        return false;
    }
    bool all = true;
    std::string word;
    for (const char* c = keys;; ++c) {
        if (*c == ' ' || *c == '|' || *c == '\0') {
            all = all && name.find(word) != std::string::npos;
            word.clear();
            if (*c != ' ') {
                if (all) {
                    return true;
                }
                if (*c == '\0') {
                    return false;
                }
                all = true;
            }
        } else {
            word += *c;
        }
    }
}

}  // namespace

long GeneralMidiNoteOf(const std::string& sound, const std::string& name)
{
    const std::string folded = Folded(name);
    const SoundRow* fallback = nullptr;
    for (const SoundRow& row : kSounds) {
        if (sound == row.sound) {
            if (Matches(row.keys, folded)) {
                return row.note;
            }
            fallback = &row;
        }
    }
    if (fallback != nullptr) {
        return fallback->note;
    }
    for (const SoundRow& row : kSounds) {
        if (Matches(row.keys, folded)) {
            return row.note;
        }
    }
    return -1;
}

}  // namespace workbench
