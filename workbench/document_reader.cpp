// Opening a document file: parsing it, reading it into a score description
// by its format, and building the host's records from that.
#include "workbench/document_reader.h"

#include <utility>

#include <tinyxml2.h>

#include "workbench/document_warnings.h"
#include "workbench/document_xml_reader.h"
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
    if (!ReadWorkbenchDocument(xml, reader, &score)) {
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

}  // namespace

std::unique_ptr<Document> ReadDocumentText(const char* xml, const std::string& fileName, const std::string& folder,
                                           unsigned long hostVersion, std::string* error)
{
    tinyxml2::XMLDocument parsed;
    parsed.Parse(xml == nullptr ? "" : xml);
    return ReadParsed(parsed, fileName, folder, hostVersion, error);
}

std::unique_ptr<Document> ReadDocumentFile(const std::string& path, unsigned long hostVersion, std::string* error,
                                           std::vector<std::string>* warnings)
{
    std::string full = FullPath(path);
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
    std::unique_ptr<Document> document = ReadParsed(parsed, path, FolderOf(full), hostVersion, error, warnings);
    if (document) {
        document->path = full;
    }
    return document;
}

}  // namespace workbench
