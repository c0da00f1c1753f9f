// What the builders of each part of a score share while one document is
// built: the description, the document, the host version, the numbering of
// text blocks, and the message of the first failure.
#pragma once

#include <set>
#include <string>

#include "workbench/document.h"
#include "workbench/score_description.h"

namespace workbench {

class BuildContext {
public:
    BuildContext(ScoreDescription& score, Document& document, const std::string& fileName,
                 unsigned long hostVersion)
        : score(score), document(document), hostVersion(hostVersion), _fileName(fileName)
    {
    }

    ScoreDescription& score;
    Document& document;
    const unsigned long hostVersion;

    // Records "FILE:LINE: message" and answers false.
    bool Fail(int line, const std::string& message);
    // The same for a failure that no line of the file caused: "FILE: message".
    bool Fail(const std::string& message);
    const std::string& Error() const { return _error; }

    void Put(unsigned long tag, const RecordKey& key, Bytes bytes) { document.records.Put(tag, key, std::move(bytes)); }
    // The 8-bit text followed by its NUL.
    void PutRawText(unsigned long tag, const RecordKey& key, const std::string& text);
    // A text block with the host's defaults naming a new raw text of the kind
    // (the low half of its tag); block and raw text share the next number,
    // which is returned.
    unsigned PutTextBlock(unsigned rawTextKind, const std::string& text);

private:
    std::string _fileName;
    std::string _error;
    unsigned _textBlocks = 0;
};

// Numbers the entries of one element: a number given is kept, 0 becomes the
// next after the highest so far; each number is used once, up to `max`.
class ItemNumbers {
public:
    ItemNumbers(const char* element, long max) : _element(element), _max(max) {}
    // False, with the message in the context, when no number is left or the
    // number is taken.
    bool Assign(BuildContext& context, int line, long* number);

private:
    std::string _element;
    long _max;
    std::set<long> _used;
    long _highest = 0;
};

// The builders of each part, in the order BuildDocument runs them.
bool BuildPercussionFiles(BuildContext& context);
bool BuildMeasures(BuildContext& context);
bool BuildLayouts(BuildContext& context);
bool BuildStaves(BuildContext& context);
bool BuildSelection(BuildContext& context);
bool BuildMeasureNumbers(BuildContext& context);
// Categories, text expression definitions and placed expressions.
bool BuildExpressions(BuildContext& context);
// Cells' own keys and music; after the staves and measures.
bool BuildCells(BuildContext& context);
bool BuildStaffOrder(BuildContext& context);
bool BuildGroups(BuildContext& context);
bool BuildTextRepeats(BuildContext& context);
bool BuildPageTexts(BuildContext& context);

}  // namespace workbench
