// Building the score's staff order, as the system staff records of list 0,
// and staff groups with their name text blocks.
#include <set>

#include "host/record_bytes.h"
#include "workbench/host_layouts.h"
#include "workbench/record_building.h"

namespace workbench {
namespace {

// The first number of every group's key: the groups of the score.
constexpr unsigned kScoreGroups = 0;

bool IsStaff(const BuildContext& context, long number)
{
    for (const StaffDescription& staff : context.score.staves) {
        if (staff.number == number) {
            return true;
        }
    }
    return false;
}

// Every staff of the document once; otherwise false with the message.
bool CheckStaffOrder(BuildContext& context, const StaffOrderDescription& order)
{
    std::set<long> named;
    for (long staff : order.staves) {
        if (!IsStaff(context, staff)) {
            return context.Fail(order.line, "<staffOrder> staff " + std::to_string(staff) +
                                                " is not a staff of the document");
        }
        if (!named.insert(staff).second) {
            return context.Fail(order.line, "<staffOrder> names staff " + std::to_string(staff) + " twice");
        }
    }
    for (const StaffDescription& staff : context.score.staves) {
        if (named.count(staff.number) == 0) {
            return context.Fail(order.line, "<staffOrder> leaves out staff " + std::to_string(staff.number));
        }
    }
    return true;
}

}  // namespace

bool BuildStaffOrder(BuildContext& context)
{
    std::vector<long> order;
    if (context.score.staffOrder) {
        if (!CheckStaffOrder(context, *context.score.staffOrder)) {
            return false;
        }
        order = context.score.staffOrder->staves;
    } else {
        for (const StaffDescription& staff : context.score.staves) {
            order.push_back(staff.number);
        }
    }
    for (size_t inci = 0; inci < order.size(); ++inci) {
        Bytes record(system_staff_record::kSize, 0);
        WriteU16(record.data(), system_staff_record::kStaff, static_cast<unsigned>(order[inci]));
        context.Put(system_staff_record::kTag,
                    RecordKey::FromNumbers(system_staff_record::kScoreList, static_cast<unsigned>(inci)),
                    std::move(record));
    }
    return true;
}

// The fields written here sit at the same offsets in the layouts of every
// host version, so one <group> makes the same bytes whatever the version.
bool BuildGroups(BuildContext& context)
{
    ItemNumbers numbers("group", 32767);
    for (GroupDescription& group : context.score.groups) {
        if (!numbers.Assign(context, group.line, &group.number)) {
            return false;
        }
        for (long staff : {group.first, group.last}) {
            if (!IsStaff(context, staff)) {
                return context.Fail(group.line,
                                    "<group> staff " + std::to_string(staff) + " is not a staff of the document");
            }
        }
        Bytes record(group_record::kSize, 0);
        WriteU16(record.data(), group_record::kFirstStaff, static_cast<unsigned>(group.first));
        WriteU16(record.data(), group_record::kLastStaff, static_cast<unsigned>(group.last));
        if (group.name) {
            WriteU16(record.data(), group_record::kFullNameBlock,
                     context.PutTextBlock(raw_text::kBlockKind, *group.name));
        }
        if (group.abbreviation) {
            WriteU16(record.data(), group_record::kAbbreviatedNameBlock,
                     context.PutTextBlock(raw_text::kBlockKind, *group.abbreviation));
        }
        context.Put(group_record::kTag, RecordKey::FromNumbers(kScoreGroups, static_cast<unsigned>(group.number)),
                    std::move(record));
    }
    return true;
}

}  // namespace workbench
