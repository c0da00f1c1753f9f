// The host's open documents, and a walk that makes each in turn the current
// document inside an edit block of its own: FCDocument, FCDocuments.
#pragma once

#include "framework/data/collection.h"

class FCString;

class FCDocument : public __FCBase {
public:
    explicit FCDocument(short number) : _number(number) {}

    const char* ClassName() const override { return "FCDocument"; }
    // The host's number of the document.
    short GetID() const { return _number; }
    // The full path of the document's file, as the host gives it.
    void GetPath(FCString* path) const;

private:
    friend class FCDocuments;

    short _number;
    short _savedNumber = 0;  // the document current before a visit made this one current
};

class FCDocuments : public __FCCollection {
public:
    const char* ClassName() const override { return "FCDocuments"; }
    FCDocument* GetItemAt(int index) const { return static_cast<FCDocument*>(__FCCollection::GetItemAt(index)); }

    // Every open document, in the host's order.
    void LoadAll();
    // Visits each document as the current one, inside an edit block named by
    // `undoText` ("Plug-in Edit" when null) that is ended whatever the
    // handler answers; the document current before is current again after
    // each visit. PreProcess and PostProcess are not called. Answers the
    // visits that returned true before the walk stopped.
    int ForEachWithScope(FCIteratorHandler* handler, const char* undoText);
};
