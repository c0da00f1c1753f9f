// Text expression definitions: their growing buffer, text, enclosure,
// category and description, deep copies and rehearsal marks.
#include "framework/score/text_expression_def.h"

#include <cstring>
#include <memory>
#include <new>

#include "framework/data/raw_text.h"
#include "framework/data/string.h"
#include "framework/data/text_block.h"
#include "framework/data/text_layout.h"
#include "framework/score/category_def.h"
#include "framework/score/enclosure.h"
#include "framework/score/measure_number_region.h"
#include "host/record_bytes.h"
#include "host/service_wrappers.h"

namespace ted = text_expression_def;

FCTextExpressionDef::FCTextExpressionDef()
{
    _Replace(ted::kMinSize, 0);
    _SetDataSize(ted::kMinSize);
}

FCTextExpressionDef::~FCTextExpressionDef()
{
    Deallocate();
}

int FCTextExpressionDef::DataSizeLoad()
{
    long size = 0;
    if (FX_LoadEData(Tag(), _GetKey(), nullptr, &size, EnigmaVersion()) == 0 || size < 0) {
        return 0;
    }
    return size < ted::kMinSize ? ted::kMinSize : static_cast<int>(size);
}

int FCTextExpressionDef::DataSizeSave() const
{
    if (_heapBlock == nullptr) {
        return 0;
    }
    return _heapBlock[ted::kDescription] != 0 ? GetDataSize() : ted::kMinSize;
}

void* FCTextExpressionDef::Allocate()
{
    Deallocate();
    int size = DataSizeLoad();
    if (size <= 0) {
        return nullptr;
    }
    // The size is the host's word: a size no memory can hold fails the load.
    _heapBlock = new (std::nothrow) unsigned char[size]();
    if (_heapBlock == nullptr) {
        return nullptr;
    }
    _heapSize = size;
    _SetBuffer(_heapBlock);
    _SetBufferSize(size);
    _SetDataSize(size);
    return _heapBlock;
}

void FCTextExpressionDef::Deallocate()
{
    delete[] _heapBlock;
    _heapBlock = nullptr;
    _heapSize = 0;
    _SetBuffer(nullptr);
}

void FCTextExpressionDef::_Replace(int size, int kept)
{
    size = size < ted::kMinSize ? ted::kMinSize : size;
    auto* block = new unsigned char[size]();
    kept = kept < _heapSize ? kept : _heapSize;
    kept = kept < size ? kept : size;
    if (_heapBlock != nullptr && kept > 0) {
        std::memcpy(block, _heapBlock, kept);
    }
    delete[] _heapBlock;
    _heapBlock = block;
    _heapSize = size;
    _SetBuffer(_heapBlock);
    _SetBufferSize(size);
}

unsigned char* FCTextExpressionDef::_Writable()
{
    if (_heapBlock == nullptr) {
        _Replace(ted::kMinSize, 0);
        _SetDataSize(ted::kMinSize);
    }
    return _heapBlock;
}

unsigned short FCTextExpressionDef::_Word(int offset) const
{
    return _heapBlock != nullptr ? ReadU16(_heapBlock, offset) : 0;
}

void FCTextExpressionDef::CloneMemoryFrom(const __FCBaseData* other)
{
    if (other == nullptr || other == this || other->GetDataSize() <= 0) {
        return;
    }
    int size = other->GetDataSize();
    _Replace(size, 0);
    std::memcpy(_heapBlock, other->_GetBuffer(), size);
    _SetDataSize(size);
}

bool FCTextExpressionDef::LoadNext()
{
    unsigned short next = static_cast<unsigned short>(_GetKeyNumber(0) + 1);
    return next != 0 && Load(next);
}

FCString* FCTextExpressionDef::CreateTextString()
{
    FCTextBlock block;
    if (_heapBlock == nullptr || !block.Load(_Word(ted::kTextBlock))) {
        return new FCString;
    }
    return block.CreateRawTextString();
}

bool FCTextExpressionDef::SaveTextString(FCString* text)
{
    FCTextBlock block;
    return _heapBlock != nullptr && block.Load(_Word(ted::kTextBlock)) && block.SaveRawTextString(text);
}

bool FCTextExpressionDef::SaveNewTextBlock(FCString* text)
{
    FCRawText raw;
    raw.SetCustomTag(raw_text::kTagPrefix | ted::kRawTextKind);
    raw.SetText(text);
    if (!raw.SaveNew()) {
        return false;
    }
    FCTextBlock block;
    block.SetNewDefaults();
    block.SetRawTextKind(ted::kRawTextKind);
    block.SetRawTextNumber(static_cast<unsigned short>(raw.GetItemNo()));
    if (!block.SaveNew()) {
        // No block will name the raw text: take it back.
        raw.DeleteData();
        return false;
    }
    WriteU16(_Writable(), ted::kTextBlock, static_cast<unsigned short>(block.GetItemNo()));
    return true;
}

FCEnclosure* FCTextExpressionDef::CreateEnclosure()
{
    if ((_Word(ted::kFlags) & ted::kHasEnclosure) == 0) {
        return nullptr;
    }
    auto* enclosure = new FCEnclosure;
    if (!enclosure->Load(static_cast<unsigned short>(GetItemNo()))) {
        delete enclosure;
        return nullptr;
    }
    return enclosure;
}

bool FCTextExpressionDef::AssignToCategory(FCCategoryDef* category)
{
    if (category == nullptr) {
        return false;
    }
    int number = category->GetItemNo();
    // A number that bits 0-13 cannot hold would name another category.
    if (number <= 0 || number > static_cast<int>(ted::kCategoryNumber)) {
        return false;
    }
    unsigned char* bytes = _Writable();
    unsigned word = ReadU16(bytes, ted::kCategory);
    WriteU16(bytes, ted::kCategory, (word & ~ted::kCategoryNumber) | static_cast<unsigned>(number));
    for (const category_def::CopiedValue& value : category_def::kCopiedToDefinition) {
        WriteU16(bytes, value.definition, ReadU16(category->_GetBuffer(), value.category));
    }
    return true;
}

void FCTextExpressionDef::SetDescription(FCString* text)
{
    if (text == nullptr) {
        return;
    }
    int length = text->GetLength();
    _Replace(ted::kMinSize + length, ted::kMinSize);
    std::memcpy(_heapBlock + ted::kDescription, text->GetCString(), length + 1);
    _SetDataSize(ted::kMinSize + length);
}

void FCTextExpressionDef::GetDescription(FCString* text) const
{
    if (text == nullptr) {
        return;
    }
    text->SetCString("");
    if (_heapBlock == nullptr) {
        return;
    }
    // A description without its NUL ends at the buffer's end.
    for (int i = ted::kDescription; i < _heapSize && _heapBlock[i] != 0; ++i) {
        text->Append(static_cast<short>(static_cast<signed char>(_heapBlock[i])));
    }
}

bool FCTextExpressionDef::DeepSaveAs(unsigned short item)
{
    // The copy gets a text of its own; without it both would share one.
    std::unique_ptr<FCString> text(CreateTextString());
    if (!SaveNewTextBlock(text.get())) {
        return false;
    }
    std::unique_ptr<FCEnclosure> enclosure(CreateEnclosure());
    if (enclosure != nullptr && !enclosure->SaveAs(item)) {
        return false;
    }
    return SaveAs(item);
}

bool FCTextExpressionDef::MakeRehearsalMark(int n, FCString* text)
{
    // Marks are counted from 1, and no score has more than 32767 measures.
    if (text == nullptr || n < 1 || n > 32767) {
        return false;
    }
    const unsigned style = _Word(ted::kRehearsalMarkStyle);
    const int b = n - 1;
    const int cycle = b / 26;
    const bool capitals = style == ted::kMarkLetters || style == ted::kMarkLetterNumbers;
    const short letter = static_cast<short>((capitals ? 'A' : 'a') + b % 26);
    switch (style) {
    case ted::kMarkLetters:
    case ted::kMarkLowerLetters:
        text->SetCString("");
        text->_ExpandStorageIfNecessary(cycle + 1);
        for (int i = 0; i <= cycle; ++i) {
            text->Append(letter);
        }
        return true;
    case ted::kMarkLetterNumbers:
    case ted::kMarkLowerLetterNumbers:
        text->SetCString("");
        text->Append(letter);
        if (b > 25) {
            text->AppendInteger(cycle);
        }
        return true;
    case ted::kMarkNumbers:
        text->SetInteger(n);
        return true;
    case ted::kMarkMeasureNumber: {
        FCMeasureNumberRegions regions;
        regions.LoadAll();
        regions.CalcMeasureNumber(n, text);
        return true;
    }
    default:
        return false;
    }
}
