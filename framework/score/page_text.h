// FCPageText: a text placed on a page, held by a text block like a staff name.
#pragma once

#include "framework/data/fixed_size_record.h"
#include "framework/data/record_families.h"
#include "framework/score/page_text_layout.h"

class FCString;

// Numbered by the page and the text's place among the page's texts.
class FCPageText : public FixedSizeRecord<FCPageText, __FCInciOther, page_text_record::kSize> {
public:
    const char* ClassName() const override { return "FCPageText"; }
    unsigned long Tag() override { return page_text_record::kTag; }

    unsigned short GetTextBlockID() const;
    void SetTextBlockID(unsigned short block);
    // The text becomes a new text block, whose number the page text takes;
    // the page text itself is left for its caller to save. On failure it is
    // unchanged.
    bool SaveNewTextBlock(FCString* text);
};
