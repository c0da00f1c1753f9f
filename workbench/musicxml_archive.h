// Compressed MusicXML (.mxl): a zip archive whose META-INF/container.xml
// names the score's root file.
#pragma once

#include <string>

namespace workbench {

// The root file's name and text. False, with `error` saying why, for an
// archive the workbench cannot read or one without a readable root file.
bool ReadMusicXmlArchive(const std::string& path, std::string* rootName, std::string* xml, std::string* error);

}  // namespace workbench
