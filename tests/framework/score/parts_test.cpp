// FCPart and FCParts against the workbench host: the parts in the host's
// order, their names by host version, identity across documents, and the
// walk that makes each part current and puts the previous one back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/score/parts.h"
#include "host/finale_version.h"
#include "host/service_wrappers.h"
#include "tests/framework/score/open_documents.h"

namespace {

using workbench::Workbench;

int CallsOf(const char* service)
{
    int count = 0;
    for (const workbench::ServiceCall& call : Workbench::Instance().Calls()) {
        count += std::string(call.service) == service ? 1 : 0;
    }
    return count;
}

// Notes the host's current part at each visit; stops after `stopAt` visits.
class PartVisitor : public FCIteratorHandler {
public:
    bool PreProcess() override
    {
        ++preProcessed;
        return accept;
    }
    bool Iterate(__FCBase* element) override
    {
        visited.push_back(static_cast<FCPart*>(element)->GetID());
        currentDuring.push_back(Workbench::Instance().Current()->currentPart);
        return static_cast<int>(visited.size()) != stopAt;
    }
    void PostProcess() override { ++postProcessed; }

    bool accept = true;
    int stopAt = -1;
    int preProcessed = 0;
    int postProcessed = 0;
    std::vector<int> visited;
    std::vector<int> currentDuring;
};

TEST(Parts, TheScoreFirstThenThePartsInTheHostsOrder)
{
    OpenOrchestraAndQuartet();
    FCParts parts;
    parts.LoadAll();
    ASSERT_EQ(parts.GetCount(), 3);
    EXPECT_EQ(parts.GetItemAt(0)->GetID(), 0);
    EXPECT_EQ(parts.GetItemAt(1)->GetID(), 5);
    EXPECT_EQ(parts.GetItemAt(2)->GetID(), 2);
    EXPECT_EQ(parts.GetScore(), parts.GetItemAt(0));
    EXPECT_EQ(parts.GetCurrent(), parts.GetItemAt(0));
    ASSERT_EQ(FX_SetCurrentPartID(2, kFinaleInterfaceVersion), 1);
    EXPECT_EQ(parts.GetCurrent(), parts.GetItemAt(2));

    // Another document current: none of these parts is the current one.
    Workbench::Instance().SetCurrent(2);
    EXPECT_EQ(parts.GetCurrent(), nullptr);
    FCParts quartet;
    quartet.LoadAll();
    ASSERT_EQ(quartet.GetCount(), 1);
    EXPECT_EQ(quartet.GetCurrent(), quartet.GetItemAt(0));

    // The same ID in two documents is not the same part.
    EXPECT_FALSE(quartet.GetScore()->IsIdentical(parts.GetScore()));
    FCPart quartetScore(0, 2);
    EXPECT_TRUE(quartet.GetScore()->IsIdentical(&quartetScore));
    FCPart oboe(2, 1);
    EXPECT_TRUE(parts.GetItemAt(2)->IsIdentical(&oboe));
    EXPECT_FALSE(parts.GetItemAt(1)->IsIdentical(&oboe));
    FCString notAPart("2");
    EXPECT_FALSE(oboe.IsIdentical(&notAPart));

    // Loading again replaces the elements.
    quartet.LoadAll();
    EXPECT_EQ(quartet.GetCount(), 1);
}

TEST(Parts, NamesComeFromTheHostFromVersion0x11000000On)
{
    OpenOrchestraAndQuartet();
    const unsigned long running = GetFinaleFrameworkVersion();
    FCParts parts;
    parts.LoadAll();

    SetFinaleFrameworkVersion(0x10FFFFFF);
    EXPECT_STREQ(parts.GetItemAt(1)->GetName()->GetCString(), "Not available (due to a bug)");
    EXPECT_EQ(CallsOf("FX_GetPartName"), 0);

    SetFinaleFrameworkVersion(0x11000000);
    EXPECT_STREQ(parts.GetItemAt(0)->GetName()->GetCString(), "Score");
    EXPECT_STREQ(parts.GetItemAt(1)->GetName()->GetCString(), "Flute");
    FCString* name = parts.GetItemAt(2)->GetName();
    EXPECT_STREQ(name->GetCString(), "Oboe");
    EXPECT_EQ(name, parts.GetItemAt(2)->GetName());  // the part keeps it
    EXPECT_EQ(CallsOf("FX_GetPartName"), 4);
    SetFinaleFrameworkVersion(running);
}

TEST(Parts, AVisitMakesEachPartCurrentAndPutsThePreviousOneBack)
{
    OpenOrchestraAndQuartet();
    workbench::Document* orchestra = Workbench::Instance().Find(1);
    orchestra->currentPart = 2;
    FCParts parts;
    parts.LoadAll();

    PartVisitor all;
    EXPECT_EQ(parts.ForEachWithScope(&all), 3);
    EXPECT_EQ(all.visited, (std::vector<int>{0, 5, 2}));
    EXPECT_EQ(all.currentDuring, (std::vector<int>{0, 5, 2}));
    EXPECT_EQ(orchestra->currentPart, 2);
    EXPECT_EQ(all.preProcessed, 1);
    EXPECT_EQ(all.postProcessed, 1);

    // A visit that stops still puts the part back and still post-processes.
    PartVisitor stopping;
    stopping.stopAt = 2;
    EXPECT_EQ(parts.ForEachWithScope(&stopping), 1);
    EXPECT_EQ(stopping.visited, (std::vector<int>{0, 5}));
    EXPECT_EQ(orchestra->currentPart, 2);
    EXPECT_EQ(stopping.postProcessed, 1);

    // Parts of a document that is not current are visited as they are.
    Workbench::Instance().SetCurrent(2);
    Workbench::Instance().ClearCalls();
    PartVisitor elsewhere;
    EXPECT_EQ(parts.ForEachWithScope(&elsewhere), 3);
    EXPECT_EQ(elsewhere.currentDuring, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(orchestra->currentPart, 2);
    EXPECT_EQ(CallsOf("FX_SetCurrentPartID"), 0);
}

TEST(Parts, APreProcessThatRefusesRunsNothing)
{
    OpenOrchestraAndQuartet();
    Workbench::Instance().Find(1)->currentPart = 5;
    FCParts parts;
    parts.LoadAll();
    Workbench::Instance().ClearCalls();

    PartVisitor refusing;
    refusing.accept = false;
    EXPECT_EQ(parts.ForEachWithScope(&refusing), 0);
    EXPECT_EQ(refusing.preProcessed, 1);
    EXPECT_TRUE(refusing.visited.empty());
    EXPECT_EQ(refusing.postProcessed, 0);
    EXPECT_TRUE(Workbench::Instance().Calls().empty());
    EXPECT_EQ(Workbench::Instance().Find(1)->currentPart, 5);
}

}  // namespace
