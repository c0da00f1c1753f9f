// Documents for the service tests, read from text and opened in the host.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "workbench/document_reader.h"
#include "workbench/workbench.h"

// Closes every document and opens this one; it becomes current.
inline workbench::Document& OpenOnly(const std::string& body)
{
    workbench::Workbench& host = workbench::Workbench::Instance();
    host.CloseAll();
    std::string error;
    std::unique_ptr<workbench::Document> document = workbench::ReadDocumentText(
        ("<document>" + body + "</document>").c_str(), "test.xml", "Z:\\docs", 0x10000000, &error);
    EXPECT_NE(document, nullptr) << error;
    if (!document) {
        document = std::make_unique<workbench::Document>();
    }
    return host.Open(std::move(document));
}
