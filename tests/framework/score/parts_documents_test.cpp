// FCParts and FCDocuments against the workbench host with two documents
// open: 1 with the linked parts 5 and 2, in that order, and 2 with none.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/data/string.h"
#include "framework/score/documents.h"
#include "framework/score/parts.h"
#include "host/finale_version.h"
#include "host/service_wrappers.h"
#include "tests/workbench/test_documents.h"

namespace {

using workbench::Workbench;

void OpenTwoDocuments()
{
    OpenOnly("<part id='5' name='Flute'/><part id='2' name='Oboe'/>").path = "Z:\\scores\\orchestra.xml";
    Workbench::Instance().Open(std::make_unique<workbench::Document>());
    Workbench::Instance().SetCurrent(1);
    Workbench::Instance().ClearCalls();
}

// Notes the current "document/part" at each visit; answers `goOn`.
class Visitor : public FCIteratorHandler {
public:
    bool PreProcess() override
    {
        ++pre;
        return accept;
    }
    bool Iterate(__FCBase*) override
    {
        visits.push_back(std::to_string(FX_GetCurrentEnigmaDocument(kFinaleInterfaceVersion)) + "/" +
                         std::to_string(FX_GetCurrentPartID(kFinaleInterfaceVersion)));
        return goOn;
    }
    void PostProcess() override { ++post; }

    bool accept = true;
    bool goOn = true;
    int pre = 0;
    int post = 0;
    std::vector<std::string> visits;
};

TEST(Parts, TheScoreFirstThenThePartsInTheHostsOrderNamedByHostVersion)
{
    OpenTwoDocuments();
    FCParts parts;
    parts.LoadAll();
    ASSERT_EQ(parts.GetCount(), 3);
    EXPECT_EQ(parts.GetItemAt(1)->GetID(), 5);
    EXPECT_EQ(parts.GetItemAt(2)->GetID(), 2);
    EXPECT_EQ(parts.GetScore(), parts.GetItemAt(0));

    const unsigned long running = GetFinaleFrameworkVersion();
    SetFinaleFrameworkVersion(0x10FFFFFF);
    Workbench::Instance().ClearCalls();
    EXPECT_STREQ(parts.GetItemAt(1)->GetName()->GetCString(), "Not available (due to a bug)");
    EXPECT_TRUE(Workbench::Instance().Calls().empty());
    SetFinaleFrameworkVersion(0x11000000);
    EXPECT_STREQ(parts.GetItemAt(1)->GetName()->GetCString(), "Flute");
    SetFinaleFrameworkVersion(running);

    // The other document's score: the same ID, not the same part.
    Workbench::Instance().SetCurrent(2);
    FCParts other;
    other.LoadAll();
    ASSERT_EQ(other.GetCount(), 1);
    EXPECT_FALSE(other.GetScore()->IsIdentical(parts.GetScore()));
    EXPECT_TRUE(other.GetScore()->IsIdentical(other.GetCurrent()));
}

TEST(Parts, AVisitOfEveryPartLeavesThePreviousOneCurrent)
{
    OpenTwoDocuments();
    ASSERT_EQ(FX_SetCurrentPartID(2, kFinaleInterfaceVersion), 1);
    FCParts parts;
    parts.LoadAll();
    EXPECT_EQ(parts.GetCurrent(), parts.GetItemAt(2));
    Visitor all;
    EXPECT_EQ(parts.ForEachWithScope(&all), 3);
    EXPECT_EQ(all.visits, (std::vector<std::string>{"1/0", "1/5", "1/2"}));
    EXPECT_EQ(all.pre + all.post, 2);
    EXPECT_EQ(Workbench::Instance().Current()->currentPart, 2);

    Visitor refusing;
    refusing.accept = false;
    EXPECT_EQ(parts.ForEachWithScope(&refusing), 0);
    EXPECT_EQ(refusing.visits.size() + refusing.post, 0u);
    EXPECT_EQ(Workbench::Instance().Current()->currentPart, 2);
}

TEST(Documents, AVisitOfEveryDocumentEndsOneBlockInEachAndLeavesThePreviousOneCurrent)
{
    OpenTwoDocuments();
    Workbench& host = Workbench::Instance();
    FCDocuments documents;
    documents.LoadAll();
    ASSERT_EQ(documents.GetCount(), 2);
    FCString path;
    documents.GetItemAt(0)->GetPath(&path);
    EXPECT_STREQ(path.GetCString(), "Z:\\scores\\orchestra.xml");

    Visitor all;
    EXPECT_EQ(documents.ForEachWithScope(&all, "Retune"), 2);
    EXPECT_EQ(all.visits, (std::vector<std::string>{"1/0", "2/0"}));
    EXPECT_EQ(all.pre + all.post, 0);
    EXPECT_EQ(host.Find(1)->endedBlocks, (std::vector<std::string>{"Retune"}));
    EXPECT_EQ(host.Find(2)->endedBlocks, (std::vector<std::string>{"Retune"}));
    EXPECT_EQ(host.Current()->number, 1);

    // A visit that stops at once still ends its block, here under the default name.
    host.SetCurrent(2);
    Visitor stopping;
    stopping.goOn = false;
    EXPECT_EQ(documents.ForEachWithScope(&stopping, nullptr), 0);
    EXPECT_EQ(host.Find(1)->endedBlocks, (std::vector<std::string>{"Retune", "Plug-in Edit"}));
    EXPECT_TRUE(host.Find(1)->cancelledBlocks.empty());
    EXPECT_EQ(host.Current()->number, 2);
    EXPECT_EQ(_FinaleEditDepth, 0);
}

}  // namespace
