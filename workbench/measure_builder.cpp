// Building measures and cells: measure records with their signatures,
// barlines, show states and flags; the independent key records of cells and
// the music the host hands out in frames.
#include <set>
#include <utility>

#include "host/record_bytes.h"
#include "workbench/host_layouts.h"
#include "workbench/record_building.h"

namespace workbench {
namespace {

long MeasureTotal(const ScoreDescription& score)
{
    long total = 0;
    for (const MeasureRun& run : score.measures) {
        total += run.count;
    }
    return total;
}

Bytes MeasureRecord(const MeasureRun& run)
{
    using namespace measure_record;
    Bytes bytes(kSize, 0);
    unsigned char* data = bytes.data();
    WriteU16(data, kKey, run.keyWord);
    WriteU16(data, kBeats, static_cast<unsigned>(run.beats));
    WriteU16(data, kBeatDuration, static_cast<unsigned>(run.beatDuration));
    WriteU16(data, kDisplayBeats, static_cast<unsigned>(run.displayBeats));
    WriteU16(data, kDisplayBeatDuration, static_cast<unsigned>(run.displayBeatDuration));
    // Show state 1 is a bit of the barline word, state 2 one of the first.
    unsigned flags = kPositioningCodes[run.positioning];
    flags |= run.showKey == 2 ? kKeyShowState2 : 0;
    flags |= run.showTime == 2 ? kTimeShowState2 : 0;
    flags |= run.fullNames ? kFullNames : 0;
    unsigned barlineFlags = static_cast<unsigned>(run.barline) << kBarlineShift;
    barlineFlags |= run.showKey == 1 ? kKeyShowState1 : 0;
    barlineFlags |= run.showTime == 1 ? kTimeShowState1 : 0;
    WriteU16(data, kFlags, flags);
    WriteU16(data, kBarlineFlags, barlineFlags);
    WriteU16(data, kLeftBarlineFlags, static_cast<unsigned>(run.leftBarline) << kBarlineShift);
    return bytes;
}

bool IsStaff(const ScoreDescription& score, long number)
{
    for (const StaffDescription& staff : score.staves) {
        if (staff.number == number) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool BuildMeasures(BuildContext& context)
{
    unsigned measure = 0;
    for (const MeasureRun& run : context.score.measures) {
        for (long i = 0; i < run.count; ++i) {
            context.Put(measure_record::kTag, RecordKey::FromNumbers(++measure), MeasureRecord(run));
        }
    }
    return true;
}

bool BuildCells(BuildContext& context)
{
    const long measures = MeasureTotal(context.score);
    std::set<std::pair<long, long>> built;
    for (const CellDescription& cell : context.score.cells) {
        if (!IsStaff(context.score, cell.staff)) {
            return context.Fail(cell.line, "<cell> staff " + std::to_string(cell.staff) + " is not defined");
        }
        const long first = cell.measures.first < cell.measures.last ? cell.measures.first : cell.measures.last;
        const long last = cell.measures.first < cell.measures.last ? cell.measures.last : cell.measures.first;
        if (last > measures) {
            return context.Fail(cell.line, "<cell> measures go beyond the " + std::to_string(measures) + " measures");
        }
        for (long measure = first; measure <= last; ++measure) {
            if (!built.insert({cell.staff, measure}).second) {
                return context.Fail(cell.line, "<cell> staff " + std::to_string(cell.staff) + " in measure " +
                                                   std::to_string(measure) + " is given twice");
            }
            const int staff = static_cast<int>(cell.staff);
            if (cell.keyWord) {
                Bytes detail(independent_cell_detail::kSize, 0);
                WriteU16(detail.data(), independent_cell_detail::kKey, *cell.keyWord);
                WriteU16(detail.data(), independent_cell_detail::kFlags, independent_cell_detail::kHasKey);
                context.Put(independent_cell_detail::kTag,
                            RecordKey::FromNumbers(static_cast<unsigned>(staff), static_cast<unsigned>(measure)),
                            std::move(detail));
            }
            for (const auto& [layer, durations] : cell.layers) {
                context.document.music[CellLayer{staff, static_cast<int>(measure), layer}] = durations;
            }
        }
    }
    return true;
}

}  // namespace workbench
