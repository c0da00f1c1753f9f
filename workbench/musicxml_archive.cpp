// Reading the root file out of a compressed MusicXML archive.
#include "workbench/musicxml_archive.h"

#include <cstdio>
#include <cstring>

#include <tinyxml2.h>

#include "workbench/zip_archive.h"

namespace workbench {
namespace {

// Far beyond any score, and well within what a 32-bit program can parse.
constexpr long kMostArchiveBytes = 64L << 20;
constexpr size_t kMostScoreBytes = 64u << 20;
constexpr size_t kMostContainerBytes = 1u << 20;
constexpr char kContainer[] = "META-INF/container.xml";

bool ReadWholeFile(const std::string& path, std::string* bytes, std::string* error)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        *error = "cannot open the file";
        return false;
    }
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        size = std::ftell(file);
    }
    bool read = size >= 0 && size <= kMostArchiveBytes && std::fseek(file, 0, SEEK_SET) == 0;
    if (read) {
        bytes->resize(static_cast<size_t>(size));
        read = std::fread(&(*bytes)[0], 1, bytes->size(), file) == bytes->size();
    }
    std::fclose(file);
    if (!read) {
        *error = size > kMostArchiveBytes ? "larger than " + std::to_string(kMostArchiveBytes >> 20) +
                                                " MB, more than the workbench reads of an archive"
                                          : "cannot read the file";
    }
    return read;
}

// The first root file that is MusicXML (a root file without a media type is).
bool RootFileOf(const std::string& container, std::string* name, std::string* error)
{
    tinyxml2::XMLDocument xml;
    xml.Parse(container.data(), container.size());
    const tinyxml2::XMLElement* root = xml.RootElement();
    const tinyxml2::XMLElement* files = root == nullptr ? nullptr : root->FirstChildElement("rootfiles");
    if (xml.Error() || root == nullptr || std::strcmp(root->Name(), "container") != 0) {
        *error = std::string(kContainer) + " in the archive is not a container file";
        return false;
    }
    for (const tinyxml2::XMLElement* file = files == nullptr ? nullptr : files->FirstChildElement("rootfile");
         file != nullptr; file = file->NextSiblingElement("rootfile")) {
        const char* type = file->Attribute("media-type");
        const char* path = file->Attribute("full-path");
        if (path != nullptr && (type == nullptr || std::strcmp(type, "application/vnd.recordare.musicxml+xml") == 0)) {
            *name = path;
            return true;
        }
    }
    *error = std::string(kContainer) + " in the archive names no MusicXML root file";
    return false;
}

}  // namespace

bool ReadMusicXmlArchive(const std::string& path, std::string* rootName, std::string* xml, std::string* error)
{
    std::string bytes;
    std::string container;
    ZipArchive archive;
    if (!ReadWholeFile(path, &bytes, error) || !archive.Open(std::move(bytes), error)) {
        return false;
    }
    if (!archive.Contains(kContainer)) {
        *error = "a zip archive without " + std::string(kContainer) + ", so not compressed MusicXML";
        return false;
    }
    return archive.Extract(kContainer, kMostContainerBytes, &container, error) &&
           RootFileOf(container, rootName, error) && archive.Extract(*rootName, kMostScoreBytes, xml, error);
}

}  // namespace workbench
