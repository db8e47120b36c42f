// The itemised lists: rows beyond the capacity, others rows, the letting list's end and a failed write.
#include <functional>

#include "ReportFixture.h"

namespace {
int StartTags(const std::string& text, const std::string& tag) {
    int n = 0;
    const std::string start = "<" + tag + " COUNT=";
    for (std::size_t at = text.find(start); at != std::string::npos; at = text.find(start, at + 1)) ++n;
    return n;
}
}  // namespace

TEST(Lists, RowsBeyondTheCapacityFailAfterTheirStartTag) {
    ReportFixture f, neither(0);
    const std::pair<std::function<int(BuilderRun&)>, const char*> cases[] = {
        {[](BuilderRun& r) { return r.builder.WriteKyuuryouIppan(r.writer, 6, 0); }, "KYUURYOU_UTIWAKE COUNT=\"6\""},
        {[&](BuilderRun& r) { return r.builder.WriteSenjuusyaIppan(r.writer, f.data, 6); }, "SENJUUSYA_UTIWAKE COUNT=\"6\""},
        {[](BuilderRun& r) { return r.builder.WriteRisiUtiwake(r.writer, 3); }, "RISI_UTIWAKE COUNT=\"3\""},
        {[](BuilderRun& r) { return r.builder.WriteKariireUtiwake(r.writer, 4); }, "KARIIRE_UTIWAKE COUNT=\"4\""},
        {[](BuilderRun& r) { return r.builder.WriteUriageUtiwake(r.writer, 5); }, "URIAGE_UTIWAKE COUNT=\"5\""},
        {[](BuilderRun& r) { return r.builder.WriteSyuuzenhiUtiwake(r.writer, 4); }, "SYUUZENHI_UTIWAKE COUNT=\"4\""},
        {[](BuilderRun& r) { return r.builder.WriteKyuuryouFudousan(r.writer, 3, 0); }, "KYUURYOU_UTIWAKE COUNT=\"3\""},
        // Land rent of neither return kind has no row at all.
        {[&](BuilderRun& r) { return r.builder.WriteTidaiFudousan(r.writer, neither.data, 1); }, "TIDAI_UTIWAKE COUNT=\"1\""},
    };
    for (const auto& [call, lastTag] : cases) {
        BuilderRun run(f);
        EXPECT_EQ(call(run), 0) << lastTag;
        EXPECT_TRUE(run.Text().ends_with("\t\t\t\t<" + std::string(lastTag) + ">\r\n")) << lastTag;
    }
}

TEST(Lists, OthersRowsExistOnlyWhereTheBlockHasOne) {
    ReportFixture f;
    BuilderRun four(f), none(f), two(f), zero(f);
    EXPECT_EQ(four.builder.WriteKyuuryouIppan(four.writer, 4, 1), 0);
    EXPECT_TRUE(four.Text().ends_with("</KYUURYOU_UTIWAKE>\r\n"));  // after the person rows
    EXPECT_EQ(none.builder.WriteKyuuryouFudousan(none.writer, 0, 1), 0);
    EXPECT_EQ(none.Text(), "");
    EXPECT_EQ(two.builder.WriteKyuuryouFudousan(two.writer, 2, 1), 0);
    EXPECT_EQ(StartTags(two.Text(), "KYUURYOU_UTIWAKE"), 2);
    EXPECT_EQ(zero.builder.WriteUriageUtiwake(zero.writer, 0), 1);
    EXPECT_EQ(zero.Text(), Line("JOUKIIGAI_URIAGESAKIKEI", ""));
}

TEST(Lists, LettingListEndsAtTerminatorMaximumOrBlockEnd) {
    ReportFixture f;
    void* list = f.Block(f.model.fudousan.kasitukeList, 5 * 236);  // five data rows, no terminator
    for (std::size_t i = 0; i < 5; ++i) Put(list, i * 236 + 131, "X");
    const struct {
        std::size_t terminatorRow;  // 1-based; 0 none
        int maxRows, rows;
    } cases[] = {{0, 9999, 5}, {0, 3, 3}, {3, 9999, 2}, {1, 9999, 0}};
    for (const auto& c : cases) {
        if (c.terminatorRow) Put(list, (c.terminatorRow - 1) * 236 + 4, -1);
        BuilderRun run(f);
        EXPECT_EQ(run.builder.WriteFudousanUtiwake(run.writer, c.maxRows), 1);
        EXPECT_EQ(StartTags(run.Text(), "FUDOUSAN_UTIWAKE"), c.rows) << c.terminatorRow << "/" << c.maxRows;
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
