// Reading zip archives: the end record, the central directory and each
// entry's local header, every offset and size checked against the bytes at
// hand; deflated entries inflated by zlib.
#include "workbench/zip_archive.h"

#include <zlib.h>

#include <utility>

#include "host/record_bytes.h"

namespace workbench {
namespace {

constexpr unsigned long kEndSignature = 0x06054B50;
constexpr unsigned long kEntrySignature = 0x02014B50;
constexpr unsigned long kLocalSignature = 0x04034B50;
constexpr size_t kEndSize = 22;
constexpr size_t kEntrySize = 46;
constexpr size_t kLocalSize = 30;
constexpr size_t kLongestComment = 0xFFFF;
constexpr unsigned kEncrypted = 0x0001;
constexpr unsigned kStored = 0;
constexpr unsigned kDeflated = 8;

// Whether `size` bytes from `offset` lie within `total`, without overflow.
bool Within(size_t offset, size_t size, size_t total)
{
    return offset <= total && size <= total - offset;
}

bool Inflate(const std::string& packed, size_t limit, std::string* content)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {  // raw deflate, as zip stores it
        return false;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    char chunk[16384];
    int result = Z_OK;
    while (result == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        result = inflate(&stream, Z_NO_FLUSH);
        size_t made = sizeof chunk - stream.avail_out;
        if ((result != Z_OK && result != Z_STREAM_END) || content->size() + made > limit ||
            (result == Z_OK && made == 0 && stream.avail_in == 0)) {
            result = Z_DATA_ERROR;
            break;
        }
        content->append(chunk, made);
    }
    inflateEnd(&stream);
    return result == Z_STREAM_END;
}

}  // namespace

bool ZipArchive::Open(std::string bytes, std::string* error)
{
    _bytes = std::move(bytes);
    _entries.clear();
    const size_t total = _bytes.size();
    const unsigned char* data = reinterpret_cast<const unsigned char*>(_bytes.data());
    // The end record is the last one with its signature, within a comment's length of the end.
    size_t end = total;
    size_t at = total >= kEndSize ? total - kEndSize + 1 : 0;
    while (at-- > 0 && total - at <= kEndSize + kLongestComment) {
        if (ReadU32(data, static_cast<int>(at)) == kEndSignature) {
            end = at;
            break;
        }
    }
    if (end == total) {
        *error = "not a zip archive (no central directory)";
        return false;
    }
    const unsigned count = ReadU16(data, static_cast<int>(end) + 10);
    const unsigned long directorySize = ReadU32(data, static_cast<int>(end) + 12);
    const unsigned long directory = ReadU32(data, static_cast<int>(end) + 16);
    if (ReadU16(data, static_cast<int>(end) + 4) != 0 || count != ReadU16(data, static_cast<int>(end) + 8)) {
        *error = "a zip archive in several parts, which the workbench does not read";
        return false;
    }
    if (count == 0xFFFF || directory == 0xFFFFFFFF || !Within(directory, directorySize, end)) {
        *error = "a broken zip archive: its central directory lies outside the file";
        return false;
    }
    at = directory;
    for (unsigned i = 0; i < count; ++i) {
        if (!Within(at, kEntrySize, directory + directorySize) ||
            ReadU32(data, static_cast<int>(at)) != kEntrySignature) {
            *error = "a broken zip archive: entry " + std::to_string(i + 1) + " of its central directory is damaged";
            return false;
        }
        const size_t nameLength = ReadU16(data, static_cast<int>(at) + 28);
        const size_t skipped = nameLength + ReadU16(data, static_cast<int>(at) + 30) +
                               ReadU16(data, static_cast<int>(at) + 32);
        if (!Within(at + kEntrySize, skipped, directory + directorySize)) {
            *error = "a broken zip archive: entry " + std::to_string(i + 1) + " of its central directory is damaged";
            return false;
        }
        Entry entry;
        entry.name = _bytes.substr(at + kEntrySize, nameLength);
        entry.flags = ReadU16(data, static_cast<int>(at) + 8);
        entry.method = ReadU16(data, static_cast<int>(at) + 10);
        entry.crc = ReadU32(data, static_cast<int>(at) + 16);
        entry.packedSize = ReadU32(data, static_cast<int>(at) + 20);
        entry.size = ReadU32(data, static_cast<int>(at) + 24);
        entry.localHeader = ReadU32(data, static_cast<int>(at) + 42);
        _entries.push_back(entry);
        at += kEntrySize + skipped;
    }
    return true;
}

const ZipArchive::Entry* ZipArchive::Find(const std::string& name) const
{
    for (const Entry& entry : _entries) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

bool ZipArchive::Extract(const std::string& name, size_t limit, std::string* content, std::string* error) const
{
    const Entry* entry = Find(name);
    content->clear();
    if (entry == nullptr) {
        *error = "the archive has no " + name;
        return false;
    }
    if ((entry->flags & kEncrypted) != 0) {
        *error = name + " in the archive is encrypted";
        return false;
    }
    if (entry->method != kStored && entry->method != kDeflated) {
        *error = name + " in the archive is compressed with method " + std::to_string(entry->method) +
                 ", which the workbench cannot read (only stored and deflated)";
        return false;
    }
    if (entry->size > limit) {
        *error = name + " in the archive is larger than " + std::to_string(limit) + " bytes";
        return false;
    }
    const unsigned char* data = reinterpret_cast<const unsigned char*>(_bytes.data());
    const size_t local = entry->localHeader;
    if (!Within(local, kLocalSize, _bytes.size()) || ReadU32(data, static_cast<int>(local)) != kLocalSignature) {
        *error = "a broken zip archive: the local header of " + name + " is damaged";
        return false;
    }
    const size_t start = local + kLocalSize + ReadU16(data, static_cast<int>(local) + 26) +
                         ReadU16(data, static_cast<int>(local) + 28);
    if (!Within(start, entry->packedSize, _bytes.size())) {
        *error = "a broken zip archive: " + name + " reaches beyond the end of the file";
        return false;
    }
    std::string packed = _bytes.substr(start, entry->packedSize);
    bool whole = entry->method == kStored ? (*content = packed, true) : Inflate(packed, limit, content);
    // The sizes and checksum of the directory must tell the truth.
    if (!whole || content->size() != entry->size ||
        crc32(0, reinterpret_cast<const Bytef*>(content->data()), static_cast<uInt>(content->size())) != entry->crc) {
        content->clear();
        *error = "a broken zip archive: " + name + " is damaged";
        return false;
    }
    return true;
}

}  // namespace workbench
