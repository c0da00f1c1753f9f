// Measure number regions, enclosures and font information by byte offset:
// what FCMeasureNumberRegion and FCEnclosure read and write and the workbench
// host builds. The region has two layouts: one with separate score and parts
// formatting from host version 0x0F000000 on, and an older one before it.
#pragma once

namespace enclosure_record {
constexpr unsigned long kTag = 0x6F744465;  // o, t, D, e
constexpr int kSize = 12;                   // the host's bytes, carried unchanged
}  // namespace enclosure_record

// A font as the host stores it in a record: number, size, effect bits.
namespace font_bytes {
constexpr int kFontNumber = 0;
constexpr int kFontSize = 2;
constexpr int kEffects = 4;
constexpr int kSize = 6;
}  // namespace font_bytes

namespace measure_number_region {
constexpr unsigned long kTag = 0x534F4D4E;  // S, O, M, N
constexpr unsigned long kFirstVersionWithParts = 0x0F000000;

constexpr bool HasPartsLayout(unsigned long hostVersion)
{
    return hostVersion >= kFirstVersionWithParts;
}

// From host version 0x0F000000 on.
namespace with_parts {
constexpr unsigned long kVersion = 0x0F000200;
constexpr int kSize = 196;
// Two formattings laid out alike: the score's, then the parts'.
constexpr int kScoreFormatting = 0;
constexpr int kPartsFormatting = 66;
constexpr int kFormattingSize = 66;
// Offsets within a formatting.
constexpr int kStartFont = 0;
constexpr int kMultipleFont = 6;
constexpr int kMultiMeasureFont = 12;
constexpr int kStartEnclosure = 18;
constexpr int kMultipleEnclosure = 30;
constexpr int kStartVertical = 44;
constexpr int kMultipleVertical = 48;
constexpr int kFormattingFlags = 62;
constexpr unsigned kShowOnSystemStart = 0x0040;
constexpr unsigned kShowMultiples = 0x0080;
constexpr unsigned kHideFirstNumber = 0x0100;
constexpr unsigned kShowMultiMeasureRange = 0x0200;
constexpr unsigned kShowOnTopStaff = 0x2000;
constexpr unsigned kShowOnBottomStaff = 0x4000;
// The region as a whole.
constexpr int kStartMeasure = 132;
constexpr int kEndMeasure = 134;  // the last measure plus 1
constexpr int kStartChar = 136;
constexpr int kBase = 138;
constexpr int kStartNumber = 140;  // the first number minus 1
constexpr int kPrefix = 142;
constexpr int kSuffix = 166;
constexpr int kFlags = 190;
constexpr unsigned kUseScoreInfoForParts = 0x0002;
constexpr int kID = 192;
}  // namespace with_parts

// Before host version 0x0F000000: one formatting.
namespace before_parts {
constexpr unsigned long kVersion = 0x0A000000;
constexpr int kSize = 88;
constexpr int kStartFont = 0;
constexpr int kStartMeasure = 6;
constexpr int kEndMeasure = 8;
constexpr int kStartChar = 12;
constexpr int kBase = 14;
constexpr int kStartNumber = 16;
constexpr int kVertical = 20;  // start number and multiples alike
constexpr int kPrefix = 22;
constexpr int kSuffix = 46;
constexpr int kEnclosure = 70;
constexpr int kFlags = 82;
constexpr unsigned kShowOnBottomStaff = 0x0004;
constexpr unsigned kShowOnTopStaff = 0x0008;
constexpr unsigned kHideFirstNumber = 0x1000;
constexpr unsigned kShowMultiples = 0x4000;
constexpr unsigned kShowOnSystemStart = 0x8000;
constexpr int kID = 86;
}  // namespace before_parts

// Texts of 8-bit characters ending in a NUL within their field.
constexpr int kAffixSize = 24;
// In the main flag word of both layouts.
constexpr unsigned kDoubleUp = 0x0020;
constexpr unsigned kNoZero = 0x0040;
constexpr unsigned kCountFromOne = 0x0080;
}  // namespace measure_number_region
