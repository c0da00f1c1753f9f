// Work run inside one host edit block, which the host can undo as one step.
#pragma once

#include "framework/data/base.h"

class FCString;

class __FCUndoBlockHandler : public __FCBase {
public:
    // True keeps the work as an edit block; false cancels it.
    virtual bool Execute() = 0;
};

class FCUndoBlock : public __FCBase {
public:
    // Runs the handler inside an edit block named by the text; false without
    // running it when the host refuses to open the block.
    bool Execute(__FCUndoBlockHandler* handler, FCString* name);
};
