// Workbench documents for the score classes' tests: one built for a given
// host version, which the framework then runs as, with its records read back,
// and the measures document file.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/finale_version.h"
#include "workbench/document_reader.h"
#include "workbench/workbench.h"

class ScoreDocument : public ::testing::Test {
protected:
    void TearDown() override
    {
        workbench::Workbench::Instance().CloseAll();
        SetFinaleFrameworkVersion(0x0F000200);
    }

    static workbench::Document& OpenAs(unsigned long version, const std::string& body)
    {
        SetFinaleFrameworkVersion(version);
        workbench::Workbench& host = workbench::Workbench::Instance();
        host.CloseAll();
        std::string error;
        std::unique_ptr<workbench::Document> document = workbench::ReadDocumentText(
            ("<document><font name='Times New Roman'/><font name='Arial'/>" + body + "</document>").c_str(),
            "score.xml", "Z:\\docs", version, &error);
        EXPECT_NE(document, nullptr) << error;
        if (!document) {
            document = std::make_unique<workbench::Document>();
        }
        return host.Open(std::move(document));
    }

    // The host's record, or an empty one when there is none.
    static workbench::Bytes HostRecord(unsigned long tag, unsigned a, unsigned b = 0)
    {
        const workbench::Document* document = workbench::Workbench::Instance().Current();
        const workbench::Bytes* bytes =
            document == nullptr ? nullptr : document->records.Find(tag, workbench::RecordKey::FromNumbers(a, b));
        return bytes == nullptr ? workbench::Bytes() : *bytes;
    }

    static unsigned Word(const workbench::Bytes& bytes, size_t offset)
    {
        return bytes.size() < offset + 2 ? 0xDEAD : bytes[offset] | (bytes[offset + 1] << 8);
    }
};
// Closes every document and opens tests/framework/score/data/measures.xml.
inline workbench::Document& OpenMeasures()
{
    workbench::Workbench& host = workbench::Workbench::Instance();
    host.CloseAll();
    std::string error;
    std::unique_ptr<workbench::Document> document =
        workbench::ReadDocumentFile("tests/framework/score/data/measures.xml", 0x10000000, &error);
    EXPECT_NE(document, nullptr) << error;
    if (!document) {
        document = std::make_unique<workbench::Document>();
    }
    return host.Open(std::move(document));
}
