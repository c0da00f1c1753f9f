// Printing measure number regions read back from their records, in either
// layout: the region, then each formatting on a line of its own.
#include <algorithm>
#include <cstring>

#include "host/record_bytes.h"
#include "workbench/document_printer.h"
#include "workbench/host_layouts.h"
#include "workbench/output.h"

namespace workbench {
namespace {

namespace mnr = measure_number_region;
namespace wp = measure_number_region::with_parts;
namespace bp = measure_number_region::before_parts;

struct ShownFlag {
    unsigned mask;
    const char* name;
};

constexpr ShownFlag kShownWithParts[] = {
    {wp::kShowOnTopStaff, "top staff"},       {wp::kShowOnBottomStaff, "bottom staff"},
    {wp::kShowOnSystemStart, "system start"}, {wp::kShowMultiples, "multiples"},
    {wp::kHideFirstNumber, "first hidden"},   {wp::kShowMultiMeasureRange, "multi-measure ranges"},
};

constexpr ShownFlag kShownBeforeParts[] = {
    {bp::kShowOnTopStaff, "top staff"},       {bp::kShowOnBottomStaff, "bottom staff"},
    {bp::kShowOnSystemStart, "system start"}, {bp::kShowMultiples, "multiples"},
    {bp::kHideFirstNumber, "first hidden"},
};

template <size_t N>
std::string Shown(unsigned flags, const ShownFlag (&names)[N])
{
    std::string text;
    for (const ShownFlag& flag : names) {
        if ((flags & flag.mask) != 0) {
            text += (text.empty() ? "" : ", ") + std::string(flag.name);
        }
    }
    return "shown: " + (text.empty() ? std::string("nothing") : text);
}

std::string Font(const unsigned char* bytes)
{
    return "font " + std::to_string(ReadS16(bytes, font_bytes::kFontNumber)) + " size " +
           std::to_string(ReadS16(bytes, font_bytes::kFontSize)) + " effects " +
           Hex(ReadU16(bytes, font_bytes::kEffects), 4);
}

std::string Enclosure(const unsigned char* bytes)
{
    const unsigned char* end = bytes + enclosure_record::kSize;
    if (std::all_of(bytes, end, [](unsigned char byte) { return byte == 0; })) {
        return "none";
    }
    return HexBytes(Bytes(bytes, end)).substr(1);
}

// A field of 8-bit text up to its NUL or its end.
std::string Text(const unsigned char* field)
{
    const void* nul = std::memchr(field, 0, mnr::kAffixSize);
    size_t length = nul != nullptr ? static_cast<const unsigned char*>(nul) - field : mnr::kAffixSize;
    return std::string(reinterpret_cast<const char*>(field), length);
}

std::string Character(short unit)
{
    if (unit > 0x20 && unit < 0x7F) {
        return "'" + std::string(1, static_cast<char>(unit)) + "'";
    }
    return "character " + std::to_string(unit);
}

// What both layouts hold for the region as a whole.
std::string Region(const unsigned char* bytes, int startMeasure, int endMeasure, int startChar, int base,
                   int startNumber, int prefix, int suffix, unsigned flags, int id)
{
    std::string text = "measures " + std::to_string(ReadS16(bytes, startMeasure)) + "-" +
                       std::to_string(static_cast<short>(ReadS16(bytes, endMeasure) - 1)) + ", start " +
                       std::to_string(static_cast<short>(ReadS16(bytes, startNumber) + 1)) + ", base " +
                       std::to_string(ReadS16(bytes, base)) + " from " + Character(ReadS16(bytes, startChar));
    text += (flags & mnr::kCountFromOne) != 0 ? ", count from one" : "";
    text += (flags & mnr::kDoubleUp) != 0 ? ", double up" : "";
    text += (flags & mnr::kNoZero) != 0 ? ", no zero" : "";
    return text + ", prefix " + Quoted(Text(bytes + prefix)) + ", suffix " + Quoted(Text(bytes + suffix)) + ", ID " +
           std::to_string(ReadS16(bytes, id));
}

std::string Formatting(const char* name, const unsigned char* formatting)
{
    return std::string("\n      ") + name + ": start " + Font(formatting + wp::kStartFont) + ", multiples " +
           Font(formatting + wp::kMultipleFont) + ", ranges " + Font(formatting + wp::kMultiMeasureFont) +
           ", positions " + std::to_string(ReadS16(formatting, wp::kStartVertical)) + " and " +
           std::to_string(ReadS16(formatting, wp::kMultipleVertical)) + ", " +
           Shown(ReadU16(formatting, wp::kFormattingFlags), kShownWithParts) + "; enclosures: start " +
           Enclosure(formatting + wp::kStartEnclosure) + ", multiples " +
           Enclosure(formatting + wp::kMultipleEnclosure);
}

std::string WithParts(const unsigned char* bytes)
{
    unsigned flags = ReadU16(bytes, wp::kFlags);
    return "measure number region, 196-byte layout: " +
           Region(bytes, wp::kStartMeasure, wp::kEndMeasure, wp::kStartChar, wp::kBase, wp::kStartNumber,
                  wp::kPrefix, wp::kSuffix, flags, wp::kID) +
           ((flags & wp::kUseScoreInfoForParts) != 0 ? ", parts formatted as the score" : "") +
           Formatting("score", bytes + wp::kScoreFormatting) + Formatting("parts", bytes + wp::kPartsFormatting);
}

std::string BeforeParts(const unsigned char* bytes)
{
    unsigned flags = ReadU16(bytes, bp::kFlags);
    return "measure number region, 88-byte layout: " +
           Region(bytes, bp::kStartMeasure, bp::kEndMeasure, bp::kStartChar, bp::kBase, bp::kStartNumber,
                  bp::kPrefix, bp::kSuffix, flags, bp::kID) +
           "\n      formatting: start " + Font(bytes + bp::kStartFont) + ", position " +
           std::to_string(ReadS16(bytes, bp::kVertical)) + ", " + Shown(flags, kShownBeforeParts) +
           "; enclosure " + Enclosure(bytes + bp::kEnclosure);
}

}  // namespace

std::string DecodeMeasureNumberRecord(unsigned long tag, const Bytes& bytes)
{
    if (tag != mnr::kTag) {
        return std::string();
    }
    if (bytes.size() == static_cast<size_t>(wp::kSize)) {
        return WithParts(bytes.data());
    }
    return bytes.size() == static_cast<size_t>(bp::kSize) ? BeforeParts(bytes.data()) : std::string();
}

}  // namespace workbench
