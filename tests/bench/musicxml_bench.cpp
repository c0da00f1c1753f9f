// Benchmark of opening a MusicXML drum part of 2,000 measures, as a file and
// compressed, beside the floor: tinyxml2 parsing the same XML.
#include <windows.h>

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <tinyxml2.h>

#include "host/record_bytes.h"
#include "workbench/document_reader.h"
#include "workbench/workbench.h"

namespace {

constexpr int kMeasures = 2000;
constexpr int kSamples = 9;

struct Instrument {
    const char* name;
    const char* sound;
    int midi;
    const char* step;
    int octave;
};

constexpr Instrument kKit[] = {
    {"Bass Drum", "drum.bass-drum", 37, "F", 4},     {"Snare", "drum.snare-drum", 39, "C", 5},
    {"Cross Stick", "drum.snare-drum", 38, "C", 5},  {"Hi-Hat Closed", "metal.hi-hat", 43, "G", 5},
    {"Hi-Hat Open", "metal.hi-hat", 47, "G", 5},     {"Hi-Hat Pedal", "metal.hi-hat", 45, "D", 4},
    {"High Tom", "drum.tom-tom", 51, "E", 5},        {"Mid Tom", "drum.tom-tom", 49, "D", 5},
    {"Floor Tom", "drum.tom-tom", 44, "A", 4},       {"Crash Cymbal", "metal.cymbal.crash", 50, "A", 5},
    {"Ride Cymbal", "metal.cymbal.ride", 60, "F", 5}, {"Cajon", "drum.cajon", 0, "E", 4},
};
constexpr int kKitSize = sizeof kKit / sizeof kKit[0];

std::string NoteXml(int instrument, bool chord)
{
    const Instrument& i = kKit[instrument];
    return std::string("      <note>\n") + (chord ? "        <chord/>\n" : "") + "        <unpitched><display-step>" +
           i.step + "</display-step><display-octave>" + std::to_string(i.octave) +
           "</display-octave></unpitched>\n        <duration>1</duration>\n        <instrument id=\"P1-I" +
           std::to_string(instrument) + "\"/>\n        <voice>1</voice>\n        <type>eighth</type>\n"
           "        <stem>up</stem>\n      </note>\n";
}

// Eight eighths a measure on the hi-hat or ride, kick and snare (or cross
// stick) with them, a fill of toms and crash every 16th measure, crash and
// cajon every 32nd.
std::string ScoreXml()
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<score-partwise version=\"4.0\">\n  <part-list>\n"
                      "    <score-part id=\"P1\">\n      <part-name>Drum Set</part-name>\n";
    for (int i = 0; i < kKitSize; ++i) {
        xml += "      <score-instrument id=\"P1-I" + std::to_string(i) + "\"><instrument-name>" + kKit[i].name +
               "</instrument-name><instrument-sound>" + kKit[i].sound + "</instrument-sound></score-instrument>\n";
    }
    for (int i = 0; i < kKitSize; ++i) {
        if (kKit[i].midi != 0) {
            xml += "      <midi-instrument id=\"P1-I" + std::to_string(i) + "\"><midi-unpitched>" +
                   std::to_string(kKit[i].midi) + "</midi-unpitched></midi-instrument>\n";
        }
    }
    xml += "    </score-part>\n  </part-list>\n  <part id=\"P1\">\n";
    for (int m = 1; m <= kMeasures; ++m) {
        xml += "    <measure number=\"" + std::to_string(m) + "\">\n";
        if (m == 1) {
            xml += "      <attributes><divisions>2</divisions><key><fifths>0</fifths></key><time><beats>4</beats>"
                   "<beat-type>4</beat-type></time><clef><sign>percussion</sign></clef></attributes>\n";
        }
        for (int beat = 0; beat < 8; ++beat) {
            xml += NoteXml(m % 4 == 0 ? 10 : (beat == 7 ? 4 : 3), false);
            xml += beat % 4 == 0 ? NoteXml(0, true) : beat % 4 == 2 ? NoteXml(m % 8 == 1 ? 2 : 1, true) : "";
            xml += m % 16 == 0 && beat >= 4 ? NoteXml(beat + 2, true) : "";
            xml += m % 32 == 1 && beat == 0 ? NoteXml(9, true) + NoteXml(11, true) : "";
        }
        xml += "    </measure>\n";
    }
    return xml + "  </part>\n</score-partwise>\n";
}

void PutU16(std::string* bytes, unsigned value)
{
    char field[2];
    WriteU16(field, 0, value);
    bytes->append(field, 2);
}

void PutU32(std::string* bytes, unsigned long value)
{
    char field[4];
    WriteU32(field, 0, value);
    bytes->append(field, 4);
}

std::string Deflated(const std::string& text)
{
    z_stream stream{};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string packed(deflateBound(&stream, text.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(&packed[0]);
    stream.avail_out = static_cast<uInt>(packed.size());
    deflate(&stream, Z_FINISH);
    packed.resize(stream.total_out);
    deflateEnd(&stream);
    return packed;
}

// A zip archive of deflated entries: local headers and data, then the
// central directory and its end record.
std::string ZipOf(const std::vector<std::pair<std::string, std::string>>& entries)
{
    std::string archive;
    std::string directory;
    for (const auto& [name, text] : entries) {
        std::string packed = Deflated(text);
        unsigned long crc = crc32(0, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size()));
        std::string common;  // version needed, flags, method, time, date, CRC, sizes, name length, extra length
        PutU16(&common, 20), PutU16(&common, 0), PutU16(&common, 8), PutU16(&common, 0), PutU16(&common, 0);
        PutU32(&common, crc), PutU32(&common, packed.size()), PutU32(&common, text.size());
        PutU16(&common, name.size()), PutU16(&common, 0);
        directory += "PK\x01\x02";
        PutU16(&directory, 20);
        directory += common;
        PutU16(&directory, 0), PutU16(&directory, 0), PutU16(&directory, 0), PutU32(&directory, 0);
        PutU32(&directory, archive.size());
        directory += name;
        archive += "PK\x03\x04" + common + name + packed;
    }
    const size_t start = archive.size();
    archive += directory + "PK\x05\x06";
    PutU16(&archive, 0), PutU16(&archive, 0), PutU16(&archive, entries.size()), PutU16(&archive, entries.size());
    PutU32(&archive, directory.size()), PutU32(&archive, start), PutU16(&archive, 0);
    return archive;
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    bool written = file != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return file != nullptr && std::fclose(file) == 0 && written;
}

double Milliseconds(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

}  // namespace

int main()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string base = std::string(temp) + "drumwell-musicxml-bench-" + std::to_string(GetCurrentProcessId());
    const std::string score = ScoreXml();
    const std::string container = "<?xml version=\"1.0\"?>\n<container><rootfiles><rootfile "
                                  "full-path=\"drums.musicxml\" media-type=\"application/vnd.recordare.musicxml+xml\"/>"
                                  "</rootfiles></container>\n";
    const std::string archive = ZipOf({{"META-INF/container.xml", container}, {"drums.musicxml", score}});
    const std::string plain = base + ".musicxml";
    const std::string packed = base + ".mxl";
    if (!WriteFile(plain, score) || !WriteFile(packed, archive)) {
        std::printf("cannot write the benchmark's files beside %s\n", base.c_str());
        return 1;
    }
    std::vector<double> floor, open, openPacked;
    bool ok = true;
    for (int i = 0; i < kSamples && ok; ++i) {
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        tinyxml2::XMLDocument parsed;
        ok = parsed.LoadFile(plain.c_str()) == tinyxml2::XML_SUCCESS;
        floor.push_back(Milliseconds(start));
        for (const std::string* path : {&plain, &packed}) {
            std::string error;
            QueryPerformanceCounter(&start);
            std::unique_ptr<workbench::Document> document =
                workbench::ReadDocumentFile(*path, workbench::kDefaultHostVersion, &error);
            (path == &plain ? open : openPacked).push_back(Milliseconds(start));
            if (document == nullptr) {
                std::printf("%s\n", error.c_str());
                ok = false;
            }
        }
    }
    DeleteFileA(plain.c_str());
    DeleteFileA(packed.c_str());
    if (!ok) {
        return 1;
    }
    std::printf("Opening a MusicXML drum part of %d measures (%zu bytes of XML, %zu compressed), medians of %d "
                "runs in ms:\n",
                kMeasures, score.size(), archive.size(), kSamples);
    std::printf("  tinyxml2 parse (floor) %8.2f\n", Median(floor));
    std::printf("  open .musicxml         %8.2f  %5.2f x floor\n", Median(open), Median(open) / Median(floor));
    std::printf("  open .mxl              %8.2f  %5.2f x floor\n", Median(openPacked),
                Median(openPacked) / Median(floor));
    return 0;
}
