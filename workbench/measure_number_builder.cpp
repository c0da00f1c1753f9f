// Building measure number regions, in the layout of the host version the
// workbench runs as: with score and parts formatting from 0x0F000000 on, one
// formatting before it.
#include <algorithm>
#include <cstring>

#include "host/record_bytes.h"
#include "workbench/document_queries.h"
#include "workbench/host_layouts.h"
#include "workbench/record_building.h"

namespace workbench {
namespace {

namespace mnr = measure_number_region;
namespace wp = measure_number_region::with_parts;
namespace bp = measure_number_region::before_parts;

bool PutFont(BuildContext& context, int line, unsigned char* bytes, const std::optional<FontSetting>& font)
{
    if (!font) {
        return true;
    }
    short number = FontNumber(context.document, font->name.c_str());
    if (number == 0) {
        return context.Fail(line, "font \"" + font->name + "\" is not one of the document's <font> elements");
    }
    WriteU16(bytes, font_bytes::kFontNumber, static_cast<unsigned>(number));
    WriteU16(bytes, font_bytes::kFontSize, static_cast<unsigned>(font->size));
    WriteU16(bytes, font_bytes::kEffects, static_cast<unsigned>(font->effects));
    return true;
}

void PutBytes(unsigned char* at, const Bytes& bytes)
{
    std::copy(bytes.begin(), bytes.end(), at);
}

void PutText(unsigned char* at, const std::string& text)
{
    std::memcpy(at, text.c_str(), text.size() + 1);
}

unsigned MainFlags(const MeasureNumberRegionDescription& region)
{
    return (region.doubleUp ? mnr::kDoubleUp : 0) | (region.noZero ? mnr::kNoZero : 0) |
           (region.countFromOne ? mnr::kCountFromOne : 0);
}

bool PutFormatting(BuildContext& context, int line, unsigned char* formatting, const NumberFormatting& from)
{
    if (!PutFont(context, line, formatting + wp::kStartFont, from.startFont) ||
        !PutFont(context, line, formatting + wp::kMultipleFont, from.multipleFont) ||
        !PutFont(context, line, formatting + wp::kMultiMeasureFont, from.multiMeasureFont)) {
        return false;
    }
    PutBytes(formatting + wp::kStartEnclosure, from.startEnclosure);
    PutBytes(formatting + wp::kMultipleEnclosure, from.multipleEnclosure);
    WriteU16(formatting, wp::kStartVertical, static_cast<unsigned>(from.startPosition));
    WriteU16(formatting, wp::kMultipleVertical, static_cast<unsigned>(from.multiplePosition));
    unsigned flags = (from.onSystemStart ? wp::kShowOnSystemStart : 0) | (from.multiples ? wp::kShowMultiples : 0) |
                     (from.hideFirst ? wp::kHideFirstNumber : 0) |
                     (from.multiMeasureRanges ? wp::kShowMultiMeasureRange : 0) |
                     (from.topStaff ? wp::kShowOnTopStaff : 0) | (from.bottomStaff ? wp::kShowOnBottomStaff : 0);
    WriteU16(formatting, wp::kFormattingFlags, flags);
    return true;
}

bool BuildWithParts(BuildContext& context, const MeasureNumberRegionDescription& region, Bytes* record)
{
    unsigned char* bytes = record->data();
    if (!PutFormatting(context, region.line, bytes + wp::kScoreFormatting, region.score) ||
        !PutFormatting(context, region.line, bytes + wp::kPartsFormatting, region.parts.value_or(region.score))) {
        return false;
    }
    WriteU16(bytes, wp::kStartMeasure, static_cast<unsigned>(region.measures.first));
    WriteU16(bytes, wp::kEndMeasure, static_cast<unsigned>(region.measures.last + 1));
    WriteU16(bytes, wp::kStartChar, static_cast<unsigned>(region.startChar));
    WriteU16(bytes, wp::kBase, static_cast<unsigned>(region.base));
    WriteU16(bytes, wp::kStartNumber, static_cast<unsigned>(region.startNumber - 1));
    PutText(bytes + wp::kPrefix, region.prefix);
    PutText(bytes + wp::kSuffix, region.suffix);
    WriteU16(bytes, wp::kFlags, MainFlags(region) | (region.partsUseScore ? wp::kUseScoreInfoForParts : 0));
    WriteU16(bytes, wp::kID, static_cast<unsigned>(region.id != 0 ? region.id : region.number));
    return true;
}

// The older layout keeps the score's start number formatting.
bool BuildBeforeParts(BuildContext& context, const MeasureNumberRegionDescription& region, Bytes* record)
{
    unsigned char* bytes = record->data();
    const NumberFormatting& score = region.score;
    if (!PutFont(context, region.line, bytes + bp::kStartFont, score.startFont)) {
        return false;
    }
    WriteU16(bytes, bp::kStartMeasure, static_cast<unsigned>(region.measures.first));
    WriteU16(bytes, bp::kEndMeasure, static_cast<unsigned>(region.measures.last + 1));
    WriteU16(bytes, bp::kStartChar, static_cast<unsigned>(region.startChar));
    WriteU16(bytes, bp::kBase, static_cast<unsigned>(region.base));
    WriteU16(bytes, bp::kStartNumber, static_cast<unsigned>(region.startNumber - 1));
    WriteU16(bytes, bp::kVertical, static_cast<unsigned>(score.startPosition));
    PutText(bytes + bp::kPrefix, region.prefix);
    PutText(bytes + bp::kSuffix, region.suffix);
    PutBytes(bytes + bp::kEnclosure, score.startEnclosure);
    unsigned flags = (score.onSystemStart ? bp::kShowOnSystemStart : 0) | (score.multiples ? bp::kShowMultiples : 0) |
                     (score.hideFirst ? bp::kHideFirstNumber : 0) | (score.topStaff ? bp::kShowOnTopStaff : 0) |
                     (score.bottomStaff ? bp::kShowOnBottomStaff : 0);
    WriteU16(bytes, bp::kFlags, MainFlags(region) | flags);
    WriteU16(bytes, bp::kID, static_cast<unsigned>(region.id != 0 ? region.id : region.number));
    return true;
}

}  // namespace

bool BuildMeasureNumbers(BuildContext& context)
{
    ItemNumbers numbers("measureNumbers", 32767);
    const bool withParts = mnr::HasPartsLayout(context.hostVersion);
    for (MeasureNumberRegionDescription& region : context.score.measureNumberRegions) {
        if (!numbers.Assign(context, region.line, &region.number)) {
            return false;
        }
        Bytes record(withParts ? wp::kSize : bp::kSize, 0);
        if (!(withParts ? BuildWithParts : BuildBeforeParts)(context, region, &record)) {
            return false;
        }
        context.Put(mnr::kTag, RecordKey::FromNumbers(static_cast<unsigned>(region.number)), std::move(record));
    }
    return true;
}

}  // namespace workbench
