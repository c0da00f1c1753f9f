// What the builders of each part of a score share while one document is
// built: the description, the document, the host version, the numbering of
// text blocks, and the message of the first failure.
#pragma once

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

// The builders of each part, in the order BuildDocument runs them.
bool BuildPercussionFiles(BuildContext& context);
bool BuildMeasures(BuildContext& context);
bool BuildLayouts(BuildContext& context);
bool BuildStaves(BuildContext& context);
bool BuildSelection(BuildContext& context);

}  // namespace workbench
