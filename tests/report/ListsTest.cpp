// The itemised lists: row pattern, one-row forms, others rows and the limits.
#include <gtest/gtest.h>

#include <functional>
#include "ReportOutput.h"

namespace {
int StartTags(const std::string& text, const std::string& tag) {
    int n = 0;
    for (std::size_t at = text.find("<" + tag + " COUNT="); at != std::string::npos;
         at = text.find("<" + tag + " COUNT=", at + 1)) {
        ++n;
    }
    return n;
}
}  // namespace

TEST(Lists, RowsBeyondTheCapacityFailAfterTheirStartTag) {
    ReportFixture f;
    struct Case {
        const char* name;
        std::function<int(BuilderRun&)> call;
        const char* lastLine;
    };
    const Case cases[] = {
        {"wages", [](BuilderRun& r) { return r.builder.WriteKyuuryouIppan(r.writer, 6, 0); },
         "\t\t\t\t<KYUURYOU_UTIWAKE COUNT=\"6\">\r\n"},
        {"family", [&](BuilderRun& r) { return r.builder.WriteSenjuusyaIppan(r.writer, f.data, 6); },
         "\t\t\t\t<SENJUUSYA_UTIWAKE COUNT=\"6\">\r\n"},
        {"interest", [](BuilderRun& r) { return r.builder.WriteRisiUtiwake(r.writer, 3); },
         "\t\t\t\t<RISI_UTIWAKE COUNT=\"3\">\r\n"},
        {"borrowing", [](BuilderRun& r) { return r.builder.WriteKariireUtiwake(r.writer, 4); },
         "\t\t\t\t<KARIIRE_UTIWAKE COUNT=\"4\">\r\n"},
        {"customers", [](BuilderRun& r) { return r.builder.WriteUriageUtiwake(r.writer, 5); },
         "\t\t\t\t<URIAGE_UTIWAKE COUNT=\"5\">\r\n"},
        {"repairs", [](BuilderRun& r) { return r.builder.WriteSyuuzenhiUtiwake(r.writer, 4); },
         "\t\t\t\t<SYUUZENHI_UTIWAKE COUNT=\"4\">\r\n"},
        {"real-estate wages", [](BuilderRun& r) { return r.builder.WriteKyuuryouFudousan(r.writer, 3, 0); },
         "\t\t\t\t<KYUURYOU_UTIWAKE COUNT=\"3\">\r\n"},
    };
    for (const Case& c : cases) {
        BuilderRun run(f);
        EXPECT_EQ(c.call(run), 0) << c.name;
        EXPECT_TRUE(run.Text().ends_with(c.lastLine)) << c.name;
    }
}

TEST(Lists, OthersRowsExistOnlyWhereTheBlockHasOne) {
    ReportFixture f;
    BuilderRun four(f);
    EXPECT_EQ(four.builder.WriteKyuuryouIppan(four.writer, 4, 1), 0);
    EXPECT_TRUE(four.Text().ends_with("</KYUURYOU_UTIWAKE>\r\n"));  // after the person rows
    BuilderRun none(f);
    EXPECT_EQ(none.builder.WriteKyuuryouFudousan(none.writer, 0, 1), 0);
    EXPECT_EQ(none.Text(), "");
    BuilderRun two(f);
    EXPECT_EQ(two.builder.WriteKyuuryouFudousan(two.writer, 2, 1), 0);
    EXPECT_EQ(StartTags(two.Text(), "KYUURYOU_UTIWAKE"), 2);
    BuilderRun zero(f);
    EXPECT_EQ(zero.builder.WriteUriageUtiwake(zero.writer, 0), 1);
    EXPECT_EQ(zero.Text(), "\t\t\t\t<JOUKIIGAI_URIAGESAKIKEI></JOUKIIGAI_URIAGESAKIKEI>\r\n");
}

TEST(Lists, LandRentOfNeitherReturnKindFails) {
    ReportFixture f(0);
    BuilderRun run(f);
    EXPECT_EQ(run.builder.WriteTidaiFudousan(run.writer, f.data, 1), 0);
    EXPECT_EQ(run.Text(), "\t\t\t\t<TIDAI_UTIWAKE COUNT=\"1\">\r\n");
}

TEST(Lists, LettingListEndsAtTerminatorMaximumOrBlockEnd) {
    ReportFixture f;
    void* list = f.Block(f.model.fudousan.kasitukeList, 5 * 236);  // five data rows, no terminator
    for (int i = 0; i < 5; ++i) PutText(list, static_cast<std::size_t>(i) * 236 + 131, "X");
    {
        BuilderRun run(f);
        EXPECT_EQ(run.builder.WriteFudousanUtiwake(run.writer, 9999), 1);
        EXPECT_EQ(StartTags(run.Text(), "FUDOUSAN_UTIWAKE"), 5);  // the block ends first
    }
    {
        BuilderRun run(f);
        EXPECT_EQ(run.builder.WriteFudousanUtiwake(run.writer, 3), 1);
        EXPECT_EQ(StartTags(run.Text(), "FUDOUSAN_UTIWAKE"), 3);
        EXPECT_TRUE(run.Text().ends_with("\t\t\t\t</FUDOUSAN_UTIWAKE>\r\n"));
    }
    PutCount(list, 2 * 236 + 4, -1);
    {
        BuilderRun run(f);
        EXPECT_EQ(run.builder.WriteFudousanUtiwake(run.writer, 9999), 1);
        EXPECT_EQ(StartTags(run.Text(), "FUDOUSAN_UTIWAKE"), 2);
    }
    PutCount(list, 4, -1);
    {
        BuilderRun run(f);
        EXPECT_EQ(run.builder.WriteFudousanUtiwake(run.writer, 9999), 1);
        EXPECT_EQ(run.Text(), "");
    }
}

TEST(Lists, AFailedWriteStopsTheList) {
    ReportFixture f;
    FillBlueGeneral(f);
    BuilderRun run(f);
    run.file.failAtWrite = 3;  // the second field of the first row
    EXPECT_EQ(run.builder.WriteKyuuryouIppan(run.writer, 5, 1), 0);
    EXPECT_EQ(run.file.writes.size(), 2u);
    EXPECT_EQ(run.builder.WriteSenjuusyaIppan(run.writer, f.data, 1), 0);  // the writer stays failed
}
