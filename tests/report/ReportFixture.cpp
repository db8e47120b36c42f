#include "ReportFixture.h"

#include <algorithm>
#include <cstdio>

#include "doubles/Standin.h"
#include "engine/SumCollector.h"
#include "services/CodePage.h"

ReportFixture::ReportFixture(const std::string& dataSet, std::int16_t incomeKind) {
    ClTestStandin engine(dataSet);
    data = *ClDataMgr::Inst()->GetSetObject(5, 1)->GetSelectedInfo();
    ClSumCollector collector;
    collector.SetModel(model);
    EXPECT_TRUE(collector.Collect(data, incomeKind)) << "the data set cannot be collected";
}

std::string ReportDataSet(const std::string& name) {
    return ReadFileBytes(ORBEK_SOURCE_DIR "/tests/report/data/" + name + ".json");
}

std::string OutputPath(const std::string& name) {
    const std::string path = TestFolderIn(ORBEK_BINARY_DIR "/report-output") + "/" + name;
    std::remove(path.c_str());
    return path;
}

::testing::AssertionResult SameReportBytes(const std::string& expected, const std::string& actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    const auto at = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first;
    const std::size_t start = expected.rfind('\n', at == expected.begin() ? 0 : at - expected.begin() - 1) + 1;
    auto lineAt = [start](const std::string& s) {
        return SjisToUtf8Lossy(s.substr(start, s.find('\n', start) - start));
    };
    return ::testing::AssertionFailure() << "line " << std::count(expected.begin(), expected.begin() + start, '\n') + 1
                                         << " differs\n  expected: " << lineAt(expected)
                                         << "\n  written:  " << lineAt(actual);
}
