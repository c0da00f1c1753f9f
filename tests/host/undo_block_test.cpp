// FCUndoBlock against the workbench host: a handler's work inside one edit
// block, kept as an undo step when it answers true and put back whole when
// it answers false, with the edit depth back where it was.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/raw_text.h"
#include "framework/data/string.h"
#include "host/service_wrappers.h"
#include "host/undo_block.h"
#include "tests/support/host_calls.h"
#include "tests/workbench/test_documents.h"

namespace {

using workbench::Workbench;
using Calls = std::vector<std::string>;

constexpr unsigned long kBlockTextTag = 0x7478626C;  // t, x, b, l

// Changes, creates and deletes raw texts, and notes the depths it ran at.
class TextEditor : public __FCUndoBlockHandler {
public:
    explicit TextEditor(bool keep) : _keep(keep) {}
    bool Execute() override
    {
        ++runs;
        editDepth = _FinaleEditDepth;
        journalDepth = Workbench::Instance().journal.Depth();
        FCString text("After");
        FCRawText raw;
        raw.SetText(&text);
        saved = raw.SaveAs(1) && raw.SaveNew();
        FCRawText doomed;
        deleted = doomed.Load(2) && doomed.DeleteData();
        return _keep;
    }
    int runs = 0;
    long editDepth = -1;
    int journalDepth = -1;
    bool saved = false;
    bool deleted = false;

private:
    bool _keep;
};

const char kTexts[] = "<record tag='txbl' key='1' text='Before'/><record tag='txbl' key='2' text='Gone'/>";

class UndoBlock : public ::testing::Test {
protected:
    void TearDown() override { Workbench::Instance().CloseAll(); }
};

TEST_F(UndoBlock, AKeptBlockEndsAndBecomesOneUndoStep)
{
    workbench::Document& document = OpenOnly(kTexts);
    TakeHostCalls();
    const long depth = _FinaleEditDepth;
    TextEditor editor(true);
    FCString name("Drumwell");
    FCUndoBlock block;
    EXPECT_TRUE(block.Execute(&editor, &name));
    EXPECT_EQ(editor.runs, 1);
    EXPECT_TRUE(editor.saved);
    EXPECT_TRUE(editor.deleted);
    EXPECT_EQ(editor.editDepth, depth + 1);
    EXPECT_EQ(editor.journalDepth, 1);
    EXPECT_EQ(_FinaleEditDepth, depth);
    EXPECT_EQ(Workbench::Instance().journal.Depth(), 0);

    EXPECT_TRUE(document.changed);
    ASSERT_EQ(document.undoSteps.size(), 1u);
    EXPECT_EQ(document.undoSteps[0].name, "Drumwell");
    const workbench::Bytes* text = document.records.Find(kBlockTextTag, workbench::RecordKey::FromNumbers(1));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(*text, (workbench::Bytes{'A', 'f', 't', 'e', 'r', 0}));
    EXPECT_EQ(document.records.Find(kBlockTextTag, workbench::RecordKey::FromNumbers(2)), nullptr);
    Calls calls = TakeHostCalls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.front(), "FX_StartFinaleEdit");
    EXPECT_EQ(calls.back(), "FX_EndFinaleEdit");
}

TEST_F(UndoBlock, ACancelledBlockLeavesTheDocumentExactlyAsBefore)
{
    workbench::Document& document = OpenOnly(kTexts);
    const auto before = document.records.Records();
    TakeHostCalls();
    const long depth = _FinaleEditDepth;
    TextEditor editor(false);
    FCString name("Drumwell");
    FCUndoBlock block;
    EXPECT_FALSE(block.Execute(&editor, &name));
    EXPECT_EQ(editor.runs, 1);
    EXPECT_TRUE(editor.saved);
    EXPECT_TRUE(editor.deleted);
    EXPECT_EQ(editor.editDepth, depth + 1);
    EXPECT_EQ(_FinaleEditDepth, depth);
    EXPECT_EQ(Workbench::Instance().journal.Depth(), 0);

    EXPECT_EQ(document.records.Records(), before);
    EXPECT_FALSE(document.changed);
    EXPECT_TRUE(document.undoSteps.empty());
    Calls calls = TakeHostCalls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.front(), "FX_StartFinaleEdit");
    EXPECT_EQ(calls.back(), "FX_CancelFinaleEdit");
    for (const std::string& call : calls) {
        EXPECT_NE(call, "FX_EndFinaleEdit");
    }
}

TEST_F(UndoBlock, WithoutADocumentTheHostRefusesAndTheHandlerDoesNotRun)
{
    Workbench::Instance().CloseAll();
    TakeHostCalls();
    const long depth = _FinaleEditDepth;
    TextEditor editor(true);
    FCString name("Drumwell");
    FCUndoBlock block;
    EXPECT_FALSE(block.Execute(&editor, &name));
    EXPECT_EQ(editor.runs, 0);
    // The refused start is counted and not matched.
    EXPECT_EQ(_FinaleEditDepth, depth + 1);
    EXPECT_EQ(TakeHostCalls(), Calls{"FX_StartFinaleEdit"});
}

}  // namespace
