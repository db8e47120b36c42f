#pragma once
// Summary models for the report tests: rows and saved-settings blocks as the
// engine would deliver them, released like the exit step does; the builder
// run into memory or onto disk, and report bytes compared line by line.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "doubles/RecordingProgressView.h"
#include "editions/Edition.h"
#include "engine/SumModel.h"
#include "output/MemoryOutputFile.h"
#include "report/ReportBuilder.h"

constexpr std::int64_t Yen(std::int64_t yen) { return yen * 10000; }

class ReportFixture {
public:
    StSUMMODEL model;
    StDATAINFO data{};

    explicit ReportFixture(std::uint8_t aoSiroKind = 3);
    ~ReportFixture() { FreeSumModel(model); }
    ReportFixture(const ReportFixture&) = delete;
    ReportFixture& operator=(const ReportFixture&) = delete;

    void AddRow(std::int32_t key, std::string_view name, std::int64_t kisyuAmount, std::int64_t amount);
    // Allocates a zeroed engine block of size bytes into member (released with the model).
    void* Block(void*& member, std::size_t size);
};

// A field of an engine block, by its type: text, a 4-byte count, an 8-byte amount or a byte.
void Put(void* block, std::size_t offset, std::string_view text);
void Put(void* block, std::size_t offset, std::int32_t count);
void Put(void* block, std::size_t offset, std::int64_t amount);
void Put(void* block, std::size_t offset, std::uint8_t byte);

// The data sets of the golden reports.
void FillBlueGeneral(ReportFixture& f);
void FillWhiteGeneral(ReportFixture& f);
void FillBlueRealEstate(ReportFixture& f);
void FillWhiteRealEstate(ReportFixture& f);

// A builder of the Plus edition with a recording progress window, its writer open on a file in memory.
struct BuilderRun {
    ClRecordingProgressView view;
    ClProgressDlg progress{view};
    ClMemoryOutputFile file;
    ClXmlWriter writer;
    ClReportBuilder builder;

    explicit BuilderRun(ReportFixture& f, std::int16_t incomeKind = 1)
        : builder(progress, f.model, incomeKind, kOrbek17Plus) { writer.Open(&file, "memory.xml"); }
    std::string Text() const { return file.Content(); }
};

// An element line at the depth of the sections' items.
inline std::string Line(const std::string& tag, const std::string& text) {
    return "\t\t\t\t<" + tag + ">" + text + "</" + tag + ">\r\n";
}
// A path below the build folder's report-output, with no file there yet.
std::string OutputPath(const std::string& name);
std::string ReadFileBytes(const std::string& path);
// Equal bytes, or the first differing line (converted to UTF-8) with its number.
::testing::AssertionResult SameReportBytes(const std::string& expected, const std::string& actual);
