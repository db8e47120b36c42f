#pragma once
// Running the builder into memory or onto disk, and comparing report bytes
// with a readable account of the differing lines.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "app/RecordingProgressView.h"
#include "output/MemoryOutputFile.h"
#include "report/ReportBuilder.h"
#include "ReportFixture.h"

// A builder with a recording progress window, writing through an in-memory file.
struct BuilderRun {
    ClRecordingProgressView view;
    ClProgressDlg progress{view};
    ClMemoryOutputFile file;
    ClXmlWriter writer;
    ClReportBuilder builder;

    BuilderRun(ReportFixture& f, std::int16_t incomeKind = 1);
    std::string Text() const { return file.Content(); }
};

std::string ReadFileBytes(const std::string& path);
// Equal bytes, or the differing lines (converted to UTF-8) with their numbers.
::testing::AssertionResult SameReportBytes(const std::string& expected, const std::string& actual);
// The lines joined, each ended with CR LF.
std::string Joined(std::initializer_list<const char*> lines);
