// Building page texts: each a page text record naming a text block of its own.
#include <map>

#include "host/record_bytes.h"
#include "workbench/host_layouts.h"
#include "workbench/record_building.h"

namespace workbench {

bool BuildPageTexts(BuildContext& context)
{
    std::map<long, unsigned> incis;  // the next inci of each page
    for (const PageTextDescription& text : context.score.pageTexts) {
        Bytes record(page_text_record::kSize, 0);
        WriteU16(record.data(), page_text_record::kTextBlock, context.PutTextBlock(raw_text::kBlockKind, text.text));
        context.Put(page_text_record::kTag,
                    RecordKey::FromNumbers(static_cast<unsigned>(text.page), incis[text.page]++), std::move(record));
    }
    return true;
}

}  // namespace workbench
