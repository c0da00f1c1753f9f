// MusicXML scores read into documents: staves, percussion layouts, the note
// type table and MIDI map file made for them, measures, and bad scores.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "host/record_bytes.h"
#include "workbench/document_queries.h"
#include "workbench/document_reader.h"
#include "workbench/host_layouts.h"
#include "workbench/musicxml_sounds.h"

namespace {

using workbench::Document;
using workbench::RecordKey;
namespace instrument_def = workbench::instrument_def;

constexpr unsigned long kVersion = 0x10000000;

std::unique_ptr<Document> Read(const std::string& xml, std::string* error)
{
    return workbench::ReadDocumentText(xml.c_str(), "s.musicxml", "Z:\\scores", kVersion, error);
}

std::string Note(const char* instrument, const char* step, int octave, bool chord = false)
{
    std::string note = std::string("<note>") + (chord ? "<chord/>" : "") + "<unpitched><display-step>" + step +
                       "</display-step><display-octave>" + std::to_string(octave) +
                       "</display-octave></unpitched><duration>1</duration>";
    return note + (instrument[0] != '\0' ? std::string("<instrument id=\"") + instrument + "\"/>" : "") + "</note>";
}

const std::string kPartList =
    "<part-list><score-part id='P1'><part-name>Kit</part-name><part-abbreviation>K.</part-abbreviation>"
    "<score-instrument id='S1'><instrument-name>Snare Drum</instrument-name>"
    "<instrument-sound>drum.snare-drum</instrument-sound></score-instrument>"
    "<score-instrument id='W'><instrument-name>Woodpecker</instrument-name></score-instrument>"
    "<score-instrument id='S2'><instrument-name>Snare 2</instrument-name>"
    "<instrument-sound>drum.snare-drum</instrument-sound></score-instrument>"
    "<midi-instrument id='S1'><midi-unpitched>39</midi-unpitched></midi-instrument>"
    "<midi-instrument id='W'><midi-unpitched>77</midi-unpitched></midi-instrument>"
    "<midi-instrument id='S2'><midi-unpitched>39</midi-unpitched></midi-instrument></score-part>"
    "<score-part id='P2'><part-name>Violin</part-name></score-part></part-list>";

const std::string kKitMeasure1 =
    "<attributes><key><fifths>-2</fifths><mode>minor</mode></key><time><beats>3</beats><beat-type>4</beat-type>"
    "</time><clef><sign>percussion</sign></clef></attributes>" + Note("S1", "C", 5) + Note("S1", "E", 5, true) +
    Note("W", "F", 4) + Note("W", "D", 5) + Note("", "C", 5) + Note("X9", "G", 5);
// A bass clef moves the middle line to D3.
const std::string kKitMeasure2 =
    "<attributes><time><beats>3+2</beats><beat-type>8</beat-type></time><clef><sign>F</sign><line>4</line></clef>"
    "</attributes>" + Note("X9", "D", 3) + Note("X9", "D", 3) + Note("X9", "D", 3);
const std::string kViolinMeasure = "<note><pitch><step>A</step><octave>4</octave></pitch></note>";

std::string Partwise()
{
    return "<score-partwise><movement-title>Test</movement-title>" + kPartList + "<part id='P1'><measure>" +
           kKitMeasure1 + "</measure><measure>" + kKitMeasure2 + "</measure></part><part id='P2'><measure>" +
           kViolinMeasure + "</measure><measure/></part></score-partwise>";
}

std::string FileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

unsigned Field(const Document& document, unsigned long tag, const RecordKey& key, int offset)
{
    const workbench::Bytes* bytes = document.records.Find(tag, key);
    return bytes == nullptr ? 0xDEAD : ReadU16(bytes->data(), offset);
}

}  // namespace

TEST(MusicXmlReader, MakesStavesLayoutsNoteTypesAndMidiMaps)
{
    std::string error;
    std::unique_ptr<Document> document = Read(Partwise(), &error);
    ASSERT_NE(document, nullptr) << error;
    EXPECT_EQ(document->name, "Test");
    ASSERT_EQ(workbench::StaffOrder(*document).size(), 2u);
    EXPECT_EQ(Field(*document, staff_record::kTag, RecordKey::FromNumbers(1), staff_record::kNotationFlags),
              staff_record::kPercussionNotation);
    EXPECT_EQ(Field(*document, staff_record::kTag, RecordKey::FromNumbers(2), staff_record::kNotationFlags), 0u);
    EXPECT_EQ(Field(*document, instrument_def::kTag, RecordKey::FromNumbers(2), instrument_def::kMidiMap), 0u);
    // Full and abbreviated names: text blocks 1 and 2.
    EXPECT_EQ(Field(*document, staff_record::kTag, RecordKey::FromNumbers(1), staff_record::kAbbreviatedNameTextBlock),
              2u);

    // Declared instruments, then the one only a note names; a note without
    // an instrument plays the first. A General MIDI type already in the
    // layout is not taken twice.
    const unsigned long tag = workbench::layout_note::TagFor(kVersion);
    const unsigned expected[][2] = {{38, 1}, {107, static_cast<unsigned short>(-3)}, {108, 0}, {109, 0}};
    for (unsigned inci = 0; inci < 4; ++inci) {
        RecordKey key = RecordKey::FromNumbers(1, inci);
        EXPECT_EQ(Field(*document, tag, key, workbench::layout_note::kTypeAndOrder), expected[inci][0]) << inci;
        EXPECT_EQ(Field(*document, tag, key, workbench::layout_note::kStaffPosition), expected[inci][1]) << inci;
    }
    EXPECT_FALSE(document->records.Contains(tag, RecordKey::FromNumbers(1, 4)));

    std::string table = FileText(document->noteTypeFile);
    EXPECT_EQ(table.substr(0, 11), "2026120801\n");
    EXPECT_NE(table.find("\n107,0,Woodpecker,0,-1,-3,0,0\n108,0,Snare 2,0,38,0,0,0\n109,0,X9,0,-1,0,0,0\n"),
              std::string::npos) << table;
    ASSERT_EQ(document->midiMaps.size(), 1u);
    EXPECT_EQ(document->midiMaps[0].reference, "Kit");
    EXPECT_EQ(Field(*document, instrument_def::kTag, RecordKey::FromNumbers(1), instrument_def::kMidiMap), 1u);
    EXPECT_EQ(FileText(document->midiMaps[0].path),
              "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<FinaleNameDocument>\n  <MasterDeviceNames>\n"
              "    <Model>MusicXML</Model>\n    <NoteNameList Name=\"Kit\">\n"
              "      <Note Number=\"38\" PercNoteType=\"38\"/>\n      <Note Number=\"76\" PercNoteType=\"107\"/>\n"
              "      <Note Number=\"38\" PercNoteType=\"108\"/>\n    </NoteNameList>\n  </MasterDeviceNames>\n"
              "</FinaleNameDocument>\n");

    // The made files go with the document.
    std::string folder = document->madeFiles->folder;
    std::string map = document->midiMaps[0].path;
    document.reset();
    EXPECT_EQ(FileText(map), "");
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(MusicXmlReader, ReadsMeasuresAndTimewiseScoresAlike)
{
    std::string error;
    std::unique_ptr<Document> partwise = Read(Partwise(), &error);
    ASSERT_NE(partwise, nullptr) << error;
    // 3/4 in 2 flats minor, then 5/8.
    EXPECT_EQ(Field(*partwise, measure_record::kTag, RecordKey::FromNumbers(1), measure_record::kKey), 0x1FEu);
    EXPECT_EQ(Field(*partwise, measure_record::kTag, RecordKey::FromNumbers(1), measure_record::kBeats), 3u);
    EXPECT_EQ(Field(*partwise, measure_record::kTag, RecordKey::FromNumbers(2), measure_record::kBeats), 5u);
    EXPECT_EQ(Field(*partwise, measure_record::kTag, RecordKey::FromNumbers(2), measure_record::kBeatDuration), 512u);
    EXPECT_FALSE(partwise->records.Contains(measure_record::kTag, RecordKey::FromNumbers(3)));

    std::unique_ptr<Document> timewise =
        Read("<score-timewise><movement-title>Test</movement-title>" + kPartList + "<measure><part id='P1'>" +
                 kKitMeasure1 + "</part><part id='P2'>" + kViolinMeasure + "</part></measure><measure><part id='P1'>" +
                 kKitMeasure2 + "</part><part id='P2'/></measure></score-timewise>",
             &error);
    ASSERT_NE(timewise, nullptr) << error;
    EXPECT_EQ(timewise->records.Records(), partwise->records.Records());
}

TEST(MusicXmlReader, RefusesBadScoresWithWhereAndWhy)
{
    const std::string list = "<part-list><score-part id='P1'/></part-list>";
    const std::pair<std::string, std::string> cases[] = {
        {"<score-partwise/>", "s.musicxml:1: <score-partwise> has no <part-list>"},
        {"<score-partwise>" + list + "</score-partwise>", "s.musicxml:1: part \"P1\" has no measures"},
        {"<score-partwise>" + list + "<part id='P2'/></score-partwise>",
         "s.musicxml:1: <part> id=\"P2\" is not a part of the <part-list>"},
        {"<score-partwise><part-list><score-part id='P1'/><score-part id='P2'/></part-list><part id='P1'><measure/>"
         "</part><part id='P2'><measure/><measure/></part></score-partwise>",
         "s.musicxml:1: part \"P2\" has 2 measures, part \"P1\" 1"},
        {"<score-partwise>" + list + "<part id='P1'><measure>\n" + Note("", "H", 4) +
             "</measure></part></score-partwise>",
         "s.musicxml:2: <display-step> holds \"H\", not a step from A to G"},
        {"<score-partwise>" + list + "<part id='P1'><measure><note><unpitched><display-step>C</display-step>"
         "</unpitched></note></measure></part></score-partwise>",
         "s.musicxml:1: <unpitched> needs both <display-step> and <display-octave>"},
        {"<score-partwise><part-list><score-part id='P1'><midi-instrument id='I'><midi-unpitched>0</midi-unpitched>"
         "</midi-instrument></score-part></part-list></score-partwise>",
         "s.musicxml:1: <midi-unpitched> holds \"0\", not a whole number from 1 to 128"},
        {"<score-partwise>" + list + "<part id='P1'><measure><attributes><key><fifths>9</fifths></key></attributes>"
         "</measure></part></score-partwise>",
         "s.musicxml:1: <fifths> holds \"9\", not a whole number from -7 to 7"},
        {"<score-partwise>" + list + "<part id='P1'><measure><attributes><time><beats>4</beats><beat-type>3"
         "</beat-type></time></attributes></measure></part></score-partwise>",
         "s.musicxml:1: <beat-type> holds 3, not a power of two"},
    };
    for (const auto& [xml, message] : cases) {
        std::string error;
        EXPECT_EQ(Read(xml, &error), nullptr) << xml;
        EXPECT_EQ(error, message);
    }
}

TEST(MusicXmlSounds, SoundIdsDecideAndNamesChooseWithinThem)
{
    using workbench::GeneralMidiNoteOf;
    EXPECT_EQ(GeneralMidiNoteOf("metal.hi-hat", "Hi-Hat (open)"), 46);
    EXPECT_EQ(GeneralMidiNoteOf("metal.hi-hat", "HH foot"), 42);  // "foot" only with "hi-hat"
    EXPECT_EQ(GeneralMidiNoteOf("metal.hi-hat", "Hi Hat Foot"), 44);
    EXPECT_EQ(GeneralMidiNoteOf("drum.tom-tom", "Low Floor Tom"), 41);
    EXPECT_EQ(GeneralMidiNoteOf("drum.tom-tom", "Tom 1"), 45);
    EXPECT_EQ(GeneralMidiNoteOf("drum.snare-drum", "Rimshot"), 38);
    EXPECT_EQ(GeneralMidiNoteOf("drum.snare-drum", "Cross-Stick"), 37);
    // The sound outranks the name; without a known sound the name decides.
    EXPECT_EQ(GeneralMidiNoteOf("metal.cymbal.ride", "Crash"), 51);
    EXPECT_EQ(GeneralMidiNoteOf("drum.cajon", "Ride Bell"), 53);
    EXPECT_EQ(GeneralMidiNoteOf("", "Cowbell"), 56);
    EXPECT_EQ(GeneralMidiNoteOf("", "Sleigh Bells"), -1);
    EXPECT_EQ(GeneralMidiNoteOf("drum.cajon", "Cajon"), -1);
}
