// The analysis run of the selected percussion staff, against documents,
// MIDI map files and note type tables of the workbench host.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "host/finale_version.h"
#include "host/record_bytes.h"
#include "host/service_wrappers.h"
#include "host/undo_block.h"
#include "tests/tool/allocation_counter.h"
#include "tests/tool/test_files.h"
#include "framework/ui/controls.h"
#include "tool/block_handler.h"
#include "workbench/document_reader.h"
#include "workbench/workbench.h"

namespace {

const char kNoteTypes[] =
    "1234567890\n"
    "35,1,Acoustic Bass Drum,0,35,0,0,0\n"
    "38,1,Acoustic Snare,0,38,0,0,0\n"
    "42,1,Closed Hi-Hat,0,42,0,0,0\n"
    "100,1,Tom%g,0,45,0,0,0\n"
    "101,1,Crash%d,0,49,0,0,0\n"
    "102,1,Bell%g%d,0,53,0,0,0\n"
    "4131,1,Shadow of 35,0,99,0,0,0\n";

const char kMapFile[] =
    "<?xml version='1.0'?>\n"
    "<FinaleNameDocument><MasterDeviceNames>\n"
    "<Model>Studio Device</Model>\n"
    "<NoteNameList Name='Other' DisplayName='Not this one'><Note Number='70' PercNoteType='35'/></NoteNameList>\n"
    "<NoteNameList Name='Kit A' DisplayName='Kit A Display'>\n"
    "  <Note Number='36' PercNoteType='35'/>\n"
    "  <Note Number='40' PercNoteType='38'/>\n"
    "  <Note Number='41' PercNoteType='38'/>\n"
    "  <Note Number='0' PercNoteType='42'/>\n"
    "</NoteNameList>\n"
    "</MasterDeviceNames></FinaleNameDocument>\n";

class AnalysisRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        _PercussionNoteTypes.ClearAll();
        _PercussionNoteList.ClearAll();
        folder.Write("types.txt", kNoteTypes);
        folder.Write("map.xml", kMapFile);
        folder.Write("broken.xml", "<FinaleNameDocument><MasterDeviceNames>");
        folder.Write("badstamp.txt", "2024-06-15\n35,1,Kick,0,35\n");
    }
    void TearDown() override
    {
        _PercussionNoteTypes.ClearAll();
        _PercussionNoteList.ClearAll();
        SetFinaleFrameworkVersion(0x0F000200);
        workbench::Workbench::Instance().CloseAll();
    }

    // A document with the note type table and the map file of the folder;
    // `body` adds the staves, layouts and selection.
    void Open(const std::string& body, const char* noteTypes = "types.txt", unsigned long hostVersion = 0x10000000)
    {
        std::string xml = std::string("<document><noteTypes file='") + noteTypes +
                          "'/><midiMap number='1' file='map.xml' reference='Kit A'/>"
                          "<midiMap number='2' file='broken.xml' reference='Kit A'/>"
                          "<midiMap number='3' file='map.xml' reference='Missing'/>"
                          "<midiMap number='4' file='nothere.xml' reference='Kit A'/>"
                          "<measures count='4' time='4/4'/>" +
                          body + "</document>";
        std::string error;
        auto document = workbench::ReadDocumentText(xml.c_str(), "test.xml", folder.Path(), hostVersion, &error);
        ASSERT_NE(document, nullptr) << error;
        workbench::Workbench::Instance().CloseAll();
        workbench::Workbench::Instance().Open(std::move(document));
    }

    // Runs the handler as the window does: inside the edit block "Drumwell".
    bool Run()
    {
        FCUndoBlock block;
        FCString name("Drumwell");
        return block.Execute(&handler, &name);
    }

    std::string Message() { return handler.GetErrorMessage()->GetCString(); }
    FCPercussionNoteInfo* Line(int index) { return _PercussionNoteList.GetItemAt(index); }

    // Controls of no dialog: the header they are handed goes nowhere.
    struct HeaderControls {
        FCCtrlStatic staffName{102};
        FCCtrlStatic layoutName{104};
        FCCtrlStatic mapName{106};
        FCCtrlStatic layoutTotal{108};
        FCCtrlStatic mapTotal{110};
    };

    TestFolder folder;
    HeaderControls header;
    FCDrumwellBlockHandler handler{&header.staffName, &header.layoutName, &header.mapName, &header.layoutTotal,
                                   &header.mapTotal};
};

const char kKitLayout[] =
    "<layout number='3' name='Rock Kit'>"
    "<note type='35' position='-5'/>"
    "<note type='38' position='-1'/>"
    "<note type='42' position='5'/>"
    "<note type='100' order='0' position='3'/>"
    "<note type='100' order='1' position='2'/>"
    "<note type='101' order='1' position='7'/>"
    "<note type='102' order='2' position='8'/>"
    "<note type='777' position='-4'/>"
    "</layout>";

TEST_F(AnalysisRun, FullRunBuildsOneLinePerLayoutNoteAndIsCancelled)
{
    Open(std::string(kKitLayout) +
         "<staff name='^font(Arial)^size(12)Drum^flat() Kit' style='percussion' layout='3' midiMap='1'/>"
         "<selection staves='1' measures='1-2'/>");
    const workbench::Document& document = *workbench::Workbench::Instance().Current();
    auto before = document.records.Records();

    EXPECT_FALSE(Run());
    EXPECT_FALSE(handler.IsError()) << Message();
    EXPECT_STREQ(handler.GetErrorMessage()->GetCString(), "");
    EXPECT_STREQ(handler.GetStaffName()->GetCString(), "Drumb Kit");
    EXPECT_STREQ(handler.GetLayoutName()->GetCString(), "Rock Kit");
    EXPECT_STREQ(handler.GetMapMasterName()->GetCString(), "Studio Device");
    EXPECT_STREQ(handler.GetMapDisplayName()->GetCString(), "Kit A Display");
    EXPECT_EQ(handler.GetLayoutItemCount(), 8);
    EXPECT_EQ(handler.GetMapNotes()->GetCount(), 3);

    ASSERT_EQ(_PercussionNoteList.GetCount(), 8);
    struct Expected {
        const char* name;
        int mapped;
        int generalMidi;
        int position;
    };
    const Expected expected[] = {
        {"Acoustic Bass Drum", 36, 35, -5}, {"Acoustic Snare", 40, 38, -1}, {"Closed Hi-Hat", -1, 42, 5},
        {"Tom", -1, 45, 3},                 {"Tom 2", -1, 45, 2},           {"Crash (2)", -1, 49, 7},
        {"Bell 3 (3)", -1, 53, 8},          {"<Unknown>", -1, -1, -4},
    };
    for (int i = 0; i < 8; ++i) {
        FCPercussionNoteInfo* line = Line(i);
        EXPECT_STREQ(line->noteName.GetCString(), expected[i].name) << i;
        EXPECT_EQ(line->mappedMidiNote, expected[i].mapped) << i;
        EXPECT_EQ(line->generalMidiNote, expected[i].generalMidi) << i;
        EXPECT_EQ(line->staffPosition, expected[i].position) << i;
        EXPECT_EQ(line->layoutIndex, i);
    }
    EXPECT_EQ(Line(7)->noteType, 777);

    // Nothing of the document changed, nothing stayed open, nothing was saved.
    EXPECT_EQ(document.records.Records(), before);
    EXPECT_FALSE(document.changed);
    EXPECT_TRUE(document.undoSteps.empty());
    EXPECT_EQ(_FinaleEditDepth, 0);
    for (const workbench::ServiceCall& call : workbench::Workbench::Instance().Calls()) {
        EXPECT_STRNE(call.service, "FX_SaveEData");
        EXPECT_STRNE(call.service, "FX_CreateEData");
        EXPECT_STRNE(call.service, "FX_DeleteEData");
    }
}

TEST_F(AnalysisRun, GeneralMidiStaffHasNoMapButSucceeds)
{
    Open(std::string(kKitLayout) + "<staff name='Kit' style='percussion' layout='3'/><selection staves='1' measures='1'/>");
    Run();
    EXPECT_FALSE(handler.IsError()) << Message();
    EXPECT_STREQ(handler.GetMapMasterName()->GetCString(), "General MIDI (No Percussion MIDI Mapping)");
    EXPECT_STREQ(handler.GetMapDisplayName()->GetCString(), "");
    EXPECT_EQ(handler.GetMapNotes()->GetCount(), 0);
    ASSERT_EQ(_PercussionNoteList.GetCount(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(Line(i)->mappedMidiNote, -1);
    }
}

TEST_F(AnalysisRun, EmptyLayoutAndUnnamedLayoutAreNoFailures)
{
    Open("<layout number='4'/><staff name='Empty' style='percussion' layout='4' midiMap='1'/>"
         "<selection staves='1' measures='1'/>");
    Run();
    EXPECT_FALSE(handler.IsError()) << Message();
    EXPECT_EQ(handler.GetLayoutItemCount(), 0);
    EXPECT_STREQ(handler.GetLayoutName()->GetCString(), "");
    EXPECT_EQ(_PercussionNoteList.GetCount(), 0);
}

TEST_F(AnalysisRun, AMapWithoutTheReferencedListGivesNoMappedNotes)
{
    Open(std::string(kKitLayout) + "<staff name='Kit' style='percussion' layout='3' midiMap='3'/>"
                                   "<selection staves='1' measures='1'/>");
    Run();
    EXPECT_FALSE(handler.IsError()) << Message();
    EXPECT_STREQ(handler.GetMapMasterName()->GetCString(), "Studio Device");
    EXPECT_STREQ(handler.GetMapDisplayName()->GetCString(), "");
    EXPECT_EQ(Line(0)->mappedMidiNote, -1);
}

TEST_F(AnalysisRun, NewerHostsFindTheOtherLayoutNoteTag)
{
    SetFinaleFrameworkVersion(0x11000000);
    Open(std::string(kKitLayout) + "<staff name='Kit' style='percussion' layout='3' midiMap='1'/>"
                                   "<selection staves='1' measures='1'/>",
         "types.txt", 0x11000000);
    Run();
    EXPECT_FALSE(handler.IsError()) << Message();
    EXPECT_EQ(handler.GetLayoutItemCount(), 8);
}

struct Failure {
    const char* body;
    const char* noteTypes;
    const char* message;
    const char* staffName;
    int layoutItems;
    const char* layoutName;
    const char* masterName;
};

TEST_F(AnalysisRun, EachFailureLeavesItsMessageAndWhatEarlierStepsFound)
{
    const Failure failures[] = {
        {"<staff name='Gone' style='percussion' layout='3' midiMap='1'/><selection staves='1' measures='1'/>",
         "types.txt", "Couldn't load staff.", "", 0, "", ""},
        {"<staff name='Guitar' style='tablature'/><selection staves='1' measures='1'/>", "types.txt",
         "Staff is not a percussion staff.", "", 0, "", ""},
        {"<staff name='Flute'/><selection staves='1' measures='1'/>", "types.txt", "Staff is not a percussion staff.", "", 0, "",
         ""},
        {"<staff name='No Layout' style='percussion'/><selection staves='1' measures='1'/>", "types.txt",
         "Couldn't load percussion staff.", "No Layout", 0, "", ""},
        {"<staff name='Bare' style='percussion' layout='3' instrument='none'/><selection staves='1' measures='1'/>", "types.txt",
         "Couldn't load instrument definition.", "Bare", 8, "Rock Kit", ""},
        {"<staff name='Lost' style='percussion' layout='3' midiMap='4'/><selection staves='1' measures='1'/>", "types.txt",
         "Could not locate Percussion MIDI map file.", "Lost", 8, "Rock Kit", ""},
        {"<staff name='Broken' style='percussion' layout='3' midiMap='2'/><selection staves='1' measures='1'/>", "types.txt",
         "Could not load Percussion MIDI map file.", "Broken", 8, "Rock Kit", ""},
        {"<staff name='Stamp' style='percussion' layout='3' midiMap='1'/><selection staves='1' measures='1'/>", "badstamp.txt",
         "Couldn't load data with percussion note types.", "Stamp", 8, "Rock Kit", "Studio Device"},
        {"<staff name='Gone' style='percussion' layout='3' midiMap='1'/><selection staves='1' measures='1'/>", "nothere.txt",
         "Couldn't load data with percussion note types.", "Gone", 8, "Rock Kit", "Studio Device"},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.message);
        Open(std::string(kKitLayout) + failure.body, failure.noteTypes);
        if (std::string(failure.message) == "Couldn't load staff.") {
            // The slot names a staff whose record the host no longer has.
            workbench::Workbench::Instance().Current()->records.Delete(0x534F4953, workbench::RecordKey::FromNumbers(1));
        }
        _PercussionNoteTypes.ClearAll();
        FCDrumwellBlockHandler run(&header.staffName, &header.layoutName, &header.mapName, &header.layoutTotal,
                                       &header.mapTotal);
        FCUndoBlock block;
        FCString name("Drumwell");
        EXPECT_FALSE(block.Execute(&run, &name));
        EXPECT_TRUE(run.IsError());
        EXPECT_STREQ(run.GetErrorMessage()->GetCString(), failure.message);
        EXPECT_STREQ(run.GetStaffName()->GetCString(), failure.staffName);
        EXPECT_EQ(run.GetLayoutItemCount(), failure.layoutItems);
        EXPECT_STREQ(run.GetLayoutName()->GetCString(), failure.layoutName);
        EXPECT_STREQ(run.GetMapMasterName()->GetCString(), failure.masterName);
        EXPECT_EQ(_PercussionNoteList.GetCount(), 0);
        EXPECT_EQ(_FinaleEditDepth, 0);
    }
}

TEST_F(AnalysisRun, APercussionStaffWithoutItsRecordIsNotLookedFor)
{
    Open("<staff name='No Layout' style='percussion'/><selection staves='1' measures='1'/>");
    workbench::Workbench::Instance().ClearCalls();
    Run();
    for (const workbench::ServiceCall& call : workbench::Workbench::Instance().Calls()) {
        EXPECT_NE(call.tag, 0x6F744453u) << call.service;
    }
}

TEST_F(AnalysisRun, ThePercussionRecordIsAskedForUnderTheStaffsTagSuffix)
{
    const unsigned long kStaffTag = 0x534F4953;
    const unsigned long kOtherTag = 0x6F745053;  // o, t, P, S
    const workbench::RecordKey first = workbench::RecordKey::FromNumbers(1);
    Open(std::string(kKitLayout) + "<staff name='Kit' style='percussion' layout='3' midiMap='1'/>"
                                   "<selection staves='1' measures='1'/>");
    workbench::DocumentStore& records = workbench::Workbench::Instance().Current()->records;
    // The staff's percussion record moves to another tag, which the staff names.
    records.Put(kOtherTag, first, *records.Find(0x6F744453, first));
    records.Delete(0x6F744453, first);
    workbench::Bytes staff = *records.Find(kStaffTag, first);
    WriteU16(staff.data(), 90, 0x5053);
    records.Put(kStaffTag, first, staff);
    workbench::Workbench::Instance().ClearCalls();
    Run();
    EXPECT_FALSE(handler.IsError()) << Message();
    EXPECT_EQ(handler.GetLayoutItemCount(), 8);
    int asked = 0;
    for (const workbench::ServiceCall& call : workbench::Workbench::Instance().Calls()) {
        asked += std::string(call.service) == "FX_LoadEData" && call.tag == kOtherTag ? 1 : 0;
        EXPECT_NE(call.tag, 0x6F744453u);
    }
    EXPECT_EQ(asked, 1);

    // A zero suffix or a zero item number each fails before the host is asked.
    const struct {
        unsigned suffix;
        unsigned item;
    } zeros[] = {{0, 1}, {0x5053, 0}};
    for (const auto& zero : zeros) {
        WriteU16(staff.data(), 90, zero.suffix);
        WriteU16(staff.data(), 92, zero.item);
        records.Put(kStaffTag, first, staff);
        workbench::Workbench::Instance().ClearCalls();
        FCDrumwellBlockHandler run(&header.staffName, &header.layoutName, &header.mapName, &header.layoutTotal,
                                   &header.mapTotal);
        FCUndoBlock block;
        FCString name("Drumwell");
        block.Execute(&run, &name);
        EXPECT_STREQ(run.GetErrorMessage()->GetCString(), "Couldn't load percussion staff.");
        for (const workbench::ServiceCall& call : workbench::Workbench::Instance().Calls()) {
            EXPECT_NE(call.tag, kOtherTag) << zero.suffix;
        }
    }
}

TEST_F(AnalysisRun, NoteTypesMatchOnTheirLow12BitsFirstInTableOrder)
{
    folder.Write("shadowed.txt", "1234567890\n4131,1,Shadow of 35,0,99,0,0,0\n35,1,Acoustic Bass Drum,0,35,0,0,0\n");
    Open(std::string(kKitLayout) + "<staff name='Kit' style='percussion' layout='3' midiMap='1'/>"
                                   "<selection staves='1' measures='1'/>",
         "shadowed.txt");
    Run();
    ASSERT_FALSE(handler.IsError()) << Message();
    EXPECT_EQ(Line(0)->noteType, 35);
    EXPECT_STREQ(Line(0)->noteName.GetCString(), "Shadow of 35");
    EXPECT_EQ(Line(0)->generalMidiNote, 99);
}

TEST_F(AnalysisRun, MalformedMapFilesFailCleanlyWithoutLeaks)
{
    std::string deep;
    for (int i = 0; i < 5000; ++i) {
        deep += "<a>";
    }
    std::string junk;
    for (int i = 0; i < 3000; ++i) {
        junk += static_cast<char>((i * 131 + 7) % 256);
    }
    const std::string corpus[] = {
        "",
        "<FinaleNameDocument><MasterDeviceNames><Model>Cut",
        "<FinaleNameDocument></MasterDeviceNames></FinaleNameDocument>",
        std::string("<FinaleNameDocument>\0</FinaleNameDocument>", 42),
        junk,
        deep,
        "<FinaleNameDocument><MasterDeviceNames><NoteNameList Name='Kit A' DisplayName='" +
            std::string(200000, 'x') + "'><Note Number='36' PercNoteType='35'/></NoteNameList>"
            "</MasterDeviceNames></FinaleNameDocument>",
        "<FinaleNameDocument><MasterDeviceNames><NoteNameList Name='Kit A'><Note Number='99999999999999' "
        "PercNoteType='35'/><Note Number='36' PercNoteType='&#x41;'/></NoteNameList>"
        "</MasterDeviceNames></FinaleNameDocument>",
    };
    // The first run reads the note type table, which is kept.
    Open(std::string(kKitLayout) + "<staff name='Kit' style='percussion' layout='3' midiMap='1'/>"
                                   "<selection staves='1' measures='1'/>");
    Run();
    ASSERT_FALSE(handler.IsError()) << Message();
    _PercussionNoteList.ClearAll();
    int loaded = 0;
    for (const std::string& bytes : corpus) {
        folder.Write("map.xml", bytes);
        workbench::Workbench::Instance().ClearCalls();
        long before = LiveAllocations();
        {
            FCDrumwellBlockHandler run(&header.staffName, &header.layoutName, &header.mapName, &header.layoutTotal,
                                       &header.mapTotal);
            FCUndoBlock block;
            FCString name("Drumwell");
            block.Execute(&run, &name);
            loaded += run.IsError() ? 0 : 1;
            if (run.IsError()) {
                EXPECT_STREQ(run.GetErrorMessage()->GetCString(), "Could not load Percussion MIDI map file.");
            }
        }
        _PercussionNoteList.ClearAll();
        EXPECT_EQ(LiveAllocations(), before) << bytes.substr(0, 40);
    }
    // The last two are well-formed: a huge display name and numbers that do not read.
    EXPECT_EQ(loaded, 2);
}

}  // namespace
