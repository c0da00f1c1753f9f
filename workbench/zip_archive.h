// A zip archive read through its central directory, in memory: the names of
// its entries and their contents, stored or deflated. Nothing in the archive
// is trusted beyond the bytes at hand, and what an entry inflates to is
// capped.
#pragma once

#include <string>
#include <vector>

namespace workbench {

class ZipArchive {
public:
    // Reads the central directory of `bytes`. False, with `error` saying
    // why, for what is no zip archive the workbench reads.
    bool Open(std::string bytes, std::string* error);
    bool Contains(const std::string& name) const { return Find(name) != nullptr; }
    // The entry's content; false, with `error`, for a missing, encrypted,
    // damaged entry, or one that would inflate beyond `limit` bytes.
    bool Extract(const std::string& name, size_t limit, std::string* content, std::string* error) const;

private:
    struct Entry {
        std::string name;
        unsigned flags;
        unsigned method;
        unsigned long crc;
        unsigned long packedSize;
        unsigned long size;
        unsigned long localHeader;
    };
    const Entry* Find(const std::string& name) const;

    std::string _bytes;
    std::vector<Entry> _entries;
};

}  // namespace workbench
