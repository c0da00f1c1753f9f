// FCDocument and FCDocuments against the workbench host: the open documents
// in the host's order, their paths, and the walk that makes each current
// inside one ended edit block and puts the previous one back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/data/string.h"
#include "framework/score/documents.h"
#include "host/service_wrappers.h"
#include "tests/framework/score/open_documents.h"

namespace {

using workbench::Workbench;

// Notes the current document at each visit and changes a record there.
class DocumentVisitor : public FCIteratorHandler {
public:
    bool PreProcess() override
    {
        ++processed;
        return true;
    }
    bool Iterate(__FCBase* element) override
    {
        visited.push_back(static_cast<FCDocument*>(element)->GetID());
        currentDuring.push_back(FX_GetCurrentEnigmaDocument(kFinaleInterfaceVersion));
        unsigned char key[8] = {};
        unsigned char byte = 9;
        FX_SaveEData(0x61626364, key, &byte, 1, 0x0F000200);
        return goOn;
    }
    void PostProcess() override { ++processed; }

    bool goOn = true;
    int processed = 0;
    std::vector<int> visited;
    std::vector<int> currentDuring;
};

TEST(Documents, TheOpenDocumentsInTheHostsOrderWithTheirPaths)
{
    OpenOrchestraAndQuartet();
    FCDocuments documents;
    documents.LoadAll();
    ASSERT_EQ(documents.GetCount(), 2);
    EXPECT_EQ(documents.GetItemAt(0)->GetID(), 1);
    EXPECT_EQ(documents.GetItemAt(1)->GetID(), 2);

    FCString path("stale");
    documents.GetItemAt(0)->GetPath(&path);
    EXPECT_STREQ(path.GetCString(), "Z:\\scores\\orchestra.xml");
    documents.GetItemAt(1)->GetPath(&path);  // read from no file
    EXPECT_EQ(path.GetLength(), 0);

    Workbench::Instance().CloseAll();
    documents.LoadAll();
    EXPECT_EQ(documents.GetCount(), 0);
}

TEST(Documents, AVisitEndsOneBlockInEachDocumentAndPutsTheCurrentOneBack)
{
    OpenOrchestraAndQuartet();
    Workbench& host = Workbench::Instance();
    FCDocuments documents;
    documents.LoadAll();

    DocumentVisitor all;
    EXPECT_EQ(documents.ForEachWithScope(&all, "Retune"), 2);
    EXPECT_EQ(all.visited, (std::vector<int>{1, 2}));
    EXPECT_EQ(all.currentDuring, (std::vector<int>{1, 2}));
    EXPECT_EQ(all.processed, 0);
    EXPECT_EQ(host.Current()->number, 1);
    for (int number : {1, 2}) {
        const workbench::Document* document = host.Find(number);
        EXPECT_EQ(document->endedBlocks, (std::vector<std::string>{"Retune"})) << number;
        EXPECT_TRUE(document->cancelledBlocks.empty()) << number;
        ASSERT_EQ(document->undoSteps.size(), 1u) << number;
        EXPECT_EQ(document->undoSteps[0].name, "Retune");
    }
    EXPECT_EQ(host.journal.Depth(), 0);
    EXPECT_EQ(_FinaleEditDepth, 0);

    // A visit that stops: its block is ended all the same, under the
    // default name, and the current document is put back.
    host.SetCurrent(2);
    DocumentVisitor stopping;
    stopping.goOn = false;
    EXPECT_EQ(documents.ForEachWithScope(&stopping, nullptr), 0);
    EXPECT_EQ(stopping.visited, (std::vector<int>{1}));
    EXPECT_EQ(host.Find(1)->endedBlocks, (std::vector<std::string>{"Retune", "Plug-in Edit"}));
    EXPECT_TRUE(host.Find(1)->cancelledBlocks.empty());
    EXPECT_EQ(host.Find(2)->endedBlocks.size(), 1u);
    EXPECT_EQ(host.Current()->number, 2);
    EXPECT_EQ(_FinaleEditDepth, 0);
}

}  // namespace
