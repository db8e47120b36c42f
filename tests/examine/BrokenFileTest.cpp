// Exports broken on purpose: each fault is reported on its line, with exit
// status 1 and the summary still shown; what is no export at all gives 2.
#include <algorithm>

#include "ExamineFixture.h"
#include "OrbekVersion.h"

namespace {

struct StBREAK {
    const char* name;
    const char* find;  // in the demo export, which passes every check
    const char* replacement;
    const char* reportedAt;  // the line holding this text (in the demo export) is the finding's line
    const char* message;     // part of the finding
    bool cut = false;        // the file ends right after the replacement
    bool warning = false;    // the file still passes (status 0)
};

const StBREAK kBreaks[] = {
    {"truncated", "98765</TUUSINHI>", "98765", "<TUUSINHI>", "XMLとして読めません", true},
    {"element order", "<SOZEIKOUKA>185400</SOZEIKOUKA>\r\n\t\t\t\t<NIZUKURIUNTIN>312560</NIZUKURIUNTIN>",
     "<NIZUKURIUNTIN>312560</NIZUKURIUNTIN>\r\n\t\t\t\t<SOZEIKOUKA>185400</SOZEIKOUKA>", "<SOZEIKOUKA>",
     "<SOZEIKOUKA>（深さ 4） のところに <NIZUKURIUNTIN>"},
    // Values: integers as the exporter writes them, within the engine's range; each kind within its range.
    {"amount not an integer", "<TUUSINHI>98765<", "<TUUSINHI>98765.5<", "<TUUSINHI>", "整数ではありません: 98765.5"},
    {"amount beyond the engine's range", "<TUUSINHI>98765<", "<TUUSINHI>12345678901234567890123456<", "<TUUSINHI>",
     "範囲外の値です"},
    {"leading zero", "<TUUSINHI>98765<", "<TUUSINHI>0123<", "<TUUSINHI>", "先頭に 0 がある数"},
    {"minus zero", "<TUUSINHI>98765<", "<TUUSINHI>-0<", "<TUUSINHI>", "「-0」"},
    {"negative age", "<NENREI>45<", "<NENREI>-45<", "<NENREI>45<", "負の値です: -45"},
    {"13 months worked", "<JUUJITUKISUU>12<", "<JUUJITUKISUU>13<", "<JUUJITUKISUU>12<", "従事月数は 0～12 です"},
    {"29 February of a common year", "<JIGYOUNENDOTO>20251231<", "<JIGYOUNENDOTO>20250229<", "<JIGYOUNENDOTO>",
     "実在する日付"},
    // Bytes: each bad one on its line and element; reading goes on after it.
    {"control byte", "<KANYUUDANTAIMEI>", "<KANYUUDANTAIMEI>\x1b", "<KANYUUDANTAIMEI>", "制御文字 0x1B"},
    {"cut character", "<KANYUUDANTAIMEI>", "<KANYUUDANTAIMEI>\x81\x20", "<KANYUUDANTAIMEI>",
     "文字の途中で切れたバイト 0x81"},
    {"lead byte cut off before the end tag", "</KOMONSAKINAME>", "\x88</KOMONSAKINAME>", "<KOMONSAKINAME>",
     "文字の途中で切れたバイト 0x88"},
    {"pair code page 932 does not assign", "<KOMONSAKINAME>", "<KOMONSAKINAME>\x85\x40", "<KOMONSAKINAME>",
     "コードページ932にない文字 0x85 0x40"},
    {"lone byte", "<KOMONSAKINAME>", "<KOMONSAKINAME>\xFD", "<KOMONSAKINAME>", "コードページ932にないバイト 0xFD"},
    {"lone 80", "<KOMONSAKINAME>", "<KOMONSAKINAME>\x80", "<KOMONSAKINAME>", "コードページ932にないバイト 0x80"},
    {"lone A0", "<KOMONSAKINAME>", "<KOMONSAKINAME>\xA0", "<KOMONSAKINAME>", "コードページ932にないバイト 0xA0"},
    {"lone FF", "<KOMONSAKINAME>", "<KOMONSAKINAME>\xFF", "<KOMONSAKINAME>", "コードページ932にないバイト 0xFF"},
    {"declaration", "encoding=\"Shift_JIS\"", "encoding=\"UTF-8\"", "<?xml", "1行目が宣言"},
    // Markup the exporter never writes.
    {"comment", "</REPORT>", "<!-- x -->\r\n</REPORT>", "</REPORT>", "コメントは書き出されません"},
    {"CDATA section", "<KANYUUDANTAIMEI>", "<KANYUUDANTAIMEI><![CDATA[x]]>", "<KANYUUDANTAIMEI>", "CDATA セクション"},
    {"processing instruction", "</REPORT>", "<?x y?>\r\n</REPORT>", "</REPORT>", "処理命令は書き出されません"},
    {"attribute", "<TUUSINHI>", "<TUUSINHI a=\"1\">", "<TUUSINHI>", "書き出されない属性があります"},
    {"COUNT outside a list", "<TUUSINHI>", "<TUUSINHI COUNT=\"1\">", "<TUUSINHI>", "COUNT 属性は一覧の行にだけ"},
    {"COUNT with a leading zero", "<KYUURYOU_UTIWAKE COUNT=\"2\">", "<KYUURYOU_UTIWAKE COUNT=\"02\">",
     "<KYUURYOU_UTIWAKE COUNT=\"2\">", "COUNT の数の先頭に 0"},
    // Sums, without wrapping.
    {"profit and loss does not add up", "<SOZEIKOUKA>185400<", "<SOZEIKOUKA>195400<",
     "<KOUJYOMAESYOTOKUKINNGAKU_KIMATU>", "損益計算書から求めた青色申告特別控除前の所得金額 6,471,703円"},
    {"sales at the smallest amount", "<URIAGEKINGAKU>28456789<", "<URIAGEKINGAKU>-922337203685477<",
     "<KOUJYOMAESYOTOKUKINNGAKU_KIMATU>", "所得金額 △922,337,"},
    {"balance sheet does not balance", "<GENKIN_KIMATU>2967520<", "<GENKIN_KIMATU>2968520<", "<TAISYAKUTAISYOUHYO>",
     "貸借対照表の期末で資産の合計 36,154,432円"},
    {"balance sheet at the largest amount", "<GENKIN_KIMATU>2967520<", "<GENKIN_KIMATU>922337203685477<",
     "<TAISYAKUTAISYOUHYO>", "資産の合計 922,337,236,871,389円"},
    {"deduction", "<AOIROKOUJO_KOUJYOGAKU>27655<", "<AOIROKOUJO_KOUJYOGAKU>27000<", "<AOIROKOUJO_KOUJYOGAKU>",
     "控除額は 27,655円"},
    {"income before the deduction", "<AOIROKOUJOMAESYOTOKU>6481700<", "<AOIROKOUJOMAESYOTOKU>6481000<",
     "<AOIROKOUJOMAESYOTOKU>", "貸借対照表の期末の青色申告特別控除前の所得金額 6,481,700円"},
    {"list beyond its capacity", "\t\t\t\t<SONOTA_NINBUN>",
     "\t\t\t\t<KYUURYOU_UTIWAKE "
     "COUNT=\"6\">\r\n\t\t\t\t\t<SIMEI></SIMEI>\r\n\t\t\t\t</KYUURYOU_UTIWAKE>\r\n\t\t\t\t<SONOTA_NINBUN>",
     "<SONOTA_NINBUN>", "上限の 5 行を超えています"},
    {"list row numbering", "<KYUURYOU_UTIWAKE COUNT=\"2\">", "<KYUURYOU_UTIWAKE COUNT=\"3\">",
     "<KYUURYOU_UTIWAKE COUNT=\"2\">", "COUNT が 2 ではありません"},
    {"element the exporter does not write", "</REPORT>", "\t<EXTRA></EXTRA>\r\n</REPORT>", "</REPORT>",
     "書き出されない要素"},
    // Warnings: the exporter passes TAB, CR and LF on; the exit status stays 0.
    {"TAB in a one-line text", "<KANYUUDANTAIMEI>", "<KANYUUDANTAIMEI>a\tb", "<KANYUUDANTAIMEI>",
     "注意 1行の文字列にタブか改行があります: a\\tb", false, true},
    {"CR LF in a one-line text", "<KANYUUDANTAIMEI>", "<KANYUUDANTAIMEI>a\r\nb", "<KANYUUDANTAIMEI>",
     "注意 1行の文字列にタブか改行があります: a\\nb", false, true},
};

// The 1-based line on which needle first stands.
int LineOf(std::string_view bytes, std::string_view needle) {
    const auto at = static_cast<std::ptrdiff_t>(bytes.find(needle));
    return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + at, '\n'));
}

TEST(BrokenFile, EachFaultIsReportedOnItsLine) {
    const std::string demo = ReadFileBytes(kDemo);
    for (const StBREAK& b : kBreaks) {
        std::string broken = Replaced(demo, b.find, b.replacement);
        if (b.cut) broken.resize(demo.find(b.find) + std::string_view(b.replacement).size());
        const StRUN run = RunInspect({WriteTemp("broken.xml", broken)});
        EXPECT_EQ(run.status, b.warning ? 0 : 1) << b.name;
        const std::string expected = "  " + std::to_string(LineOf(demo, b.reportedAt)) + "行目";
        bool found = false;
        for (std::size_t at = run.out.find(expected); at != std::string::npos; at = run.out.find(expected, at + 1)) {
            found = found || run.out.substr(at, run.out.find('\n', at) - at).find(b.message) != std::string::npos;
        }
        EXPECT_TRUE(found) << b.name << ": " << Utf8(expected + " … " + b.message) << "\nnot in:\n"
                           << Utf8(run.out.substr(run.out.find("■ 検査")));
        EXPECT_NE(run.out.find("会社名"), std::string::npos) << b.name << ": the summary is shown as well";
        EXPECT_EQ(run.out.find("加入団体名") != std::string::npos, !b.cut) << b.name << ": read to the end";
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n') > 1 &&
                      run.out.find("すべての検査に合格しました") != std::string::npos,
                  b.warning)
            << b.name;
    }
}

TEST(NoExport, GivesStatus2) {
    const std::vector<std::string> files = {
        WriteTemp("html.xml", "<?xml version=\"1.0\"?>\r\n<html><body/></html>\r\n"),
        WriteTemp("text.xml", "Orbek17 is not XML at all\n"),
        WriteTemp("empty.xml", ""),
        ORBEK_BINARY_DIR "/inspect-test/no-such-file.xml",
        ORBEK_BINARY_DIR "/inspect-test",  // a folder
    };
    for (const std::string& file : files) {
        const StRUN run = RunInspect({file});
        EXPECT_EQ(run.status, 2) << file;
        EXPECT_TRUE(run.out.empty()) << file;
        EXPECT_NE(run.err.find(file), std::string::npos) << file;
    }
}

TEST(Arguments, HelpVersionAndMistakes) {
    const std::tuple<std::vector<std::string>, int, const char*> cases[] = {
        // arguments, status, start of output
        {{"--help"}, 0, "使い方: orbek-inspect"},
        {{"--version"}, 0, "orbek-inspect " ORBEK_VERSION_TEXT "\n"},
        {{}, 2, ""},
        {{"--bogus", kDemo}, 2, ""},
        {{kDemo, kDemo}, 2, ""},
        {{"--diff", kDemo}, 2, ""},
    };
    for (const auto& [args, status, out] : cases) {
        const StRUN run = RunInspect(args);
        EXPECT_EQ(run.status, status) << args.size();
        EXPECT_TRUE(run.out.starts_with(out)) << Utf8(run.out);
        EXPECT_EQ(run.err.find("使い方") != std::string::npos, status == 2) << "usage on mistakes only";
    }
}

}  // namespace
