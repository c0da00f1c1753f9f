// Building text repeat definitions with their texts, and the repeats placed
// in measures.
#include <map>

#include "host/record_bytes.h"
#include "workbench/document_queries.h"
#include "workbench/host_layouts.h"
#include "workbench/record_building.h"

namespace workbench {

bool BuildTextRepeats(BuildContext& context)
{
    ItemNumbers numbers("textRepeat", 32767);
    std::set<long> defined;
    for (TextRepeatDescription& repeat : context.score.textRepeats) {
        if (!numbers.Assign(context, repeat.line, &repeat.number)) {
            return false;
        }
        defined.insert(repeat.number);
        const RecordKey key = RecordKey::FromNumbers(static_cast<unsigned>(repeat.number));
        context.Put(text_repeat_def::kTag, key, Bytes(text_repeat_def::kSize, 0));
        if (repeat.text) {
            context.PutRawText(text_repeat_text::kTag, key, *repeat.text);
        }
    }

    const long measures = MeasureCount(context.document);
    std::map<long, unsigned> incis;  // the next inci of each measure
    for (const PlacedTextRepeatDescription& placed : context.score.placedTextRepeats) {
        if (defined.count(placed.textRepeat) == 0) {
            return context.Fail(placed.line, "<placedTextRepeat> text repeat " + std::to_string(placed.textRepeat) +
                                                 " is not defined");
        }
        if (placed.measure > measures) {
            return context.Fail(placed.line, "<placedTextRepeat> measure " + std::to_string(placed.measure) +
                                                 " is beyond the " + std::to_string(measures) + " measures");
        }
        Bytes record(text_repeat_record::kSize, 0);
        WriteU16(record.data(), text_repeat_record::kDefinition, static_cast<unsigned>(placed.textRepeat));
        context.Put(text_repeat_record::kTag,
                    RecordKey::FromNumbers(static_cast<unsigned>(placed.measure), incis[placed.measure]++),
                    std::move(record));
    }
    return true;
}

}  // namespace workbench
