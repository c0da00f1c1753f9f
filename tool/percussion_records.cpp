// Field access of the percussion host records.
#include "tool/percussion_records.h"

#include "host/finale_version.h"
#include "host/record_bytes.h"

namespace {
namespace percussion_staff {
constexpr unsigned long kTag = 0x6F744453;  // o, t, D, S
constexpr int kLayoutNumber = 0;
}  // namespace percussion_staff
namespace instrument_def {
constexpr int kMIDIMapNumber = 6;
}
namespace layout_note {
constexpr unsigned long kTag = 0x6F744469;       // o, t, D, i
constexpr unsigned long kNewerTag = 0x4F024469;  // O, 0x02, D, i
constexpr unsigned long kNewerTagVersion = 0x11000000;
constexpr int kTypeAndOrder = 0;  // note type in bits 0-11, order number in 12-15
constexpr int kStaffPosition = 2;
}  // namespace layout_note
}  // namespace

unsigned long FCPercussionStaff::Tag()
{
    return GetCustomTag() != 0 ? GetCustomTag() : percussion_staff::kTag;
}

unsigned short FCPercussionStaff::GetLayoutNumber() const
{
    return ReadU16(_GetBlock(), percussion_staff::kLayoutNumber);
}

unsigned short FCInstrumentDef::GetMIDIMapNumber() const
{
    return ReadU16(_GetBlock(), instrument_def::kMIDIMapNumber);
}

unsigned long FCPercussionLayoutNote::Tag()
{
    return GetFinaleFrameworkVersion() < layout_note::kNewerTagVersion ? layout_note::kTag : layout_note::kNewerTag;
}

unsigned short FCPercussionLayoutNote::GetNoteType() const
{
    return ReadU16(_GetBlock(), layout_note::kTypeAndOrder) & 0x0FFF;
}

short FCPercussionLayoutNote::GetOrderID() const
{
    return static_cast<short>((ReadS16(_GetBlock(), layout_note::kTypeAndOrder) & ~0x0FFF) / 4096);
}

short FCPercussionLayoutNote::GetStaffPosition() const
{
    return ReadS16(_GetBlock(), layout_note::kStaffPosition);
}
