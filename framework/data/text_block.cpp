// Text blocks and the raw texts they name.
#include "framework/data/text_block.h"

#include "framework/data/raw_text.h"
#include "framework/data/string.h"
#include "framework/data/text_layout.h"
#include "host/record_bytes.h"

__FCBaseData* FCTextBlock::CreateObject()
{
    auto* block = new FCTextBlock;
    block->SetNewDefaults();
    return block;
}

void FCTextBlock::SetNewDefaults()
{
    unsigned char* block = static_cast<unsigned char*>(Allocate());
    for (int i = 0; i < text_block::kSize; ++i) {
        block[i] = 0;
    }
    WriteU16(block, text_block::kNewBlockValue, text_block::kNewBlockValueDefault);
    WriteU16(block, text_block::kFlags, text_block::kNewFlags);
    _SetBuffer(block);
    _SetDataSize(text_block::kSize);
}

unsigned short FCTextBlock::GetRawTextNumber() const
{
    return ReadU16(_GetBlock(), text_block::kRawTextNumber);
}

void FCTextBlock::SetRawTextNumber(unsigned short number)
{
    WriteU16(_GetBlock(), text_block::kRawTextNumber, number);
}

unsigned short FCTextBlock::GetRawTextKind() const
{
    return ReadU16(_GetBlock(), text_block::kRawTextKind);
}

void FCTextBlock::SetRawTextKind(unsigned short kind)
{
    WriteU16(_GetBlock(), text_block::kRawTextKind, kind);
}

FCString* FCTextBlock::CreateRawTextString()
{
    FCRawText raw;
    raw.SetCustomTag(raw_text::kTagPrefix + GetRawTextKind());
    raw.Load(static_cast<short>(GetRawTextNumber()));
    return raw.CreateString();
}

bool FCTextBlock::SaveRawTextString(FCString* text)
{
    FCRawText raw;
    raw.SetCustomTag(raw_text::kTagPrefix + GetRawTextKind());
    raw.SetText(text);
    return raw.SaveAs(static_cast<short>(GetRawTextNumber()));
}

bool FCTextBlock::DeepDeleteData()
{
    FCRawText raw;
    raw.SetCustomTag(raw_text::kTagPrefix + GetRawTextKind());
    if (raw.Load(static_cast<short>(GetRawTextNumber()))) {
        raw.DeleteData();
    }
    return DeleteData();
}

FCString* FCTextBlock::CreateTextStringOfBlock(unsigned short item)
{
    FCTextBlock block;
    block.SetNewDefaults();
    if (!block.Load(item)) {
        return new FCString;
    }
    return block.CreateRawTextString();
}

bool FCTextBlock::SaveNewTextAndBlock(FCString* text, unsigned short* item)
{
    FCRawText raw;
    raw.SetText(text);
    if (!raw.SaveNew()) {
        return false;
    }
    FCTextBlock block;
    block.SetNewDefaults();
    block.SetRawTextKind(raw_text::kBlockKind);
    block.SetRawTextNumber(static_cast<unsigned short>(raw.GetItemNo()));
    if (!block.SaveNew()) {
        raw.DeleteData();
        return false;
    }
    *item = static_cast<unsigned short>(block.GetItemNo());
    return true;
}
