// Page texts and the text blocks that hold their texts.
#include "framework/score/page_text.h"

#include "framework/data/text_block.h"
#include "host/record_bytes.h"

unsigned short FCPageText::GetTextBlockID() const
{
    return ReadU16(_GetBlock(), page_text_record::kTextBlock);
}

void FCPageText::SetTextBlockID(unsigned short block)
{
    WriteU16(_GetBlock(), page_text_record::kTextBlock, block);
}

bool FCPageText::SaveNewTextBlock(FCString* text)
{
    unsigned short block = 0;
    if (!FCTextBlock::SaveNewTextAndBlock(text, &block)) {
        return false;
    }
    SetTextBlockID(block);
    return true;
}
