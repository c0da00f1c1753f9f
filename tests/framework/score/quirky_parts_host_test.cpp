// FCDocuments and FCParts against a host that names a document and a part
// twice, answers -1 for the current document, answers no part name and
// refuses every edit block.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "framework/score/documents.h"
#include "framework/score/parts.h"
#include "host/finale_version.h"
#include "host/service_wrappers.h"

namespace {
std::vector<short> g_madeCurrent;
int g_ends;
}  // namespace

// Documents 4, then -1 (the current one, 9), then 4 again; parts 0, 3, 0, ...
extern "C" short WINAPI QuirkyGetNextEnigmaDocument(short document, long) { return document == 4 ? -1 : 4; }
extern "C" short WINAPI QuirkyGetCurrentEnigmaDocument(long) { return 9; }
extern "C" short WINAPI QuirkySetCurrentEnigmaDocument(short document, long)
{
    g_madeCurrent.push_back(document);
    return 1;
}
extern "C" long WINAPI QuirkyStartFinaleEdit(const char*, long) { return 0; }
extern "C" short WINAPI QuirkyEndFinaleEdit(long) { return static_cast<short>(++g_ends); }
extern "C" short WINAPI QuirkyGetNextPartID(short part, long) { return part == 0 ? 3 : 0; }
extern "C" const char* WINAPI QuirkyGetPartName(short, long) { return nullptr; }

namespace {

TEST(QuirkyPartsHost, NothingLoopsOrEndsARefusedBlock)
{
    FCDocuments documents;
    documents.LoadAll();  // stops at the repeated 4
    ASSERT_EQ(documents.GetCount(), 2);
    EXPECT_EQ(documents.GetItemAt(1)->GetID(), 9);
    FCParts parts;
    parts.LoadAll();  // stops at the repeated score
    ASSERT_EQ(parts.GetCount(), 2);
    EXPECT_EQ(parts.GetItemAt(1)->GetID(), 3);

    const unsigned long running = GetFinaleFrameworkVersion();
    SetFinaleFrameworkVersion(0x11000000);
    EXPECT_EQ(parts.GetItemAt(1)->GetName()->GetLength(), 0);
    SetFinaleFrameworkVersion(running);

    // Ending a refused block would end an enclosing one of the caller's.
    FCIteratorHandler visitor;
    EXPECT_EQ(documents.ForEachWithScope(&visitor, "Refused"), 2);
    EXPECT_EQ(g_ends, 0);
    EXPECT_EQ(g_madeCurrent, (std::vector<short>{4, 9, 9, 9}));
    EXPECT_EQ(_FinaleEditDepth, 2);  // as after a refused undo block
}

}  // namespace
