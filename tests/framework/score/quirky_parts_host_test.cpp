// FCDocuments and FCParts against a host that misbehaves: it names a
// document and a part twice, answers -1 for the current document, fills a
// whole path record without a NUL, answers no part name and refuses every
// edit block. The framework must neither loop, nor read past the record, nor
// end a block the host never opened.
#include <windows.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/string.h"
#include "framework/score/documents.h"
#include "framework/score/parts.h"
#include "host/finale_version.h"
#include "host/host_records.h"
#include "host/service_wrappers.h"

namespace {
int g_current = 9;
std::vector<short> g_madeCurrent;
int g_starts;
int g_ends;
}  // namespace

// 4, then -1 (the current document, 9), then 4 again, forever.
extern "C" short WINAPI QuirkyGetNextEnigmaDocument(short document, long)
{
    return document == 4 ? -1 : 4;
}
extern "C" short WINAPI QuirkyGetCurrentEnigmaDocument(long)
{
    return static_cast<short>(g_current);
}
extern "C" short WINAPI QuirkySetCurrentEnigmaDocument(short document, long)
{
    g_madeCurrent.push_back(document);
    g_current = document;
    return 1;
}
extern "C" short WINAPI QuirkyGetDocumentPath(short, FinPathSpec2009* path, long)
{
    std::memset(path->bytes, 'A', sizeof path->bytes);
    return 1;
}
extern "C" long WINAPI QuirkyStartFinaleEdit(const char*, long)
{
    ++g_starts;
    return 0;
}
extern "C" short WINAPI QuirkyEndFinaleEdit(long)
{
    ++g_ends;
    return 1;
}
// The score, part 3, then the score again, forever.
extern "C" short WINAPI QuirkyGetNextPartID(short part, long)
{
    return part == 0 ? 3 : 0;
}
extern "C" const char* WINAPI QuirkyGetPartName(short, long)
{
    return nullptr;
}

namespace {

class Counter : public FCIteratorHandler {
public:
    bool Iterate(__FCBase*) override
    {
        ++visits;
        return true;
    }
    int visits = 0;
};

TEST(QuirkyPartsHost, NamesGivenTwiceEndTheListInsteadOfLooping)
{
    FCDocuments documents;
    documents.LoadAll();
    ASSERT_EQ(documents.GetCount(), 2);
    EXPECT_EQ(documents.GetItemAt(0)->GetID(), 4);
    EXPECT_EQ(documents.GetItemAt(1)->GetID(), 9);

    FCParts parts;
    parts.LoadAll();
    ASSERT_EQ(parts.GetCount(), 2);
    EXPECT_EQ(parts.GetItemAt(0)->GetID(), 0);
    EXPECT_EQ(parts.GetItemAt(1)->GetID(), 3);
}

TEST(QuirkyPartsHost, APathRecordWithoutItsEndIsReadToTheRecordsEnd)
{
    FCDocument document(4);
    FCString path;
    document.GetPath(&path);
    EXPECT_EQ(path.GetLength(), 260);
    EXPECT_EQ(path.GetItemAt(259), 'A');
}

TEST(QuirkyPartsHost, NoPartNameIsAnEmptyName)
{
    const unsigned long running = GetFinaleFrameworkVersion();
    SetFinaleFrameworkVersion(0x11000000);
    FCPart part(3, 9);
    EXPECT_EQ(part.GetName()->GetLength(), 0);
    SetFinaleFrameworkVersion(running);
}

TEST(QuirkyPartsHost, ARefusedBlockIsNotEndedButTheVisitRuns)
{
    g_current = 9;
    g_madeCurrent.clear();
    FCDocuments documents;
    documents.LoadAll();
    Counter counter;
    EXPECT_EQ(documents.ForEachWithScope(&counter, "Refused"), 2);
    EXPECT_EQ(counter.visits, 2);
    EXPECT_EQ(g_starts, 2);
    EXPECT_EQ(g_ends, 0);  // an enclosing block of the caller stays open
    EXPECT_EQ(g_madeCurrent, (std::vector<short>{4, 9, 9, 9}));
    EXPECT_EQ(g_current, 9);
    // As for a refused undo block, each refused start leaves the depth raised.
    EXPECT_EQ(_FinaleEditDepth, 2);
}

}  // namespace
