// The host's measure record by byte offset: what FCMeasure reads and writes
// and the workbench host builds.
#pragma once

#include "framework/data/region_layout.h"

namespace measure_record {
constexpr unsigned long kTag = region_record::kMeasureTag;
constexpr int kSize = 26;
constexpr int kKey = 2;
constexpr int kBeats = 4;
constexpr int kBeatDuration = 6;  // 1024 to a quarter note
constexpr int kFlags = 8;
constexpr int kBarlineFlags = 10;
constexpr int kDisplayBeats = 12;  // the second time signature
constexpr int kDisplayBeatDuration = 14;
constexpr int kLeftBarlineFlags = 16;

// In the word at kFlags.
constexpr unsigned kPositioningBits = 0x0007;
constexpr unsigned kTimeShowState2 = 0x0010;
constexpr unsigned kKeyShowState2 = 0x0020;
constexpr unsigned kFullNames = 0x0800;
// In the word at kBarlineFlags.
constexpr unsigned kTimeShowState1 = 0x0400;
constexpr unsigned kKeyShowState1 = 0x0800;
// Bits 4-7 of the words at kBarlineFlags and kLeftBarlineFlags.
constexpr unsigned kBarlineBits = 0x00F0;
constexpr int kBarlineShift = 4;
// The positioning codes of the modes 0, 1 and 2.
constexpr unsigned kPositioningCodes[] = {4, 0, 6};
}  // namespace measure_record
