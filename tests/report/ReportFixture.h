#pragma once
// Summary models for the report tests, collected from stand-in data sets as
// the program collects them; the builder run into memory or onto disk, and
// report bytes compared line by line.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "doubles/RecordingProgressView.h"
#include "editions/Edition.h"
#include "engine/SumModel.h"
#include "output/MemoryOutputFile.h"
#include "report/ReportBuilder.h"
#include "support/TestSupport.h"

constexpr std::int64_t Yen(std::int64_t yen) { return yen * 10000; }

class ReportFixture {
public:
    StSUMMODEL model;
    StDATAINFO data{};

    // The selected company of the data set (JSON), collected for the income kind.
    explicit ReportFixture(const std::string& dataSet, std::int16_t incomeKind = 1);
    ~ReportFixture() { FreeSumModel(model); }
    ReportFixture(const ReportFixture&) = delete;
    ReportFixture& operator=(const ReportFixture&) = delete;
};

// A data set of tests/report/data (the golden reports' data).
std::string ReportDataSet(const std::string& name);
// A data set of one company of the return kind with more members (JSON text).
inline std::string ReportCompany(std::uint8_t aoSiroKind, const std::string& members = "") {
    return OneCompany(R"("aoSiroKind": )" + std::to_string(aoSiroKind) + (members.empty() ? "" : ", " + members));
}

// A builder of the Plus edition with a recording progress window, its writer open on a file in memory.
struct BuilderRun {
    ClRecordingProgressView view;
    ClProgressDlg progress{view};
    ClMemoryOutputFile file;
    ClXmlWriter writer;
    ClReportBuilder builder;

    explicit BuilderRun(ReportFixture& f, std::int16_t incomeKind = 1)
        : builder(progress, f.model, incomeKind, kOrbek17Plus) {
        writer.Open(&file, "memory.xml");
    }
    std::string Text() const { return file.Content(); }
};

// An element line at the depth of the sections' items.
inline std::string Line(const std::string& tag, const std::string& text) {
    return "\t\t\t\t<" + tag + ">" + text + "</" + tag + ">\r\n";
}
// A path in the test's own folder below the build folder's report-output (left
// there to be looked at), with no file there yet.
std::string OutputPath(const std::string& name);
// Equal bytes, or the first differing line (converted to UTF-8) with its number.
::testing::AssertionResult SameReportBytes(const std::string& expected, const std::string& actual);
