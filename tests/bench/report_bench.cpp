// Benchmark of the inspector's report run on a large percussion staff, beside
// the floor of the file reading that every run must do; the same run in the
// inspector window of the real plug-in, beside the run without a window; and
// the parts in bench_support.h.
#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <tinyxml2.h>

#include "framework/streams/file_stream.h"
#include "framework/ui/controls.h"
#include "host/undo_block.h"
#include "tool/block_handler.h"
#include "tool/drumwell_window.h"
#include "tool/percussion_notes.h"
#include "tool/percussion_records.h"
#include "tests/bench/bench_support.h"
#include "workbench/alert_watch.h"
#include "workbench/document_reader.h"
#include "workbench/main_window.h"
#include "workbench/message_loop.h"
#include "workbench/plugins.h"
#include "workbench/script.h"
#include "workbench/workbench.h"

namespace {

using bench::Median;
using bench::Stopwatch;

constexpr int kLayoutSizes[] = {128, 1024, 4095};
constexpr int kSamples = 15;
constexpr int kNoteTypeCount = 2000;
constexpr int kOtherListNotes = 100;
constexpr long kMapFileBytes = 1L << 20;
constexpr int kLayoutNumber = 1;
constexpr char kStaffListName[] = "Bench Kit";
constexpr char kNoteTypeFileName[] = "bench_note_types.txt";
constexpr char kMapFileName[] = "bench_midi_maps.xml";

// Every fifth name takes the order number as "%g", every seventh as "%d".
std::string NoteTypeTable()
{
    std::string text = "2026120801\n# Percussion note types of the benchmark.\n\n";
    char line[80];
    for (int type = 1; type <= kNoteTypeCount; ++type) {
        const char* placeholder = type % 5 == 0 ? "%g" : (type % 7 == 0 ? "%d" : "");
        std::snprintf(line, sizeof line, "%d,%d,Bench Drum %04d%s,0,%d,%d,1,0\n", type, 1 + type % 4, type,
                      placeholder, 35 + type % 47, type % 13 - 6);
        text += line;
    }
    return text;
}

// Notes cycle through the table's types, and their order number counts the
// rounds; every fiftieth note has a type the table lacks.
int LayoutNoteType(int index)
{
    return index % 50 == 49 ? 3000 + index % 1000 : 1 + index * 37 % kNoteTypeCount;
}

// The staff's list maps the odd note types.
bool IsMappedType(int type)
{
    return type <= kNoteTypeCount && type % 2 == 1;
}

void AppendNote(std::string* xml, int number, int type)
{
    *xml += "      <Note Number=\"" + std::to_string(number) + "\" PercNoteType=\"" + std::to_string(type) + "\"/>\n";
}

std::string StaffNoteNameList()
{
    std::string xml = std::string("    <NoteNameList Name=\"") + kStaffListName + "\" DisplayName=\"Benchmark Kit\">\n";
    for (int type = 1; type <= kNoteTypeCount; ++type) {
        if (IsMappedType(type)) {
            AppendNote(&xml, 35 + type % 47, type);
        }
    }
    return xml + "    </NoteNameList>\n";
}

std::string OtherNoteNameList(int number)
{
    std::string xml = "    <NoteNameList Name=\"Kit " + std::to_string(number) + "\" DisplayName=\"Other Kit " +
                      std::to_string(number) + "\">\n";
    for (int i = 0; i < kOtherListNotes; ++i) {
        AppendNote(&xml, 35 + (number + i) % 47, 1 + (number * kOtherListNotes + i) % kNoteTypeCount);
    }
    return xml + "    </NoteNameList>\n";
}

// About a megabyte of note name lists, the staff's list in the middle.
std::string MidiMapFile(int* listCount)
{
    std::string staffList = StaffNoteNameList();
    std::vector<std::string> lists;
    long bytes = static_cast<long>(staffList.size());
    while (bytes < kMapFileBytes) {
        lists.push_back(OtherNoteNameList(static_cast<int>(lists.size()) + 1));
        bytes += static_cast<long>(lists.back().size());
    }
    lists.insert(lists.begin() + static_cast<std::ptrdiff_t>(lists.size() / 2), staffList);
    *listCount = static_cast<int>(lists.size());
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<FinaleNameDocument>\n  <MasterDeviceNames>\n"
                      "    <Manufacturer>Ostrel</Manufacturer>\n    <Model>Ostrel Bench Module</Model>\n";
    for (const std::string& list : lists) {
        xml += list;
    }
    return xml + "  </MasterDeviceNames>\n</FinaleNameDocument>\n";
}

std::string DocumentText(int notes)
{
    std::string xml = std::string("<document name='Benchmark'><noteTypes file='") + kNoteTypeFileName +
                      "'/><midiMap number='1' file='" + kMapFileName + "' reference='" + kStaffListName +
                      "'/><measures count='4' time='4/4'/><layout number='" + std::to_string(kLayoutNumber) +
                      "' name='Bench Layout'>";
    for (int i = 0; i < notes; ++i) {
        xml += "<note type='" + std::to_string(LayoutNoteType(i)) + "' order='" +
               std::to_string(i / kNoteTypeCount) + "' position='" + std::to_string(i % 25 - 12) + "'/>";
    }
    return xml + "</layout><staff name='Bench Percussion' style='percussion' layout='1' midiMap='1'/>"
                 "<selection staves='1' measures='1-2'/></document>";
}

struct BenchFiles {
    std::string folder;
    std::string mapPath;
    long noteTypeBytes;
    long mapBytes;
    int mapLists;
};

// The floor's parts do what the run must do with the two files, nothing more.
bool ParseMapFile(const BenchFiles& files)
{
    tinyxml2::XMLDocument document(true, tinyxml2::PRESERVE_WHITESPACE);
    return document.LoadFile(files.mapPath.c_str()) == tinyxml2::XML_SUCCESS;
}

bool ReadNoteTypeLines(const BenchFiles& files)
{
    FCString name(kNoteTypeFileName);
    FCTextFileStream stream(files.folder.c_str(), &name);
    if (!stream.OpenFile("r")) {
        return false;
    }
    std::unique_ptr<FCStrings> lines(stream.ReadStrings());
    return lines != nullptr && lines->GetCount() > kNoteTypeCount;
}

struct Result {
    int notes = 0;
    std::vector<double> coldRun, coldFloor, warmRun, warmFloor;
    std::vector<double> records, sort, rows;
    // In the plug-in's window: the press until the list is painted, and one
    // paint of the filled window.
    std::vector<double> window, paint;
    // Host calls of one warm run: all, record loads, MIDI note names.
    int calls = 0;
    int loads = 0;
    int noteNames = 0;
};

// Pressing "Create &Report" on a window without a dialog: the analysis in its
// edit block, the sort and the rows' texts, which the list without a control
// drops as it gets them. False when the run did not give every note a line.
bool TimeReportRun(FCDrumwellWindow* window, int notes, std::vector<double>* samples)
{
    workbench::Workbench::Instance().ClearCalls();
    Stopwatch watch;
    window->ProcessTask();
    samples->push_back(watch.Milliseconds());
    return window->IsReportValid() && _PercussionNoteList.GetCount() == notes;
}

bool TimeFloor(const BenchFiles& files, bool cold, std::vector<double>* samples)
{
    Stopwatch watch;
    bool read = ParseMapFile(files) && (!cold || ReadNoteTypeLines(files));
    samples->push_back(watch.Milliseconds());
    return read;
}

// Pieces of a run, each timed on its own: the layout's records, the sort and
// the rows. What the note type table adds is the cold run's excess over the
// warm one.
void TimePieces(FCDrumwellWindow* window, Result* result)
{
    {
        Stopwatch watch;
        FCPercussionLayoutNotes notes;
        notes.LoadAllForItem(kLayoutNumber);
        result->records.push_back(watch.Milliseconds());
    }
    Stopwatch sort;
    window->SortList();
    result->sort.push_back(sort.Milliseconds());
    Stopwatch rows;
    window->RebuildReportList();
    result->rows.push_back(rows.Milliseconds());
}

// One run through the handler alone, so that a failure shows its message
// here instead of in an alert box that nobody answers.
bool CheckRun(int notes)
{
    // The window's five value fields, without a dialog to show them.
    FCCtrlStatic fields[] = {FCCtrlStatic(102), FCCtrlStatic(104), FCCtrlStatic(106), FCCtrlStatic(108),
                             FCCtrlStatic(110)};
    FCDrumwellBlockHandler handler(&fields[0], &fields[1], &fields[2], &fields[3], &fields[4]);
    _PercussionNoteList.ClearAll();
    FCUndoBlock block;
    FCString name("Drumwell");
    block.Execute(&handler, &name);
    if (handler.IsError()) {
        std::printf("report run failed: %s\n", handler.GetErrorMessage()->GetCString());
        return false;
    }
    int mapped = 0;
    int expected = 0;
    for (int i = 0; i < notes; ++i) {
        mapped += _PercussionNoteList.GetItemAt(i)->mappedMidiNote != -1 ? 1 : 0;
        expected += IsMappedType(LayoutNoteType(i)) ? 1 : 0;
    }
    if (_PercussionNoteList.GetCount() != notes || mapped != expected) {
        std::printf("report run of %d notes gave %d lines, %d of them mapped (%d expected)\n", notes,
                    _PercussionNoteList.GetCount(), mapped, expected);
        return false;
    }
    return true;
}

// Pressing "Create &Report" in the window of the plug-in DLL as the host's
// --press step does; the step ends once the pending messages, the paints
// among them, are processed. The first press reads the note type table.
bool TimeWindowRuns(workbench::Script& script, int notes, Result* result)
{
    bool quit = false;
    if (workbench::NewestPluginWindow() == nullptr &&
        !script.Run({workbench::Step{workbench::StepKind::kInvoke, "--invoke", "Ostrel Drumwell..."}}, &quit)) {
        return false;
    }
    HWND dialog = workbench::NewestPluginWindow();
    HWND list = GetDlgItem(dialog, 113);
    const std::vector<workbench::Step> press = {workbench::Step{workbench::StepKind::kPress, "--press", "", 1}};
    auto run = [&] {
        return script.Run(press, &quit) && SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == notes;
    };
    auto paint = [&] {
        return RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW) != 0;
    };
    if (list == nullptr || !run()) {
        std::printf("the plug-in window did not show %d rows\n", notes);
        return false;
    }
    return bench::Sample(kSamples, 30000, &result->window, run) && bench::Sample(kSamples, 5000, &result->paint, paint);
}

bool Measure(const BenchFiles& files, int notes, workbench::Script& script, Result* result)
{
    std::string error;
    auto document = workbench::ReadDocumentText(DocumentText(notes).c_str(), "benchmark.xml", files.folder,
                                                workbench::kDefaultHostVersion, &error);
    if (document == nullptr) {
        std::printf("benchmark document: %s\n", error.c_str());
        return false;
    }
    workbench::Workbench::Instance().CloseAll();
    workbench::Workbench::Instance().Open(std::move(document));
    _PercussionNoteTypes.ClearAll();
    if (!CheckRun(notes)) {
        return false;
    }

    FCDrumwellWindow window;
    window.LinkControls();
    result->notes = notes;
    // Floors and runs take turns, so that a busy moment of the machine
    // falls on both alike.
    for (int i = 0; i < kSamples; ++i) {
        _PercussionNoteTypes.ClearAll();
        bool ok = TimeFloor(files, true, &result->coldFloor) &&
                  TimeReportRun(&window, notes, &result->coldRun) && TimeFloor(files, false, &result->warmFloor) &&
                  TimeReportRun(&window, notes, &result->warmRun);
        if (!ok) {
            std::printf("a timed run of %d notes went wrong\n", notes);
            return false;
        }
        if (i == 0) {
            for (const workbench::ServiceCall& call : workbench::Workbench::Instance().Calls()) {
                ++result->calls;
                result->loads += std::strcmp(call.service, "FX_LoadEData") == 0 ? 1 : 0;
                result->noteNames += std::strcmp(call.service, "FX_MidiNoteToString") == 0 ? 1 : 0;
            }
        }
        TimePieces(&window, result);
    }
    workbench::Workbench::Instance().ClearCalls();
    return TimeWindowRuns(script, notes, result);
}

void PrintResults(const BenchFiles& files, const std::vector<Result>& results)
{
    std::printf("Report run of the inspector (\"Create &Report\" without a dialog) on one percussion staff.\n"
                "Note type table: %d entries, %ld bytes. MIDI map file: %ld bytes, %d note name lists.\n"
                "Medians of %d runs, in milliseconds. Cold: the run reads the note type table;\n"
                "its floor parses the map file and reads the table's lines. Warm: the table is kept;\n"
                "its floor parses the map file.\n\n",
                kNoteTypeCount, files.noteTypeBytes, files.mapBytes, files.mapLists, kSamples);
    std::printf("%6s | %9s %9s %6s | %9s %9s %6s\n", "notes", "cold run", "floor", "ratio", "warm run", "floor",
                "ratio");
    std::printf("-------+---------------------------+--------------------------\n");
    for (const Result& r : results) {
        double coldRun = Median(r.coldRun);
        double coldFloor = Median(r.coldFloor);
        double warmRun = Median(r.warmRun);
        double warmFloor = Median(r.warmFloor);
        std::printf("%6d | %9.2f %9.2f %6.2f | %9.2f %9.2f %6.2f\n", r.notes, coldRun, coldFloor, coldRun / coldFloor,
                    warmRun, warmFloor, warmRun / warmFloor);
    }
    std::printf("\nPieces, each timed alone (medians, ms), and the host calls of one warm run:\n");
    std::printf("%6s | %8s %8s %8s | %6s %6s %10s %6s\n", "notes", "records", "sort", "rows", "calls", "loads",
                "note names", "other");
    for (const Result& r : results) {
        std::printf("%6d | %8.2f %8.2f %8.2f | %6d %6d %10d %6d\n", r.notes, Median(r.records), Median(r.sort),
                    Median(r.rows), r.calls, r.loads, r.noteNames, r.calls - r.loads - r.noteNames);
    }
    std::printf("\nReport in the window: \"Create &Report\" pressed in the plug-in's window until its list is\n"
                "filled and painted, beside the warm run without a window and one paint of the filled\n"
                "window (medians, ms). Ratio: window / (without window + one paint).\n\n");
    std::printf("%6s | %10s %14s %9s | %6s\n", "notes", "in window", "without window", "one paint", "ratio");
    std::printf("-------+------------------------------------+-------\n");
    for (const Result& r : results) {
        double window = Median(r.window);
        double floor = Median(r.warmRun) + Median(r.paint);
        std::printf("%6d | %10.2f %14.2f %9.2f | %6.2f\n", r.notes, window, Median(r.warmRun), Median(r.paint),
                    window / floor);
    }
}

// The host as FINALE.EXE sets it up: common controls, the plug-in, the main
// window, and the watch that answers alert boxes.
bool RunAll(bench::BenchFolder& folder, BenchFiles& files)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    workbench::Plugins plugins;
    workbench::MainWindow mainWindow(plugins);
    std::string error;
    if (!InitCommonControlsEx(&controls) ||
        !plugins.Load(DRUMWELL_PLUGIN_PATH, workbench::kDefaultHostVersion, &error) || !mainWindow.Create(&error) ||
        !workbench::StartAlertWatch()) {
        std::printf("cannot set up the host: %s\n", error.c_str());
        return false;
    }
    ShowWindow(mainWindow.Handle(), SW_SHOW);
    workbench::Script script(plugins, mainWindow);
    std::vector<Result> results;
    bool done = true;
    for (int notes : kLayoutSizes) {
        results.emplace_back();
        done = done && Measure(files, notes, script, &results.back());
    }
    if (done) {
        PrintResults(files, results);
        std::fflush(stdout);
    }
    workbench::Workbench::Instance().CloseAll();
    done = done && bench::MeasureDocuments(folder, files.mapPath, folder.Path() + "\\" + kNoteTypeFileName, script,
                                               mainWindow) && bench::MeasureNoteTypeFiles(folder);
    workbench::StopAlertWatch();
    mainWindow.Destroy();
    workbench::ProcessPendingMessages();
    plugins.UnloadAll();
    return done;
}

}  // namespace

int main()
{
    bench::BenchFolder folder;
    std::string noteTypes = NoteTypeTable();
    BenchFiles files{folder.Path(), std::string(), static_cast<long>(noteTypes.size()), 0, 0};
    std::string map = MidiMapFile(&files.mapLists);
    files.mapBytes = static_cast<long>(map.size());
    files.mapPath = folder.Write(kMapFileName, map);
    if (folder.Write(kNoteTypeFileName, noteTypes).empty() || files.mapPath.empty()) {
        std::printf("cannot write the benchmark's files in %s\n", folder.Path().c_str());
        return 1;
    }
    return RunAll(folder, files) ? 0 : 1;
}
