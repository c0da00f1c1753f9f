// Printing measures and cells: the measure and independent key records in
// the words of the document format, the layers shown, the cells' music and
// the frames still handed out.
#include <algorithm>
#include <cstdio>
#include <iterator>

#include "host/record_bytes.h"
#include "workbench/document_printer.h"
#include "workbench/host_layouts.h"
#include "workbench/measure_words.h"

namespace workbench {
namespace {

constexpr int kLayers = 4;

std::string Word(const std::initializer_list<const char*>& words, unsigned code)
{
    return code < words.size() ? words.begin()[code] : "code " + std::to_string(code);
}

// "0x00FF (1 flat, major)"; keys the host defines itself by their number.
std::string Key(unsigned keyWord)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%04X", keyWord);
    const unsigned mode = keyWord >> 8;
    if (mode >= kModeWords.size()) {
        return std::string(hex) + " (own key " + std::to_string(mode) + ")";
    }
    const int accidentals = static_cast<signed char>(keyWord & 0xFF);
    const int count = accidentals < 0 ? -accidentals : accidentals;
    std::string text = "no accidentals";
    if (count != 0) {
        text = std::to_string(count) + (accidentals < 0 ? " flat" : " sharp") + (count > 1 ? "s" : "");
    }
    return std::string(hex) + " (" + text + ", " + Word(kModeWords, mode) + ")";
}

// Show state 2 is a bit of the first flag word, state 1 one of the second.
unsigned ShowState(const unsigned char* data, unsigned bit2, unsigned bit1)
{
    using namespace measure_record;
    return (ReadU16(data, kFlags) & bit2) != 0 ? 2 : (ReadU16(data, kBarlineFlags) & bit1) != 0 ? 1 : 0;
}

std::string Measure(const unsigned char* data)
{
    using namespace measure_record;
    std::string text = "measure: " + std::to_string(ReadS16(data, kBeats)) + " beats of " +
                       std::to_string(ReadS16(data, kBeatDuration)) + ", key " + Key(ReadU16(data, kKey));
    if (ReadU16(data, kDisplayBeats) != 0 || ReadU16(data, kDisplayBeatDuration) != 0) {
        text += ", shown as " + std::to_string(ReadS16(data, kDisplayBeats)) + " beats of " +
                std::to_string(ReadS16(data, kDisplayBeatDuration));
    }
    const unsigned flags = ReadU16(data, kFlags);
    // Code 0, of the records the builder makes by default, goes unsaid.
    const unsigned positioning = flags & kPositioningBits;
    if (positioning != kPositioningCodes[1]) {
        const unsigned* mode = std::find(std::begin(kPositioningCodes), std::end(kPositioningCodes), positioning);
        text += ", positioning " + (mode != std::end(kPositioningCodes)
                                        ? Word(kPositioningWords, static_cast<unsigned>(mode - kPositioningCodes))
                                        : "code " + std::to_string(positioning));
    }
    if (unsigned state = ShowState(data, kKeyShowState2, kKeyShowState1)) {
        text += ", key shown " + Word(kShowWords, state);
    }
    if (unsigned state = ShowState(data, kTimeShowState2, kTimeShowState1)) {
        text += ", time shown " + Word(kShowWords, state);
    }
    if (flags & kFullNames) {
        text += ", full names";
    }
    if (unsigned barline = (ReadU16(data, kBarlineFlags) & kBarlineBits) >> kBarlineShift) {
        text += ", barline " + Word(kBarlineWords, barline);
    }
    if (unsigned left = (ReadU16(data, kLeftBarlineFlags) & kBarlineBits) >> kBarlineShift) {
        text += ", left barline " + Word(kBarlineWords, left);
    }
    return text;
}

}  // namespace

std::string DescribeScoreRecord(unsigned long tag, const Bytes& bytes)
{
    if (tag == measure_record::kTag && bytes.size() >= static_cast<size_t>(measure_record::kSize)) {
        return Measure(bytes.data());
    }
    using namespace independent_cell_detail;
    if (tag == kTag && bytes.size() >= static_cast<size_t>(kSize)) {
        const bool own = (ReadU16(bytes.data(), kFlags) & kHasKey) != 0;
        return "independent cell detail: key " + Key(ReadU16(bytes.data(), kKey)) +
               (own ? ", the cell's own" : ", not in effect");
    }
    return "";
}

std::string DescribeMusic(const Document& document)
{
    std::string text;
    if ((document.view.shownLayers & 0xF) != 0xF) {
        text += "  layers shown:";
        for (int layer = 0; layer < kLayers; ++layer) {
            if (document.view.shownLayers & (1u << layer)) {
                text += " " + std::to_string(layer + 1);
            }
        }
        text += (document.view.shownLayers & 0xF) == 0 ? " none\n" : "\n";
    }
    for (const auto& [cell, durations] : document.music) {
        text += "  music: staff " + std::to_string(cell.staff) + ", measure " + std::to_string(cell.measure) +
                ", layer " + std::to_string(cell.layer + 1) + ":";
        for (long duration : durations) {
            text += " " + std::to_string(duration);
        }
        text += "\n";
    }
    return text + "  frames out: " + std::to_string(document.framesOut.size()) + "\n";
}

}  // namespace workbench
