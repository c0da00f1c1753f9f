// Printing staff groups, text repeats and page texts read back from their
// records, and the record lines of their tags and of the staff order.
#include <functional>

#include "host/record_bytes.h"
#include "workbench/document_printer.h"
#include "workbench/document_queries.h"
#include "workbench/host_layouts.h"
#include "workbench/output.h"

namespace workbench {
namespace {

bool Holds(const Bytes& bytes, int size)
{
    return bytes.size() >= static_cast<size_t>(size);
}

// Each record of the tag in key order.
void ForEachOfTag(const Document& document, unsigned long tag,
                  const std::function<void(const RecordKey&, const Bytes&)>& visit)
{
    const auto& records = document.records.Records();
    for (auto at = records.lower_bound(RecordId{tag, RecordKey{}}); at != records.end() && at->first.tag == tag;
         ++at) {
        visit(at->first.key, at->second);
    }
}

std::string BlockText(const Document& document, const char* what, unsigned block)
{
    return block == 0 ? std::string(", no ") + what : std::string(", ") + what + " " + Quoted(TextOfBlock(document, block));
}

std::string RepeatText(const Document& document, unsigned definition)
{
    bool found = false;
    std::string text = RawText(document, text_repeat_text::kTag, definition, &found);
    return found ? Quoted(text) : "no text";
}

}  // namespace

std::string DescribeGroupsAndTexts(const Document& document)
{
    std::string text;
    ForEachOfTag(document, group_record::kTag, [&](const RecordKey& key, const Bytes& bytes) {
        text += "  group " + std::to_string(key.Number(0)) + "/" + std::to_string(key.Number(1)) + ": ";
        if (!Holds(bytes, group_record::kSize)) {
            text += "too short\n";
            return;
        }
        text += "staves " + std::to_string(ReadS16(bytes.data(), group_record::kFirstStaff)) + " to " +
                std::to_string(ReadS16(bytes.data(), group_record::kLastStaff)) +
                BlockText(document, "name", ReadU16(bytes.data(), group_record::kFullNameBlock)) +
                BlockText(document, "abbreviation", ReadU16(bytes.data(), group_record::kAbbreviatedNameBlock)) + "\n";
    });
    ForEachOfTag(document, text_repeat_def::kTag, [&](const RecordKey& key, const Bytes&) {
        text += "  text repeat " + std::to_string(key.Number(0)) + ": " + RepeatText(document, key.Number(0)) + "\n";
    });
    ForEachOfTag(document, text_repeat_record::kTag, [&](const RecordKey& key, const Bytes& bytes) {
        text += "  measure " + std::to_string(key.Number(0)) + ": placed text repeat ";
        if (!Holds(bytes, text_repeat_record::kSize)) {
            text += "too short\n";
            return;
        }
        unsigned definition = ReadU16(bytes.data(), text_repeat_record::kDefinition);
        text += std::to_string(definition) + ", " + RepeatText(document, definition) + "\n";
    });
    ForEachOfTag(document, page_text_record::kTag, [&](const RecordKey& key, const Bytes& bytes) {
        text += "  page " + std::to_string(key.Number(0)) + ": page text ";
        if (!Holds(bytes, page_text_record::kSize)) {
            text += "too short\n";
            return;
        }
        text += Quoted(TextOfBlock(document, ReadU16(bytes.data(), page_text_record::kTextBlock))) + "\n";
    });
    return text;
}

std::string DecodedGroupOrTextRecord(unsigned long tag, const Bytes& bytes)
{
    const unsigned char* data = bytes.data();
    if (tag == system_staff_record::kTag && Holds(bytes, system_staff_record::kSize)) {
        return "system staff: staff " + std::to_string(ReadS16(data, system_staff_record::kStaff));
    }
    if (tag == group_record::kTag && Holds(bytes, group_record::kSize)) {
        return "group: staves " + std::to_string(ReadS16(data, group_record::kFirstStaff)) + " to " +
               std::to_string(ReadS16(data, group_record::kLastStaff)) + ", name block " +
               std::to_string(ReadU16(data, group_record::kFullNameBlock)) + ", abbreviation block " +
               std::to_string(ReadU16(data, group_record::kAbbreviatedNameBlock));
    }
    if (tag == text_repeat_record::kTag && Holds(bytes, text_repeat_record::kSize)) {
        return "placed text repeat: text repeat " + std::to_string(ReadU16(data, text_repeat_record::kDefinition));
    }
    if (tag == page_text_record::kTag && Holds(bytes, page_text_record::kSize)) {
        return "page text: text block " + std::to_string(ReadU16(data, page_text_record::kTextBlock));
    }
    return std::string();
}

}  // namespace workbench
