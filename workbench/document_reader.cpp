// Opening a document file: parsing it, reading it into a score description
// by its format (the workbench's own or MusicXML, told by the top-level
// element), and building the host's records from that.
#include "workbench/document_reader.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <utility>

#include <tinyxml2.h>

#include "workbench/document_text_check.h"
#include "workbench/document_warnings.h"
#include "workbench/document_xml_reader.h"
#include "workbench/musicxml_archive.h"
#include "workbench/musicxml_reader.h"
#include "workbench/paths.h"
#include "workbench/record_builder.h"
#include "workbench/xml_element_reader.h"

namespace workbench {
namespace {

std::unique_ptr<Document> ReadParsed(const tinyxml2::XMLDocument& xml, const std::string& fileName,
                                     const std::string& folder, unsigned long hostVersion, std::string* error,
                                     std::vector<std::string>* warnings = nullptr)
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
    std::vector<std::string> found = warnings != nullptr ? DocumentWarnings(score, fileName) : std::vector<std::string>();
    std::unique_ptr<Document> document = BuildDocument(std::move(score), fileName, hostVersion, error);
    if (document && warnings != nullptr) {
        warnings->insert(warnings->end(), found.begin(), found.end());
    }
    return document;
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
// `path` is the archive's as messages show it (UTF-8).
std::unique_ptr<Document> ReadArchive(const std::string& path, const std::string& full, unsigned long hostVersion,
                                      std::string* error, std::vector<std::string>* warnings)
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
    return ReadParsed(parsed, path + "/" + rootName, FolderOf(full), hostVersion, error, warnings);
}

}  // namespace

std::unique_ptr<Document> ReadDocumentText(const char* xml, const std::string& fileName, const std::string& folder,
                                           unsigned long hostVersion, std::string* error)
{
    const char* text = xml == nullptr ? "" : xml;
    std::string fault;
    tinyxml2::XMLDocument parsed;
    if (!CheckDocumentText(text, std::strlen(text), fileName, &fault)) {
        if (error != nullptr) {
            *error = fault;
        }
        return nullptr;
    }
    parsed.Parse(text);
    return ReadParsed(parsed, fileName, folder, hostVersion, error);
}

std::unique_ptr<Document> ReadDocumentFile(const std::string& path, unsigned long hostVersion, std::string* error,
                                           std::vector<std::string>* warnings)
{
    // Messages are UTF-8 and name the file as it was given.
    const std::string shown = Utf8FromPath(path);
    std::string fault;
    std::string full = path.size() < MAX_PATH ? FullPath(path) : std::string();
    std::string text;
    if (path.size() >= MAX_PATH || full.size() >= MAX_PATH) {
        fault = Shortened(shown) + ": the path is too long (" + std::to_string(std::max(path.size(), full.size())) +
                " characters; at most " + std::to_string(MAX_PATH - 1) + ")";
    } else if (IsArchiveName(full)) {
        std::unique_ptr<Document> document = ReadArchive(shown, full, hostVersion, error, warnings);
        if (document) {
            document->path = full;
        }
        return document;
    } else if (!ReadFileBytes(full, &text)) {
        fault = shown + ": " + (full.empty() || !IsExistingFile(full) ? "cannot open the file" : "cannot read the file");
    } else {
        CheckDocumentText(text.data(), text.size(), shown, &fault);
    }
    if (!fault.empty()) {
        if (error != nullptr) {
            *error = fault;
        }
        return nullptr;
    }
    tinyxml2::XMLDocument parsed;
    parsed.Parse(text.data(), text.size());
    std::unique_ptr<Document> document = ReadParsed(parsed, shown, FolderOf(full), hostVersion, error, warnings);
    if (document) {
        document->path = full;
    }
    return document;
}

}  // namespace workbench
