// The itemised lists: rows beyond the capacity or the others row of the block, the letting list's end
// and a name that fills its field.
#include <array>
#include <functional>
#include <regex>

#include "ReportFixture.h"
#include "doubles/Standin.h"

namespace {
// The last line with its CR LF; empty for no text.
std::string LastLine(const std::string& text) {
    const std::size_t end = text.empty() ? std::string::npos : text.rfind('\n', text.size() - 2);
    return text.substr(end == std::string::npos ? 0 : end + 1);
}
// A line at the depth of the lists' start tags.
std::string Item(const std::string& tag) { return "\t\t\t\t" + tag + "\r\n"; }
}  // namespace

TEST(Lists, ARowTheBlockCannotHoldFailsAfterItsStartTag) {
    ReportFixture f(ReportCompany(3)), neither(ReportCompany(4));
    neither.data.aoSiroKind = 0;
    using Call = std::function<int(ClReportBuilder&, ClXmlWriter&)>;
    const struct {
        Call call;
        int result;
        std::string lastLine;
    } cases[] = {
        {[](auto& b, auto& w) { return b.WriteKyuuryouIppan(w, 6, 0); }, 0, Item("<KYUURYOU_UTIWAKE COUNT=\"6\">")},
        {[&](auto& b, auto& w) { return b.WriteSenjuusyaIppan(w, f.data, 6); }, 0,
         Item("<SENJUUSYA_UTIWAKE COUNT=\"6\">")},
        {[](auto& b, auto& w) { return b.WriteUriageUtiwake(w, 5); }, 0, Item("<URIAGE_UTIWAKE COUNT=\"5\">")},
        {[](auto& b, auto& w) { return b.WriteSyuuzenhiUtiwake(w, 4); }, 0, Item("<SYUUZENHI_UTIWAKE COUNT=\"4\">")},
        {[](auto& b, auto& w) { return b.WriteKyuuryouFudousan(w, 3, 0); }, 0, Item("<KYUURYOU_UTIWAKE COUNT=\"3\">")},
        // Land rent of neither return kind has no row at all.
        {[&](auto& b, auto& w) { return b.WriteTidaiFudousan(w, neither.data, 1); }, 0,
         Item("<TIDAI_UTIWAKE COUNT=\"1\">")},
        // An others row only where the block has one: after the person rows, or else nothing.
        {[](auto& b, auto& w) { return b.WriteKyuuryouIppan(w, 4, 1); }, 0, Item("</KYUURYOU_UTIWAKE>")},
        {[](auto& b, auto& w) { return b.WriteKyuuryouFudousan(w, 0, 1); }, 0, ""},
        {[](auto& b, auto& w) { return b.WriteUriageUtiwake(w, 0); }, 1,
         Item("<JOUKIIGAI_URIAGESAKIKEI></JOUKIIGAI_URIAGESAKIKEI>")},
    };
    for (const auto& c : cases) {
        BuilderRun run(f);
        EXPECT_EQ(c.call(run.builder, run.writer), c.result) << c.lastLine;
        EXPECT_EQ(LastLine(run.Text()), c.lastLine);
    }
}

TEST(Lists, LettingListEndsAtTerminatorMaximumOrBlockEnd) {
    const std::regex start("<FUDOUSAN_UTIWAKE COUNT=");
    // The row (1-based) made the terminator, the maximum, the rows written.
    for (auto [terminatorRow, maxRows, rows] : {std::array{0, 9999, 5}, {0, 3, 3}, {3, 9999, 2}, {1, 9999, 0}}) {
        std::string list(5 * 236, '\0');  // five data rows, no terminator
        for (std::size_t i = 0; i < 5; ++i) list[i * 236 + 131] = 'X';
        if (terminatorRow) list.replace(static_cast<std::size_t>(terminatorRow - 1) * 236 + 4, 4, "\xFF\xFF\xFF\xFF");
        ReportFixture f(ReportCompany(3, R"("fudousan": {"kasituke": )" + HexText(list) + "}"), 3);
        BuilderRun run(f);
        EXPECT_EQ(run.builder.WriteFudousanUtiwake(run.writer, maxRows), 1);
        const std::string text = run.Text();
        const std::sregex_iterator row(text.begin(), text.end(), start), end;
        EXPECT_EQ(std::distance(row, end), rows) << terminatorRow << "/" << maxRows;
    }
}

// An account name that fills its field, with no end byte, its last character
// cut by the field's width: what stands before that character is written.
TEST(Lists, AFullNameFieldEndsBeforeACutCharacter) {
    // 表 cut at the 128th byte
    ReportFixture f(ReportCompany(3, R"("blue": {"general": {"pl": [{"itemKey": 125, "kamokuName": )" +
                                         HexText(std::string(127, 'A') + "\x95") + "}]}}"));
    BuilderRun run(f);
    ASSERT_TRUE(run.builder.WriteAmountTable(run.writer, TableA()));
    EXPECT_NE(run.Text().find(Line("KEIHI_YOBI1_KAMOKU", std::string(127, 'A'))), std::string::npos);
}
