// The HTML page: self-contained UTF-8, the rows of failed checks marked,
// texts escaped; and variants of valid exports that must pass every check.
#include "ExamineFixture.h"

namespace {

TEST(Page, IsSelfContainedAndMarksFailedRows) {
    const std::string broken = Replaced(ReadFileBytes(kDemo), "<SOZEIKOUKA>185400<", "<SOZEIKOUKA>18x400<");
    const std::string xml = WriteTemp("page.xml", broken);
    const std::string html = xml.substr(0, xml.size() - 4) + ".html";
    const StRUN run = RunInspect({"--html", html, xml});
    EXPECT_EQ(run.status, 1);
    const std::string page = ReadFileBytes(html);
    EXPECT_TRUE(page.starts_with("<!DOCTYPE html>"));
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("@page { size: A4;"), std::string::npos);
    for (const char* external : {"src=", "href=", "url(", "@import", "<script"}) {
        EXPECT_EQ(page.find(external), std::string::npos) << external;
    }
    // UTF-8 bytes of 租税公課 and of the company name, in the row marked failed.
    EXPECT_NE(page.find("<tr class=\"failed\"><td>\xE7\xA7\x9F\xE7\xA8\x8E\xE5\x85\xAC\xE8\xAA\xB2</td><td "
                        "class=\"n\">18x400</td>"),
              std::string::npos);
    EXPECT_NE(page.find("&lt;SOZEIKOUKA&gt;"), std::string::npos) << "finding texts are escaped";
}

TEST(Page, UnwritableTargetFails) {
    const StRUN run = RunInspect({"--html", WriteTemp("x", "") + "/no-folder/page.html", kDemo});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("HTML ファイルを書けません"), std::string::npos);
}

// Exports the exporter can write that differ from the golden ones in shape or characters.
TEST(Variant, PassesEveryCheck) {
    const std::pair<const char*, std::string> variants[] = {
        {"no letting rows", WithLettings("white-real-estate.xml", 0)},
        {"characters of the code page 932 extensions",
         Replaced(ReadFileBytes(kGoldenReports + "white-general.xml"), "<KOMONSAKINAME>", "<KOMONSAKINAME>㈱①～")},
        {"negative amount",
         Replaced(ReadFileBytes(kGoldenReports + "white-general.xml"), "<ZAPPI>37000<", "<ZAPPI>-37000<")},
    };
    for (const auto& [name, bytes] : variants) {
        const StRUN run = RunInspect({WriteTemp("variant.xml", bytes)});
        EXPECT_EQ(run.status, 0) << name << "\n" << Utf8(run.out.substr(run.out.find("■ 検査")));
    }
}

}  // namespace
