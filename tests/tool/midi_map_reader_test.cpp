// Reading the percussion MIDI map file: device model, note name list,
// display name and note entries.
#include <tinyxml2.h>

#include <gtest/gtest.h>

#include "tool/block_handler.h"

namespace {

using tinyxml2::XMLDocument;
using tinyxml2::XMLElement;

class MidiMapReader : public ::testing::Test {
protected:
    // Parsed as the analysis run loads the file: entities on, white space kept.
    XMLDocument* Parse(const char* xml)
    {
        document = std::make_unique<XMLDocument>(true, tinyxml2::PRESERVE_WHITESPACE);
        EXPECT_EQ(document->Parse(xml), tinyxml2::XML_SUCCESS);
        return document.get();
    }
    XMLElement* List(const char* name)
    {
        FCString wanted(name);
        return handler.FindNoteNameList(document.get(), &wanted);
    }

    FCDrumwellBlockHandler handler{nullptr, nullptr, nullptr, nullptr, nullptr};
    std::unique_ptr<XMLDocument> document;
};

TEST_F(MidiMapReader, MasterNameIsTheModelTextAsItStands)
{
    FCString name("unchanged");
    handler.GetMIDIMappingMasterName(
        Parse("<FinaleNameDocument><MasterDeviceNames><Model>  Studio Device </Model><Model>Second</Model>"
              "</MasterDeviceNames></FinaleNameDocument>"),
        &name);
    EXPECT_STREQ(name.GetCString(), "  Studio Device ");

    FCString kept("kept");
    handler.GetMIDIMappingMasterName(
        Parse("<FinaleNameDocument><MasterDeviceNames><Model/></MasterDeviceNames></FinaleNameDocument>"), &kept);
    EXPECT_STREQ(kept.GetCString(), "kept");
    handler.GetMIDIMappingMasterName(Parse("<FinaleNameDocument><Model>Loose</Model></FinaleNameDocument>"), &kept);
    EXPECT_STREQ(kept.GetCString(), "kept");
    handler.GetMIDIMappingMasterName(Parse("<Other><MasterDeviceNames><Model>X</Model></MasterDeviceNames></Other>"),
                                     &kept);
    EXPECT_STREQ(kept.GetCString(), "kept");
}

TEST_F(MidiMapReader, NoteNameListIsTheFirstWhoseNameMatchesExactly)
{
    Parse("<FinaleNameDocument>"
          "<NoteNameList Name='Kit A' DisplayName='Outside'/>"
          "<MasterDeviceNames>"
          "<NoteNameList DisplayName='No name'/>"
          "<NoteNameList Name='kit a' DisplayName='Lower'/>"
          "<NoteNameList Name='Kit A' DisplayName='First'/>"
          "<NoteNameList Name='Kit A' DisplayName='Second'/>"
          "<NoteNameList Name='Rock &amp; Roll'/>"
          "</MasterDeviceNames></FinaleNameDocument>");
    XMLElement* list = List("Kit A");
    ASSERT_NE(list, nullptr);
    EXPECT_STREQ(list->Attribute("DisplayName"), "First");
    EXPECT_EQ(List("KIT A"), nullptr);
    EXPECT_EQ(List("Kit"), nullptr);
    ASSERT_NE(List("Rock & Roll"), nullptr);

    Parse("<FinaleNameDocument><NoteNameList Name='Kit A'/></FinaleNameDocument>");
    EXPECT_EQ(List("Kit A"), nullptr);
}

TEST_F(MidiMapReader, DisplayNameFallsBackToTheName)
{
    Parse("<FinaleNameDocument><MasterDeviceNames>"
          "<NoteNameList Name='A' DisplayName='Studio Kit'/>"
          "<NoteNameList Name='B'/>"
          "<NoteNameList Name='C' DisplayName=''/>"
          "</MasterDeviceNames></FinaleNameDocument>");
    FCString name("old");
    handler.GetMIDIMappingDisplayName(List("A"), &name);
    EXPECT_STREQ(name.GetCString(), "Studio Kit");
    handler.GetMIDIMappingDisplayName(List("B"), &name);
    EXPECT_STREQ(name.GetCString(), "B");
    handler.GetMIDIMappingDisplayName(List("C"), &name);
    EXPECT_STREQ(name.GetCString(), "");

    XMLElement* unnamed = document->NewElement("NoteNameList");
    FCString kept("kept");
    handler.GetMIDIMappingDisplayName(unnamed, &kept);
    EXPECT_STREQ(kept.GetCString(), "kept");
}

TEST_F(MidiMapReader, NotesNeedANumberAndANoteType)
{
    Parse("<FinaleNameDocument><MasterDeviceNames><NoteNameList Name='K'>"
          "<Note Number='36' PercNoteType='35'/>"
          "<Note Number='36' PercNoteType='0'/>"
          "<Note Number='0' PercNoteType='38'/>"
          "<Note PercNoteType='40'/>"
          "<Note Number='x' PercNoteType='41'/>"
          "<Other Number='50' PercNoteType='50'/>"
          "<Note Number='38' PercNoteType='65574'/>"
          "<Note Number='-3' PercNoteType='-1'/>"
          "</NoteNameList></MasterDeviceNames></FinaleNameDocument>");
    handler.ReadAllXMLNotes(List("K"));
    FCXMLNoteNames* notes = handler.GetMapNotes();
    ASSERT_EQ(notes->GetCount(), 3);
    EXPECT_EQ(notes->GetItemAt(0)->midiNote, 36);
    EXPECT_EQ(notes->GetItemAt(0)->noteType, 35);
    EXPECT_EQ(notes->GetItemAt(1)->midiNote, 38);
    EXPECT_EQ(notes->GetItemAt(1)->noteType, 38);  // 65574 = 65536 + 38
    EXPECT_EQ(notes->GetItemAt(2)->midiNote, -3);
    EXPECT_EQ(notes->GetItemAt(2)->noteType, 0xFFFF);

    // A second read replaces the first.
    Parse("<FinaleNameDocument><MasterDeviceNames><NoteNameList Name='K'/>"
          "</MasterDeviceNames></FinaleNameDocument>");
    handler.ReadAllXMLNotes(List("K"));
    EXPECT_EQ(notes->GetCount(), 0);
}

}  // namespace
