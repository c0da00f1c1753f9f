// Opening workbench documents of many staves, as the host's --document step
// does (read, built into records, shown in the main window and painted),
// beside tinyxml2's parse of the same file.
#include <cstdio>
#include <string>
#include <vector>

#include <tinyxml2.h>

#include "tests/bench/bench_support.h"
#include "workbench/document_queries.h"
#include "workbench/document_reader.h"
#include "workbench/main_window.h"
#include "workbench/script.h"
#include "workbench/workbench.h"

namespace bench {
namespace {

constexpr int kStaffCounts[] = {100, 1000, 4000};
constexpr int kSamples = 9;
constexpr int kLayoutNotes = 8;

// Every fourth staff is a percussion staff with a layout of its own; every
// staff has a name and an instrument; a raw record per ten staves.
std::string DocumentText(int staves, const std::string& mapFile, const std::string& noteTypeFile)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<document name=\"Large Score\">\n"
                      "  <noteTypes file=\"" + noteTypeFile + "\"/>\n"
                      "  <midiMap number=\"1\" file=\"" + mapFile + "\" reference=\"Bench Kit\"/>\n"
                      "  <measures count=\"32\" time=\"4/4\"/>\n";
    for (int staff = 1; staff <= staves; ++staff) {
        const std::string number = std::to_string(staff);
        if (staff % 4 == 0) {
            xml += "  <layout number=\"" + number + "\" name=\"Kit " + number + "\">";
            for (int note = 0; note < kLayoutNotes; ++note) {
                xml += "<note type=\"" + std::to_string(1 + note * 7) + "\" position=\"" + std::to_string(note - 4) +
                       "\"/>";
            }
            xml += "</layout>\n  <staff name=\"Drums " + number + "\" style=\"percussion\" layout=\"" + number +
                   "\" midiMap=\"1\"/>\n";
        } else {
            xml += "  <staff name=\"Staff " + number + "\" transposeInterval=\"" + std::to_string(staff % 12 - 6) +
                   "\"/>\n";
        }
        if (staff % 10 == 0) {
            xml += "  <record tag=\"ZZZZ\" key=\"" + number + "\">01 02 03 04</record>\n";
        }
    }
    return xml + "  <selection staves=\"1\" measures=\"1-4\"/>\n</document>\n";
}

struct Result {
    int staves = 0;
    long bytes = 0;
    std::vector<double> open, read, parse, paint;
};

}  // namespace

bool MeasureDocuments(BenchFolder& folder, const std::string& mapFile, const std::string& noteTypeFile,
                      workbench::Script& script, workbench::MainWindow& mainWindow)
{
    std::vector<Result> results;
    for (int staves : kStaffCounts) {
        const std::string text = DocumentText(staves, mapFile, noteTypeFile);
        const std::string name = "bench_score_" + std::to_string(staves) + ".xml";
        const std::string path = folder.Write(name.c_str(), text);
        if (path.empty()) {
            std::printf("cannot write %s\n", name.c_str());
            return false;
        }
        Result result;
        result.staves = staves;
        result.bytes = static_cast<long>(text.size());
        workbench::Workbench& host = workbench::Workbench::Instance();
        const std::vector<workbench::Step> open = {workbench::Step{workbench::StepKind::kDocument, "--document", path}};
        bool quit = false;
        auto read = [&] {
            return script.Run(open, &quit) && host.Current() != nullptr &&
                   static_cast<int>(workbench::StaffOrder(*host.Current()).size()) == staves;
        };
        auto parse = [&] {
            tinyxml2::XMLDocument document;
            return document.LoadFile(path.c_str()) == tinyxml2::XML_SUCCESS;
        };
        // The reader alone: parse, description, records.
        auto reader = [&] {
            std::string error;
            return workbench::ReadDocumentFile(path, host.hostVersion, &error) != nullptr;
        };
        auto paint = [&] {
            return RedrawWindow(mainWindow.Handle(), nullptr, nullptr,
                                RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW) != 0;
        };
        // Parses and opens take turns, so that a busy moment falls on both alike.
        for (int i = 0; i < kSamples; ++i) {
            // Closing is no part of opening.
            host.CloseAll();
            mainWindow.Refresh();
            if (!Sample(1, 0, &result.parse, parse) || !Sample(1, 0, &result.read, reader) ||
                !Sample(1, 0, &result.open, read) || !Sample(1, 0, &result.paint, paint)) {
                std::printf("the document of %d staves did not open\n", staves);
                return false;
            }
            if (i == 0 && result.open.back() > 30000) {
                break;
            }
        }
        results.push_back(result);
    }
    workbench::Workbench::Instance().CloseAll();

    std::printf("\nOpening a document as --document does (read, records built, staves shown in the main\n"
                "window and painted), the reader alone (parse, description, records), tinyxml2's parse\n"
                "of the same file and one paint of the main window (medians, ms). Ratios: reader / parse\n"
                "and opening / (parse + one paint).\n\n");
    std::printf("%6s %9s | %9s %9s %9s %9s | %6s %6s\n", "staves", "bytes", "opening", "reader", "parse",
                "one paint", "reader", "open");
    std::printf("-----------------+-----------------------------------------+--------------\n");
    for (const Result& r : results) {
        double parse = Median(r.parse);
        std::printf("%6d %9ld | %9.2f %9.2f %9.2f %9.2f | %6.2f %6.2f\n", r.staves, r.bytes, Median(r.open),
                    Median(r.read), parse, Median(r.paint), Median(r.read) / parse,
                    Median(r.open) / (parse + Median(r.paint)));
    }
    std::fflush(stdout);
    return true;
}

}  // namespace bench
