// The host's measure record by byte offset: what FCMeasure reads and writes
// and the workbench host builds.
#pragma once

namespace measure_record {
constexpr unsigned long kTag = 0x534F4D53;  // S, O, M, S
constexpr int kSize = 26;
constexpr int kKey = 2;
constexpr int kBeats = 4;
constexpr int kBeatDuration = 6;  // 1024 to a quarter note
}  // namespace measure_record
