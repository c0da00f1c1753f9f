// The score and the linked parts of the current document, and a walk that
// makes each in turn the host's current part: FCPart, FCParts.
#pragma once

#include "framework/data/collection.h"
#include "framework/data/string.h"

class FCPart : public __FCBase {
public:
    // Part ID 0 is the score; `document` is the number of the document it belongs to.
    FCPart(short id, short document) : _id(id), _document(document) {}

    const char* ClassName() const override { return "FCPart"; }
    // The same part of the same document.
    bool IsIdentical(const __FCBase* other) const override;

    short GetID() const { return _id; }
    // Asks the host for the name from host version 0x11000000 on; older hosts
    // answer it wrongly, so they get a fixed text. The part keeps the text.
    FCString* GetName();

private:
    friend class FCParts;

    FCString _name;
    short _id;
    short _document;
    short _savedID = -1;  // the part current before a visit made this one current
};

class FCParts : public __FCCollection {
public:
    const char* ClassName() const override { return "FCParts"; }
    FCPart* GetItemAt(int index) const { return static_cast<FCPart*>(__FCCollection::GetItemAt(index)); }

    // The score first, then the current document's parts in the host's order.
    void LoadAll();
    // Visits each part as the host's current part, between the handler's
    // PreProcess (false: nothing runs) and PostProcess; the part current
    // before is current again after each visit. Answers the visits that
    // returned true before the walk stopped.
    int ForEachWithScope(FCIteratorHandler* handler);
    // The host's current part, when it is in the collection; null otherwise.
    FCPart* GetCurrent() const;
    FCPart* GetScore() const;
};
