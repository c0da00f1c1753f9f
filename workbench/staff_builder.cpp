// Building staves and percussion layouts: staff records with their name
// texts, percussion staff records, instrument definitions, layout notes and
// layout names.
#include <set>

#include "host/record_bytes.h"
#include "workbench/host_layouts.h"
#include "workbench/record_building.h"

namespace workbench {
namespace {

// The host's transposition word: the compact form when both values fit it,
// otherwise the form flagged with 0x2000 and its wider interval.
unsigned TranspositionWord(long interval, long alteration)
{
    if (interval >= -32 && interval <= 31) {
        return ((static_cast<unsigned>(interval) & 0x3F) << 6) | (static_cast<unsigned>(alteration) & 0x3F);
    }
    return 0x2000 | ((static_cast<unsigned>(alteration) & 0xF) << 8) | (static_cast<unsigned>(interval) & 0xFF);
}

}  // namespace

bool BuildLayouts(BuildContext& context)
{
    ItemNumbers numbers("layout", 32767);
    const unsigned long noteTag = layout_note::TagFor(context.hostVersion);
    for (LayoutDescription& layout : context.score.layouts) {
        if (!numbers.Assign(context, layout.line, &layout.number)) {
            return false;
        }
        for (size_t inci = 0; inci < layout.notes.size(); ++inci) {
            const LayoutNoteDescription& note = layout.notes[inci];
            Bytes bytes(layout_note::kSize, 0);
            WriteU16(bytes.data(), layout_note::kTypeAndOrder,
                     static_cast<unsigned>(note.type) | ((static_cast<unsigned>(note.order) & 0xF) << 12));
            WriteU16(bytes.data(), layout_note::kStaffPosition, static_cast<unsigned>(note.position));
            context.Put(noteTag,
                                   RecordKey::FromNumbers(static_cast<unsigned>(layout.number),
                                                          static_cast<unsigned>(inci)),
                                   std::move(bytes));
        }
        if (layout.name) {
            context.PutRawText(layout_name::kTag, RecordKey::FromNumbers(static_cast<unsigned>(layout.number)),
                               *layout.name);
        }
    }
    return true;
}

bool BuildStaves(BuildContext& context)
{
    ItemNumbers numbers("staff", 32767);
    std::set<long> layouts;
    for (const LayoutDescription& layout : context.score.layouts) {
        layouts.insert(layout.number);
    }
    for (StaffDescription& staff : context.score.staves) {
        if (!numbers.Assign(context, staff.line, &staff.number)) {
            return false;
        }
        const unsigned item = static_cast<unsigned>(staff.number);

        Bytes record(staff_record::kSize, 0);
        unsigned flags = staff.notation == Notation::kPercussion  ? staff_record::kPercussionNotation
                         : staff.notation == Notation::kTablature ? staff_record::kTablatureNotation
                                                                  : 0;
        WriteU16(record.data(), staff_record::kNotationFlags, flags);
        WriteU16(record.data(), staff_record::kTransposition, TranspositionWord(staff.interval, staff.alteration));
        WriteU16(record.data(), staff_record::kIndependentFlags,
                 staff.independentKeys ? staff_record::kIndependentKeys : 0);
        if (staff.name) {
            WriteU16(record.data(), staff_record::kFullNameTextBlock,
                     context.PutTextBlock(raw_text::kBlockKind, *staff.name));
        }
        if (staff.abbreviatedName) {
            WriteU16(record.data(), staff_record::kAbbreviatedNameTextBlock,
                     context.PutTextBlock(raw_text::kBlockKind, *staff.abbreviatedName));
        }
        if (staff.layout != 0) {
            if (layouts.count(staff.layout) == 0) {
                return context.Fail(staff.line, "<staff> layout " + std::to_string(staff.layout) + " is not defined");
            }
            // The percussion record is numbered by the staff.
            Bytes percussion(percussion_staff::kSize, 0);
            WriteU16(percussion.data(), percussion_staff::kLayout, static_cast<unsigned>(staff.layout));
            context.Put(percussion_staff::kTag, RecordKey::FromNumbers(item), std::move(percussion));
            WriteU16(record.data(), staff_record::kPercussionTagSuffix, percussion_staff::kTag & 0xFFFF);
            WriteU16(record.data(), staff_record::kPercussionItemNo, item);
        }
        // A map number without a <midiMap> is kept: the host then cannot
        // locate the map, which plug-ins must be able to meet.
        if (staff.instrument) {
            Bytes definition(instrument_def::kSize, 0);
            WriteU16(definition.data(), instrument_def::kMidiMap, static_cast<unsigned>(staff.midiMap));
            context.Put(instrument_def::kTag, RecordKey::FromNumbers(item), std::move(definition));
        }
        context.Put(staff_record::kTag, RecordKey::FromNumbers(item), std::move(record));
    }
    return true;
}

}  // namespace workbench
