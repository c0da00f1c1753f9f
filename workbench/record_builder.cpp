// Building the host's records from a score description: each part by its
// builder, then the raw records over what they made.
#include "workbench/record_builder.h"

#include <utility>

#include "host/record_bytes.h"
#include "workbench/host_layouts.h"
#include "workbench/paths.h"
#include "workbench/record_building.h"

namespace workbench {

bool BuildContext::Fail(int line, const std::string& message)
{
    _error = _fileName + ":" + std::to_string(line) + ": " + message;
    return false;
}

bool BuildContext::Fail(const std::string& message)
{
    _error = _fileName + ": " + message;
    return false;
}

void BuildContext::PutRawText(unsigned long tag, const RecordKey& key, const std::string& text)
{
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(0);
    Put(tag, key, std::move(bytes));
}

unsigned BuildContext::PutTextBlock(unsigned rawTextKind, const std::string& text)
{
    const unsigned number = ++_textBlocks;
    Bytes block(text_block::kSize, 0);
    WriteU16(block.data(), text_block::kRawTextNumber, number);
    WriteU16(block.data(), text_block::kNewBlockValue, text_block::kNewBlockValueDefault);
    WriteU16(block.data(), text_block::kFlags, text_block::kNewFlags);
    WriteU16(block.data(), text_block::kRawTextKind, rawTextKind);
    Put(text_block::kTag, RecordKey::FromNumbers(number), std::move(block));
    PutRawText(raw_text::kTagPrefix | rawTextKind, RecordKey::FromNumbers(number), text);
    return number;
}

bool ItemNumbers::Assign(BuildContext& context, int line, long* number)
{
    if (*number == 0) {
        *number = _highest + 1;
    }
    if (*number > _max) {
        return context.Fail(line, "<" + _element + "> needs a number: the one after the highest is beyond " +
                                      std::to_string(_max));
    }
    if (!_used.insert(*number).second) {
        return context.Fail(line, "<" + _element + "> number " + std::to_string(*number) + " is given twice");
    }
    _highest = *number > _highest ? *number : _highest;
    return true;
}

bool BuildSelection(BuildContext& context)
{
    long measures = 0;
    for (const MeasureRun& run : context.score.measures) {
        measures += run.count;
    }
    if (!context.score.selection) {
        return true;  // nothing selected: an empty region
    }
    const SelectionDescription& selection = *context.score.selection;
    long slots = static_cast<long>(context.score.staves.size());
    if (selection.slots.first > slots || selection.slots.last > slots) {
        return context.Fail(selection.line,
                            "<selection> staves go beyond the " + std::to_string(slots) + " staves");
    }
    if (selection.measures.first > measures || selection.measures.last > measures) {
        return context.Fail(selection.line,
                            "<selection> measures go beyond the " + std::to_string(measures) + " measures");
    }
    unsigned char* region = context.document.selection.data();
    WriteU16(region, region_record::kStartSlot, static_cast<unsigned>(selection.slots.first));
    WriteU16(region, region_record::kStartMeasure, static_cast<unsigned>(selection.measures.first));
    WriteU32(region, region_record::kStartPos, 0);
    WriteU16(region, region_record::kEndSlot, static_cast<unsigned>(selection.slots.last));
    WriteU16(region, region_record::kEndMeasure, static_cast<unsigned>(selection.measures.last));
    WriteU32(region, region_record::kEndPos, region_record::kEndOfMeasure);
    return true;
}

std::unique_ptr<Document> BuildDocument(ScoreDescription score, const std::string& fileName,
                                        unsigned long hostVersion, std::string* error)
{
    auto document = std::make_unique<Document>();
    document->name = score.name.empty() ? FileNameOf(fileName) : score.name;
    document->noteTypeFile = score.noteTypeFile;
    document->midiMaps = score.midiMaps;
    document->fonts = score.fonts;
    document->parts = score.parts;
    if (score.view) {
        document->view = *score.view;
    }
    BuildContext context(score, *document, fileName, hostVersion);
    if (!BuildPercussionFiles(context) || !BuildMeasures(context) || !BuildLayouts(context) ||
        !BuildStaves(context) || !BuildSelection(context) || !BuildMeasureNumbers(context) ||
        !BuildExpressions(context) || !BuildCells(context) || !BuildStaffOrder(context) || !BuildGroups(context) ||
        !BuildTextRepeats(context) || !BuildPageTexts(context)) {
        if (error != nullptr) {
            *error = context.Error();
        }
        return nullptr;
    }
    for (RawRecord& record : score.rawRecords) {
        context.Put(record.tag, record.key, std::move(record.bytes));
    }
    return document;
}

}  // namespace workbench
