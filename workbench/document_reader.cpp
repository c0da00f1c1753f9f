// Opening a document file: parsing it, reading it into a score description
// by its format (the workbench's own or MusicXML, told by the top-level
// element), and building the host's records from that.
#include "workbench/document_reader.h"

#include <cctype>
#include <utility>

#include <tinyxml2.h>

#include "workbench/document_xml_reader.h"
#include "workbench/musicxml_archive.h"
#include "workbench/musicxml_reader.h"
#include "workbench/paths.h"
#include "workbench/record_builder.h"
#include "workbench/xml_element_reader.h"

namespace workbench {
namespace {

std::unique_ptr<Document> ReadParsed(const tinyxml2::XMLDocument& xml, const std::string& fileName,
                                     const std::string& folder, unsigned long hostVersion, std::string* error)
{
    if (xml.Error()) {
        if (error != nullptr) {
            *error = fileName + ":" + std::to_string(xml.ErrorLineNum()) + ": not well-formed XML: " +
                     DescribeXmlError(xml.ErrorID());
        }
        return nullptr;
    }
    ElementReader reader(fileName, folder);
    ScoreDescription score;
    bool read = IsMusicXml(xml) ? ReadMusicXml(xml, reader, &score) : ReadWorkbenchDocument(xml, reader, &score);
    if (!read) {
        if (error != nullptr) {
            *error = reader.Error();
        }
        return nullptr;
    }
    return BuildDocument(std::move(score), fileName, hostVersion, error);
}

bool IsArchiveName(const std::string& path)
{
    std::string tail = path.size() >= 4 ? path.substr(path.size() - 4) : std::string();
    for (char& c : tail) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return tail == ".mxl";
}

// Compressed MusicXML: messages name the root file inside the archive.
std::unique_ptr<Document> ReadArchive(const std::string& path, const std::string& full, unsigned long hostVersion,
                                      std::string* error)
{
    std::string rootName;
    std::string text;
    std::string why;
    if (!ReadMusicXmlArchive(full, &rootName, &text, &why)) {
        if (error != nullptr) {
            *error = path + ": " + why;
        }
        return nullptr;
    }
    tinyxml2::XMLDocument parsed;
    parsed.Parse(text.data(), text.size());
    return ReadParsed(parsed, path + "/" + rootName, FolderOf(full), hostVersion, error);
}

}  // namespace

std::unique_ptr<Document> ReadDocumentText(const char* xml, const std::string& fileName, const std::string& folder,
                                           unsigned long hostVersion, std::string* error)
{
    tinyxml2::XMLDocument parsed;
    parsed.Parse(xml == nullptr ? "" : xml);
    return ReadParsed(parsed, fileName, folder, hostVersion, error);
}

std::unique_ptr<Document> ReadDocumentFile(const std::string& path, unsigned long hostVersion, std::string* error)
{
    std::string full = FullPath(path);
    if (!full.empty() && IsArchiveName(full)) {
        std::unique_ptr<Document> document = ReadArchive(path, full, hostVersion, error);
        if (document) {
            document->path = full;
        }
        return document;
    }
    tinyxml2::XMLDocument parsed;
    tinyxml2::XMLError loaded = full.empty() ? tinyxml2::XML_ERROR_FILE_NOT_FOUND : parsed.LoadFile(full.c_str());
    if (loaded == tinyxml2::XML_ERROR_FILE_NOT_FOUND || loaded == tinyxml2::XML_ERROR_FILE_COULD_NOT_BE_OPENED ||
        loaded == tinyxml2::XML_ERROR_FILE_READ_ERROR) {
        if (error != nullptr) {
            *error = path + ": " +
                     (loaded == tinyxml2::XML_ERROR_FILE_READ_ERROR ? "cannot read the file" : "cannot open the file");
        }
        return nullptr;
    }
    std::unique_ptr<Document> document = ReadParsed(parsed, path, FolderOf(full), hostVersion, error);
    if (document) {
        document->path = full;
    }
    return document;
}

}  // namespace workbench
