// FCTextBlock: the host's text block, which names the raw text holding a
// text and the kind (tag) of that raw text.
#pragma once

#include "framework/data/fixed_size_record.h"
#include "framework/data/record_families.h"
#include "framework/data/text_layout.h"

class FCString;

class FCTextBlock : public FixedSizeRecord<FCTextBlock, __FCNoInciOther, 26> {
public:
    const char* ClassName() const override { return "FCTextBlock"; }
    unsigned long Tag() override { return text_block::kTag; }
    // A new block carries the host's defaults and can be saved unloaded.
    __FCBaseData* CreateObject() override;
    bool DeepDeleteData() override;

    // The defaults of a new block: 100 at offset 8, flags 0x1A08.
    void SetNewDefaults();
    unsigned short GetRawTextNumber() const;
    void SetRawTextNumber(unsigned short number);
    // The low half of the raw text's tag; the high half is 0x7478.
    unsigned short GetRawTextKind() const;
    void SetRawTextKind(unsigned short kind);

    // The block's text; a new string, empty when the raw text does not load.
    FCString* CreateRawTextString();
    bool SaveRawTextString(FCString* text);

    // The text of block `item`; a new string, empty when the block or its raw
    // text does not load. The caller owns it.
    static FCString* CreateTextStringOfBlock(unsigned short item);
    // Stores the text as a new raw text of the default tag under a new block
    // with the defaults; true with the block's item number in `*item`. When the
    // host refuses the block, its raw text goes too, so nothing is left behind.
    static bool SaveNewTextAndBlock(FCString* text, unsigned short* item);
};
