// Printing a document: its files, measures, selection, staves and records.
#include "workbench/document_printer.h"

#include <cstdio>

#include "host/record_bytes.h"
#include "workbench/document_queries.h"
#include "workbench/host_layouts.h"
#include "workbench/output.h"
#include "workbench/paths.h"

namespace workbench {

std::string Hex(unsigned long value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*lX", digits, value);
    return text;
}

std::string HexBytes(const Bytes& bytes)
{
    std::string text;
    for (unsigned char byte : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, " %02X", byte);
        text += pair;
    }
    return text;
}

namespace {

// A tag as its four characters when they are printable, else in hexadecimal.
std::string TagName(unsigned long tag)
{
    std::string name;
    for (int shift = 24; shift >= 0; shift -= 8) {
        char c = static_cast<char>((tag >> shift) & 0xFF);
        if (c < 0x21 || c > 0x7E) {
            return Hex(tag, 8);
        }
        name += c;
    }
    return name;
}

std::string Range(unsigned first, unsigned last)
{
    return first == last ? std::to_string(first) : std::to_string(first) + "-" + std::to_string(last);
}

// Each text quoted, the first after a space, the others after a comma.
std::string QuotedList(const std::vector<std::string>& texts)
{
    std::string list;
    for (size_t i = 0; i < texts.size(); ++i) {
        list += std::string(i == 0 ? " " : ", ") + Quoted(texts[i]);
    }
    return list;
}

// The fields the workbench gives meaning to, for records long enough to hold them.
std::string Decoded(unsigned long tag, const Bytes& bytes, unsigned long hostVersion)
{
    const unsigned char* data = bytes.data();
    const size_t size = bytes.size();
    if (tag == staff_record::kTag && size >= static_cast<size_t>(staff_record::kSize)) {
        return "staff: flags " + Hex(ReadU16(data, staff_record::kNotationFlags), 4) + ", transposition " +
               Hex(ReadU16(data, staff_record::kTransposition), 4) + ", name block " +
               std::to_string(ReadU16(data, staff_record::kFullNameTextBlock)) + ", percussion record " +
               Hex(ReadU16(data, staff_record::kPercussionTagSuffix), 4) + " " +
               std::to_string(ReadU16(data, staff_record::kPercussionItemNo));
    }
    if (tag == text_block::kTag && size >= static_cast<size_t>(text_block::kSize)) {
        return "text block: raw text " + std::to_string(ReadU16(data, text_block::kRawTextNumber)) + " of kind " +
               Hex(ReadU16(data, text_block::kRawTextKind), 4) + ", flags " +
               Hex(ReadU16(data, text_block::kFlags), 4);
    }
    if (std::string score = DescribeScoreRecord(tag, bytes); !score.empty()) {
        return score;
    }
    if (tag == percussion_staff::kTag && size >= static_cast<size_t>(percussion_staff::kSize)) {
        return "percussion staff: layout " + std::to_string(ReadU16(data, percussion_staff::kLayout));
    }
    if (tag == instrument_def::kTag && size >= static_cast<size_t>(instrument_def::kSize)) {
        return "instrument definition: MIDI map " + std::to_string(ReadU16(data, instrument_def::kMidiMap));
    }
    if (tag == layout_note::TagFor(hostVersion) && size >= static_cast<size_t>(layout_note::kSize)) {
        unsigned word = ReadU16(data, layout_note::kTypeAndOrder);
        return "layout note: type " + std::to_string(word & 0x0FFF) + ", order " +
               std::to_string(static_cast<short>(word) >> 12) + ", staff position " +
               std::to_string(ReadS16(data, layout_note::kStaffPosition));
    }
    if (std::string numbers = DecodeMeasureNumberRecord(tag, bytes); !numbers.empty()) {
        return numbers;
    }
    if (std::string expression = DecodeExpressionRecord(tag, bytes); !expression.empty()) {
        return expression;
    }
    if (std::string decoded = DecodedGroupOrTextRecord(tag, bytes); !decoded.empty()) {
        return decoded;
    }
    bool isText = (tag & 0xFFFF0000) == raw_text::kTagPrefix || tag == layout_name::kTag ||
                  tag == text_repeat_text::kTag;
    if (isText && size > 0 && bytes.back() == 0) {
        return "text " + Quoted(std::string(bytes.begin(), bytes.end() - 1));
    }
    return size == 0 ? "no bytes" : "bytes" + HexBytes(bytes);
}

std::string Staff(const Document& document, int slot, unsigned long hostVersion)
{
    StaffSummary staff = DescribeStaff(document, slot, hostVersion);
    std::string text = "  slot " + std::to_string(slot) + ": staff " + std::to_string(staff.number);
    if (!staff.hasRecord) {
        return text + ", no staff record\n";
    }
    text += " " + Quoted(staff.name) + ", " + staff.notation;
    if (staff.transposition != 0) {
        text += ", transposition " + Hex(static_cast<unsigned long>(staff.transposition), 4);
    }
    if (staff.layout != 0) {
        text += ", layout " + std::to_string(staff.layout) + (staff.layoutNamed ? " " + Quoted(staff.layoutName) : "") +
                " (" + std::to_string(staff.layoutNotes) + " notes)";
    } else if (std::string(staff.notation) == "percussion") {
        text += ", no layout";
    }
    if (!staff.hasInstrument) {
        text += ", no instrument definition";
    } else if (staff.midiMap == 0) {
        text += ", General MIDI";
    } else {
        text += ", MIDI map " + std::to_string(staff.midiMap);
    }
    return text + "\n";
}

}  // namespace

std::string DescribeDocument(const Document& document, unsigned long hostVersion)
{
    std::string text = "document " + std::to_string(document.number) + " " + Quoted(document.name) + "\n";
    if (!document.path.empty()) {
        text += "  file: " + Utf8FromPath(document.path) + "\n";
    }
    text += "  note types: " + (document.noteTypeFile.empty() ? std::string("the workbench's own")
                                                                 : Utf8FromPath(document.noteTypeFile)) + "\n";
    for (const MidiMapFile& map : document.midiMaps) {
        text += "  MIDI map " + std::to_string(map.number) + ": " + QuotedUtf8(map.reference) + " in " + Utf8FromPath(map.path) + "\n";
    }
    for (size_t i = 0; i < document.fonts.size(); ++i) {
        if (!document.fonts[i].empty()) {
            text += "  font " + std::to_string(i + 1) + ": " + Quoted(document.fonts[i]) + "\n";
        }
    }
    text += "  measures: " + std::to_string(MeasureCount(document)) + "\n";
    const unsigned char* selection = document.selection.data();
    if (IsEmptyRegion(selection)) {
        text += "  selection: none\n";
    } else {
        text += "  selection: slots " +
                Range(ReadU16(selection, region_record::kStartSlot), ReadU16(selection, region_record::kEndSlot)) +
                ", measures " +
                Range(ReadU16(selection, region_record::kStartMeasure), ReadU16(selection, region_record::kEndMeasure)) + "\n";
    }
    text += std::string("  view: ") + (document.view.pageView ? "page view" : "scroll view") + ", zoom " +
            std::to_string(document.view.zoom) + "%, page " + std::to_string(document.view.page) + "\n";
    text += DescribeMusic(document);
    text += std::string("  changed: ") + (document.changed ? "yes" : "no") + ", undo steps: " +
            std::to_string(document.undoSteps.size()) + "\n";
    if (!document.endedBlocks.empty()) {
        text += "  ended edit blocks:" + QuotedList(document.endedBlocks) + "\n";
    }
    if (!document.cancelledBlocks.empty()) {
        text += "  cancelled edit blocks:" + QuotedList(document.cancelledBlocks) + "\n";
    }
    text += DescribeParts(document);
    const size_t slots = StaffOrder(document).size();
    text += "  staves: " + std::to_string(slots) + "\n";
    for (size_t slot = 1; slot <= slots; ++slot) {
        text += Staff(document, static_cast<int>(slot), hostVersion);
    }
    text += DescribeGroupsAndTexts(document);
    text += "  records: " + std::to_string(document.records.Records().size()) + "\n";
    for (const auto& [id, bytes] : document.records.Records()) {
        text += "    " + TagName(id.tag) + " [" + std::to_string(id.key.Number(0)) + "," +
                std::to_string(id.key.Number(1)) + "," + std::to_string(id.key.Number(2)) + "," +
                std::to_string(id.key.Number(3)) + "] " + std::to_string(bytes.size()) + " bytes: " +
                Decoded(id.tag, bytes, hostVersion) + "\n";
    }
    return text;
}

}  // namespace workbench
