// A label for every element the exporter writes, also for those the summary
// does not show (a difference names them).
#include <regex>

#include "ExamineFixture.h"
#include "examine/Labels.h"

namespace {

TEST(Labels, EveryElementOfTheGoldenReportsHasOne) {
    const std::regex element("<([A-Z][A-Z0-9_]*)[ >]");
    for (const char* name : {"blue-general-business", "blue-real-estate", "white-general", "white-real-estate"}) {
        const std::string bytes = ReadFileBytes(kGoldenReports + name + ".xml");
        for (std::sregex_iterator it(bytes.begin(), bytes.end(), element), end; it != end; ++it) {
            EXPECT_TRUE(LabelOf((*it)[1].str()).known) << (*it)[1].str();
        }
    }
}

// Numbered, balance-sheet and section elements show in the golden summaries;
// an account-name element only in a difference.
TEST(Labels, AccountNameElementsUseTheirStem) {
    EXPECT_EQ(LabelOf("SISAN_YOBI2_KAMOKU").label, "資産（予備）2の科目名");
    EXPECT_FALSE(LabelOf("NO_SUCH_ELEMENT").known);
}

}  // namespace
