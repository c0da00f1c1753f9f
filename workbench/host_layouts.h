// Tags, sizes and byte offsets of the host records and service records that
// the workbench builds, reads and fills.
#pragma once

#include "framework/data/region_layout.h"
#include "framework/data/staff_layout.h"
#include "framework/data/text_layout.h"
#include "framework/score/expression_layout.h"
#include "framework/score/group_layout.h"
#include "framework/score/independent_cell_detail_layout.h"
#include "framework/score/measure_layout.h"
#include "framework/score/measure_number_layout.h"
#include "framework/score/page_text_layout.h"
#include "framework/score/text_repeat_layout.h"
#include "host/frame_layout.h"
#include "host/menu_entry_layout.h"
#include "host/record_key_layout.h"
#include "host/window_info_layout.h"

namespace workbench {

namespace percussion_staff {
constexpr unsigned long kTag = 0x6F744453;
constexpr unsigned long kTagHigh = 0x6F740000;
constexpr int kSize = 12;
constexpr int kLayout = 0;
}  // namespace percussion_staff

namespace instrument_def {
constexpr unsigned long kTag = 0x6F744F43;
constexpr int kSize = 12;
constexpr int kMidiMap = 6;  // 0: General MIDI
}  // namespace instrument_def

namespace layout_note {
constexpr unsigned long kTagBefore17 = 0x6F744469;
constexpr unsigned long kTagFrom17 = 0x4F024469;
constexpr unsigned long kFirstVersionOfNewTag = 0x11000000;
constexpr int kSize = 12;
constexpr int kTypeAndOrder = 0;  // type in bits 0-11, order number in 12-15
constexpr int kStaffPosition = 2;
constexpr unsigned long TagFor(unsigned long hostVersion)
{
    return hostVersion < kFirstVersionOfNewTag ? kTagBefore17 : kTagFrom17;
}
}  // namespace layout_note

namespace layout_name {
constexpr unsigned long kTag = 0x6F73444C;  // a raw text numbered by the layout
}  // namespace layout_name

// What the workbench puts into the frames it hands out: a frame record just
// long enough for its entry array, and each entry's duration.
namespace handed_frame {
constexpr int kRecordSize = 20;
constexpr int kEntryDuration = 0;  // 32-bit, in the host's units
}  // namespace handed_frame

// FinPathSpec2009.
constexpr int kPathRecordSize = 260;

}  // namespace workbench
