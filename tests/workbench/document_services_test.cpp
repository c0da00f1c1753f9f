// The workbench's services on documents, fonts, files and note names, and
// that none writes past a buffer it was given.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/workbench/test_documents.h"
#include "workbench/host_services.h"
#include "workbench/paths.h"

namespace {

using workbench::Workbench;

constexpr long kVersion = 0x0F000200;

// A path record followed by canary bytes.
struct GuardedPath {
    FinPathSpec2009 record;
    unsigned char canary[8];
    GuardedPath()
    {
        std::memset(this, 0xAA, sizeof *this);
    }
    std::string Text() const { return std::string(reinterpret_cast<const char*>(record.bytes)); }
    bool Untouched() const
    {
        for (unsigned char byte : record.bytes) {
            if (byte != 0xAA) {
                return false;
            }
        }
        return CanaryAlive();
    }
    bool CanaryAlive() const
    {
        for (unsigned char byte : canary) {
            if (byte != 0xAA) {
                return false;
            }
        }
        return true;
    }
};

TEST(DocumentServices, CurrentNextAndPathsOfDocuments)
{
    OpenOnly("");
    Workbench& host = Workbench::Instance();
    host.Current()->path = "Z:\\docs\\first.xml";
    host.Open(std::make_unique<workbench::Document>());
    host.Open(std::make_unique<workbench::Document>()).path = std::string(300, 'x');

    EXPECT_EQ(HostGetCurrentEnigmaDocument(kVersion), 3);
    EXPECT_EQ(HostGetNextEnigmaDocument(0, kVersion), 1);
    EXPECT_EQ(HostGetNextEnigmaDocument(1, kVersion), 2);
    EXPECT_EQ(HostGetNextEnigmaDocument(3, kVersion), 0);
    EXPECT_EQ(HostSetCurrentEnigmaDocument(1, kVersion), 1);
    EXPECT_EQ(HostGetCurrentEnigmaDocument(kVersion), 1);
    EXPECT_EQ(HostSetCurrentEnigmaDocument(9, kVersion), 0);
    EXPECT_EQ(HostGetCurrentEnigmaDocument(kVersion), 1);

    GuardedPath path;
    EXPECT_EQ(HostGetDocumentPath(1, &path.record, kVersion), 1);
    EXPECT_EQ(path.Text(), "Z:\\docs\\first.xml");
    EXPECT_EQ(path.record.bytes[259], 0);  // the rest of the record cleared
    EXPECT_TRUE(path.CanaryAlive());
    GuardedPath untouched;
    EXPECT_EQ(HostGetDocumentPath(2, &untouched.record, kVersion), 0);  // read from no file
    EXPECT_EQ(HostGetDocumentPath(3, &untouched.record, kVersion), 0);  // longer than a path record holds
    EXPECT_EQ(HostGetDocumentPath(7, &untouched.record, kVersion), 0);
    EXPECT_TRUE(untouched.Untouched());
    EXPECT_EQ(HostGetDocumentPath(1, nullptr, kVersion), 0);

    host.CloseAll();
    EXPECT_EQ(HostGetCurrentEnigmaDocument(kVersion), 0);
    EXPECT_EQ(HostGetNextEnigmaDocument(0, kVersion), 0);
}

TEST(PartServices, WhatTheCurrentDocumentLacksAndNoDocument)
{
    OpenOnly("<part id='7' name='Horn'/>");
    EXPECT_EQ(HostGetNextPartID(4, kVersion), -1);
    EXPECT_EQ(HostSetCurrentPartID(4, kVersion), 0);
    EXPECT_STREQ(HostGetPartName(4, kVersion), "");
    Workbench::Instance().CloseAll();
    EXPECT_EQ(HostGetCurrentPartID(kVersion), -1);
    EXPECT_STREQ(HostGetPartName(0, kVersion), "");
}

TEST(DocumentServices, FontNumbersAndNames)
{
    OpenOnly("<font name='Maestro'/><font number='3' name='" + std::string(255, 'F') + "'/>");
    EXPECT_EQ(HostFontNameToNum("Maestro", kVersion), 1);
    EXPECT_EQ(HostFontNameToNum("MAESTRO", kVersion), 1);
    EXPECT_EQ(HostFontNameToNum("Arial", kVersion), 0);
    EXPECT_EQ(HostFontNameToNum(nullptr, kVersion), 0);

    char name[260];
    std::memset(name, 0xAA, sizeof name);
    EXPECT_EQ(HostFontNumToName(3, name, kVersion), 1);
    EXPECT_EQ(std::string(name), std::string(255, 'F'));
    EXPECT_EQ(static_cast<unsigned char>(name[256]), 0xAA);
    EXPECT_EQ(HostFontNumToName(1, name, kVersion), 1);
    EXPECT_STREQ(name, "Maestro");
    std::memset(name, 0xAA, sizeof name);
    EXPECT_EQ(HostFontNumToName(2, name, kVersion), 0);  // a gap in the numbers
    EXPECT_EQ(HostFontNumToName(0, name, kVersion), 0);
    EXPECT_EQ(HostFontNumToName(4, name, kVersion), 0);
    EXPECT_EQ(static_cast<unsigned char>(name[0]), 0xAA);
    EXPECT_EQ(HostFontNumToName(1, nullptr, kVersion), 0);
}

TEST(DocumentServices, TheNoteTypeFileOfTheDocumentOrBesideTheHost)
{
    const std::string existing = workbench::FullPath("tests/workbench/data/small.xml");
    OpenOnly("<noteTypes file='" + existing + "'/>");
    GuardedPath path;
    EXPECT_EQ(HostGetFinalePath(14, &path.record, kVersion), 1);
    EXPECT_EQ(path.Text(), existing);
    EXPECT_TRUE(path.CanaryAlive());
    GuardedPath untouched;
    EXPECT_EQ(HostGetFinalePath(13, &untouched.record, kVersion), 0);
    EXPECT_EQ(HostGetFinalePath(14, nullptr, kVersion), 0);
    EXPECT_TRUE(untouched.Untouched());

    OpenOnly("<noteTypes file='no_such_types.txt'/>");
    EXPECT_EQ(HostGetFinalePath(14, &untouched.record, kVersion), 0);
    EXPECT_TRUE(untouched.Untouched());

    // The build puts the workbench's own table beside each host.
    OpenOnly("");
    EXPECT_EQ(HostGetFinalePath(14, &path.record, kVersion), 1);
    EXPECT_EQ(path.Text(), workbench::ProgramFolder() + "\\percussion_note_types.txt");
    Workbench::Instance().CloseAll();
    EXPECT_EQ(HostGetFinalePath(14, &path.record, kVersion), 1);
}

TEST(DocumentServices, PercussionMapsWithBoundedCopies)
{
    const std::string existing = workbench::FullPath("tests/workbench/data/small.xml");
    OpenOnly("<midiMap number='1' file='" + existing + "' reference='Studio Kit'/>"
             "<midiMap number='2' file='missing_map.xml' reference='Gone'/>");
    GuardedPath path;
    char name[16];
    std::memset(name, 0xAA, sizeof name);
    EXPECT_EQ(HostGetPercMapRefData(1, &path.record, name, 12, kVersion), 1);
    EXPECT_EQ(path.Text(), existing);
    EXPECT_TRUE(path.CanaryAlive());
    EXPECT_STREQ(name, "Studio Kit");
    EXPECT_EQ(static_cast<unsigned char>(name[11]), 0xAA);

    std::memset(name, 0xAA, sizeof name);
    EXPECT_EQ(HostGetPercMapRefData(1, &path.record, name, 5, kVersion), 1);
    EXPECT_STREQ(name, "Stud");  // cut, and ended within the size
    EXPECT_EQ(static_cast<unsigned char>(name[5]), 0xAA);

    GuardedPath untouched;
    EXPECT_EQ(HostGetPercMapRefData(2, &untouched.record, name, 12, kVersion), 0);
    EXPECT_EQ(HostGetPercMapRefData(3, &untouched.record, name, 12, kVersion), 0);
    EXPECT_EQ(HostGetPercMapRefData(1, &untouched.record, name, 0, kVersion), 0);
    EXPECT_EQ(HostGetPercMapRefData(1, &untouched.record, nullptr, 12, kVersion), 0);
    EXPECT_EQ(HostGetPercMapRefData(1, nullptr, name, 12, kVersion), 0);
    EXPECT_TRUE(untouched.Untouched());
    Workbench::Instance().CloseAll();
    EXPECT_EQ(HostGetPercMapRefData(1, &untouched.record, name, 12, kVersion), 0);
}

TEST(MusicServices, MidiNoteNamesWithinTheBuffer)
{
    char name[20];
    EXPECT_EQ(HostMidiNoteToString(38, name, sizeof name, 1, kVersion), 1);
    EXPECT_STREQ(name, "D2");
    EXPECT_EQ(HostMidiNoteToString(60, name, sizeof name, 1, kVersion), 1);
    EXPECT_STREQ(name, "C4");
    EXPECT_EQ(HostMidiNoteToString(61, name, sizeof name, 1, kVersion), 1);
    EXPECT_STREQ(name, "C#4");
    EXPECT_EQ(HostMidiNoteToString(0, name, sizeof name, 1, kVersion), 1);
    EXPECT_STREQ(name, "C-1");
    EXPECT_EQ(HostMidiNoteToString(127, name, sizeof name, 1, kVersion), 1);
    EXPECT_STREQ(name, "G9");
    EXPECT_EQ(HostMidiNoteToString(128, name, sizeof name, 1, kVersion), 0);
    EXPECT_STREQ(name, "");
    EXPECT_EQ(HostMidiNoteToString(-1, name, sizeof name, 1, kVersion), 0);

    std::memset(name, 0xAA, sizeof name);
    EXPECT_EQ(HostMidiNoteToString(61, name, 3, 1, kVersion), 1);
    EXPECT_STREQ(name, "C#");
    EXPECT_EQ(static_cast<unsigned char>(name[3]), 0xAA);
    EXPECT_EQ(HostMidiNoteToString(61, name, 0, 1, kVersion), 0);
    EXPECT_EQ(HostMidiNoteToString(61, nullptr, 20, 1, kVersion), 0);
    EXPECT_EQ(static_cast<unsigned char>(name[0]), 'C');

    EXPECT_EQ(HostGetMaxLayers(kVersion), 4);
}

}  // namespace
