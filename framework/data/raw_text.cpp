// Raw text records: heap buffers sized by the host's answer.
#include "framework/data/raw_text.h"

#include <cstring>

#include "framework/data/string.h"
#include "host/service_wrappers.h"

namespace {
constexpr unsigned long kDefaultRawTextTag = 0x7478626C;  // t, x, b, l
}

FCRawText::~FCRawText()
{
    Deallocate();
}

int FCRawText::DataSizeLoad()
{
    long size = 0;
    if (FX_LoadEData(Tag(), _GetKey(), nullptr, &size, EnigmaVersion()) == 0 || size < 0) {
        return 0;
    }
    return static_cast<int>(size);
}

void* FCRawText::Allocate()
{
    Deallocate();
    int size = DataSizeLoad();
    _heapBlock = new unsigned char[size > 0 ? size : 1];
    _SetBufferSize(size);
    return _heapBlock;
}

void FCRawText::Deallocate()
{
    delete[] _heapBlock;
    _heapBlock = nullptr;
    _SetBuffer(nullptr);
    _SetDataSize(0);
}

unsigned long FCRawText::Tag()
{
    return GetCustomTag() != 0 ? GetCustomTag() : kDefaultRawTextTag;
}

bool FCRawText::LoadFirst()
{
    SetRawTextNumber(0);
    return LoadNext();
}

void FCRawText::SetRawTextNumber(short number)
{
    _SetKeyNumber(0, static_cast<unsigned short>(number));
}

short FCRawText::GetItemNo()
{
    return static_cast<short>(_GetKeyNumber(0));
}

bool FCRawText::Load(short number)
{
    SetRawTextNumber(number);
    return LoadDataBlock();
}

bool FCRawText::SaveAs(short number)
{
    SetRawTextNumber(number);
    return Save();
}

bool FCRawText::SaveNew()
{
    if (GetDataSize() <= 0) {
        return false;
    }
    SetRawTextNumber(-1);
    return FX_CreateEData(Tag(), _GetKey(), _GetBuffer(), DataSizeSave(), EnigmaVersion()) != 0;
}

void FCRawText::SetText(FCString* text)
{
    Deallocate();
    // Without a string the record holds nothing, which no save accepts.
    if (text == nullptr) {
        return;
    }
    int length = text->GetLength();
    _heapBlock = new unsigned char[length + 1];
    std::memcpy(_heapBlock, text->GetCString(), length + 1);
    _SetBuffer(_heapBlock);
    _SetBufferSize(length + 1);
    _SetDataSize(length + 1);
}

FCString* FCRawText::CreateString()
{
    auto* text = new FCString;
    int size = DataSizeSave();
    unsigned char* buffer = _GetBuffer();
    if (buffer == nullptr || size <= 0) {
        return text;
    }
    // A text without its NUL inside the record ends at the record's end.
    const void* end = std::memchr(buffer, 0, size);
    int length = end != nullptr ? static_cast<int>(static_cast<const unsigned char*>(end) - buffer) : size;
    for (int i = 0; i < length; ++i) {
        text->Append(static_cast<short>(static_cast<signed char>(buffer[i])));
    }
    return text;
}
