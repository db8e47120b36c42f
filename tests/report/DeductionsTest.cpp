// The blue-return special deduction and the other single-valued entries.
#include <gtest/gtest.h>

#include "ReportOutput.h"

namespace {
// A model whose 43rd summary row holds the income before the deduction.
void Koujo(ReportFixture& f, std::int64_t realEstate, std::int64_t before, std::uint8_t choice) {
    for (int i = 1; i <= 42; ++i) f.AddRow(1000 + i, "", 0, Yen(1));
    f.AddRow(43, "", 0, before);
    void* general = f.Block(f.model.ippan.generalBlock, 1024);
    PutAmount(general, 534, realEstate);
    PutByte(general, 521, choice);
}

std::string KoujoLines(const char* r, const char* b, const char* choice, const char* applied, const char* other) {
    std::string s;
    s += std::string("\t\t\t\t<FUDOUSANSYOTOKU>") + r + "</FUDOUSANSYOTOKU>\r\n";
    s += std::string("\t\t\t\t<AOIROKOUJOMAESYOTOKU>") + b + "</AOIROKOUJOMAESYOTOKU>\r\n";
    s += std::string("\t\t\t\t<AOIROKOUJO_SENTAKU>") + choice + "</AOIROKOUJO_SENTAKU>\r\n";
    s += std::string("\t\t\t\t<AOIROKOUJO_KOUJYOGAKU>") + applied + "</AOIROKOUJO_KOUJYOGAKU>\r\n";
    s += std::string("\t\t\t\t<JOUKIIGAI_KOUJYOGAKU>") + other + "</JOUKIIGAI_KOUJYOGAKU>\r\n";
    return s;
}

struct KoujoCase {
    std::int64_t realEstate;
    std::int64_t before;
    std::uint8_t choice;
    const char* r;
    const char* b;
    const char* applied;
    const char* other;
};
}  // namespace

TEST(AoiroKoujo, TakesTheDeductionFromRealEstateFirst) {
    const KoujoCase cases[] = {
        {Yen(400000), Yen(3000000), 1, "400000", "3000000", "250000", ""},
        {0, Yen(300000), 1, "0", "300000", "300000", ""},
        {Yen(150000), Yen(3000000), 0, "150000", "3000000", "", "0"},  // the digit 0, not empty
        {Yen(50000), Yen(3000000), 0, "50000", "3000000", "", "50000"},
        {-Yen(200000), Yen(3000000), 1, "0", "3000000", "650000", ""},   // a loss leaves the whole limit
        {0, -Yen(10000), 1, "0", "0", "0", ""},                          // and a loss before gives 0
        {0, Yen(1234) + 5000, 1, "0", "1235", "1235", ""},               // rounded half up
        {0, Yen(1234) + 4999, 1, "0", "1234", "1234", ""},
        {Yen(649999) + 5000, Yen(10), 1, "650000", "10", "0", ""},
    };
    for (const KoujoCase& c : cases) {
        ReportFixture f;
        Koujo(f, c.realEstate, c.before, c.choice);
        BuilderRun run(f);
        EXPECT_EQ(run.builder.WriteAoiroKoujo(run.writer), 1);
        EXPECT_TRUE(SameReportBytes(KoujoLines(c.r, c.b, c.choice == 1 ? "1" : "2", c.applied, c.other), run.Text()))
            << c.realEstate << " / " << c.before;
    }
}

TEST(AoiroKoujo, FailsOnUnusableDataKeepingWhatWasWritten) {
    ReportFixture few;
    Koujo(few, Yen(1), Yen(1), 1);
    few.model.sumList.resize(42);
    BuilderRun run(few);
    EXPECT_EQ(run.builder.WriteAoiroKoujo(run.writer), 0);
    EXPECT_EQ(run.Text(), "\t\t\t\t<FUDOUSANSYOTOKU>1</FUDOUSANSYOTOKU>\r\n");

    ReportFixture badChoice;
    Koujo(badChoice, Yen(1), Yen(2), 2);
    BuilderRun run2(badChoice);
    EXPECT_EQ(run2.builder.WriteAoiroKoujo(run2.writer), 0);
    EXPECT_EQ(run2.Text(), Joined({"\t\t\t\t<FUDOUSANSYOTOKU>1</FUDOUSANSYOTOKU>",
                                   "\t\t\t\t<AOIROKOUJOMAESYOTOKU>2</AOIROKOUJOMAESYOTOKU>"}));
    // The same choice fails the blue real-estate statement section.
    BuilderRun run3(badChoice);
    EXPECT_FALSE(run3.builder.WriteAoiroKoujoSentaku(run3.writer));
    EXPECT_EQ(run3.Text(), "");
}

TEST(SpecialEntries, MissingBlocksGiveEmptyElements) {
    ReportFixture f;  // no saved-settings block delivered at all
    BuilderRun run(f);
    EXPECT_EQ(run.builder.WriteKasitukeFudousan(run.writer), 1);
    EXPECT_EQ(run.builder.WriteKanyuuDantai(run.writer), 1);
    EXPECT_EQ(run.builder.WriteTokusyuJijouIppan(run.writer, 60, 2), 1);
    EXPECT_EQ(run.Text(),
              Joined({"\t\t\t\t<JUUTAKU_TATEMONO_IKKODATE></JUUTAKU_TATEMONO_IKKODATE>",
                      "\t\t\t\t<JUUTAKU_TATEMONO_IKKODATEIGAI></JUUTAKU_TATEMONO_IKKODATEIGAI>",
                      "\t\t\t\t<JUUTAKU_TOTI_KEIYAKU></JUUTAKU_TOTI_KEIYAKU>",
                      "\t\t\t\t<JUUTAKU_TOTI_SOUMENSEKI></JUUTAKU_TOTI_SOUMENSEKI>",
                      "\t\t\t\t<JUUTAKUIGAI_TATEMONO_IKKODATE></JUUTAKUIGAI_TATEMONO_IKKODATE>",
                      "\t\t\t\t<JUUTAKUIGAI_TATEMONO_IKKODATEIGAI></JUUTAKUIGAI_TATEMONO_IKKODATEIGAI>",
                      "\t\t\t\t<JUUTAKUIGAI_TOTI_KEIYAKU></JUUTAKUIGAI_TOTI_KEIYAKU>",
                      "\t\t\t\t<JUUTAKUIGAI_TOTI_SOUMENSEKI></JUUTAKUIGAI_TOTI_SOUMENSEKI>",
                      "\t\t\t\t<CHUUSYAJOU_YANETUKI></CHUUSYAJOU_YANETUKI>",
                      "\t\t\t\t<CHUUSYAJOU_AOZORA></CHUUSYAJOU_AOZORA>",
                      "\t\t\t\t<KANYUUDANTAIMEI></KANYUUDANTAIMEI>", "\t\t\t\t<TOKUSYUJIJOU1></TOKUSYUJIJOU1>",
                      "\t\t\t\t<TOKUSYUJIJOU2></TOKUSYUJIJOU2>"}));
}

TEST(SpecialEntries, AssociationNameIsWrittenWholeWithinItsField) {
    ReportFixture f;
    void* general = f.Block(f.model.ippan.generalBlock, 1024);
    std::string name(128, 'n');  // fills the field: no terminator inside it
    PutText(general, 349, name);
    PutText(general, 349 + 128, "beyond");
    BuilderRun run(f);
    EXPECT_EQ(run.builder.WriteKanyuuDantai(run.writer), 1);
    EXPECT_EQ(run.Text(), "\t\t\t\t<KANYUUDANTAIMEI>" + name + "</KANYUUDANTAIMEI>\r\n");
}
