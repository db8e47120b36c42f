// The deductions and special entries: bad-debt allowance, blue-return special
// deduction, special circumstances, association, let properties, interest on debts.
#include "engine/SaveBlocks.h"
#include "report/Amount.h"
#include "report/ReportBuilder.h"
#include "report/TokusyuJijou.h"
#include "report/ValueText.h"

namespace {
// General block of the general record.
constexpr std::size_t kKanyuuDantaiName = 349;
constexpr std::size_t kKanyuuDantaiWidth = 128;
constexpr std::size_t kAoKoujoSentaku = 521;
constexpr std::size_t kFudousanRow21Amount = 534;
// Bad-debt allowance amounts.
constexpr std::size_t kKobetuKuriiregaku = 16;
constexpr std::size_t kIkkatuKuriiregoukeigaku = 24;
constexpr std::size_t kIkkatuKuriiregendogaku = 32;
constexpr std::size_t kIkkatuKuriiregaku = 40;
// General block of the real-estate record.
constexpr std::size_t kFusaiRisiAmount = 352;
// The special-circumstances text block.
constexpr std::size_t kTokusyuJijouWidth = 1024;

// The income before the blue-return special deduction: the 43rd summary row.
constexpr std::int32_t kIncomeBeforeDeductionRow = 43;
constexpr std::int16_t kByPosition = 1;
constexpr std::int32_t kLimitChoice1 = 650000;  // yen
constexpr std::int32_t kLimitChoice0 = 100000;

// AOIROKOUJO_SENTAKU: "1" for choice 1, "2" for choice 0, null for anything else.
const char* SentakuText(std::uint8_t choice) { return choice == 1 ? "1" : choice == 0 ? "2" : nullptr; }

// A non-negative amount rounded to whole yen, half up.
ClAmount WholeYen(std::int64_t tenThousandths) {
    ClAmount a = ClAmount::FromTenThousandths(tenThousandths);
    if (a < ClAmount(0, 0)) a = ClAmount(0, 0);
    a.Round(ClAmount::kHalfUp, 0);
    return a;
}

// The integer rule: digits also for zero; false when the amount cannot be shown.
bool IntegerText(ClAmount amount, std::string& text) {
    const char* t = amount.Format(0, ClAmount::kHalfUp);
    if (!t) return false;
    text = t;
    return true;
}
}  // namespace

int ClReportBuilder::WriteKasidaoreKuriire(ClXmlWriter& writer) {
    ClBlockView block = ClBlockView::Of(model_.ippan.kasidaoreBlock);
    return Put(writer, "KOBETU_KURIIREGAKU", AmountText(block.Amount(kKobetuKuriiregaku))) &&
           Put(writer, "IKKATU_KURIIREGOUKEIGAKU", AmountText(block.Amount(kIkkatuKuriiregoukeigaku))) &&
           Put(writer, "IKKATU_KURIIRERITU", "1") &&
           Put(writer, "IKKATU_KURIIREGENDOGAKU", AmountText(block.Amount(kIkkatuKuriiregendogaku))) &&
           Put(writer, "IKKATU_KURIIREGAKU", AmountText(block.Amount(kIkkatuKuriiregaku)));
}

bool ClReportBuilder::WriteAoiroKoujoSentaku(ClXmlWriter& writer) {
    const char* choice = SentakuText(ClBlockView::Of(model_.ippan.generalBlock).Byte(kAoKoujoSentaku));
    return choice && Put(writer, "AOIROKOUJO_SENTAKU", choice);
}

int ClReportBuilder::WriteAoiroKoujo(ClXmlWriter& writer) {
    ClBlockView general = ClBlockView::Of(model_.ippan.generalBlock);
    std::string text;
    // The deduction is taken first from the real-estate income, the rest from
    // the income of this return, never more than that income.
    ClAmount r = WholeYen(general.Amount(kFudousanRow21Amount));
    if (!IntegerText(r, text) || !Put(writer, "FUDOUSANSYOTOKU", text)) return 0;

    StAOSUMINFO row{};
    if (!FindSumRow(model_, kIncomeBeforeDeductionRow, kByPosition, &row)) return 0;
    ClAmount b = WholeYen(row.amount);
    if (!IntegerText(b, text) || !Put(writer, "AOIROKOUJOMAESYOTOKU", text)) return 0;

    std::uint8_t choice = general.Byte(kAoKoujoSentaku);
    if (!WriteAoiroKoujoSentaku(writer)) return 0;
    ClAmount limit(choice == 1 ? kLimitChoice1 : kLimitChoice0, 0);
    ClAmount used = limit < r ? limit : r;
    ClAmount deduction = limit - used;
    if (deduction > b) deduction = b;
    std::string amount;
    if (!IntegerText(deduction, amount)) return 0;
    std::string applied = choice == 1 ? amount : "";
    std::string other = choice == 1 ? "" : amount;
    return Put(writer, "AOIROKOUJO_KOUJYOGAKU", applied) && Put(writer, "JOUKIIGAI_KOUJYOGAKU", other);
}

int ClReportBuilder::WriteTokusyuJijou(ClXmlWriter& writer, const void* textBlock, int width, int lines) {
    std::vector<std::string> split =
        SplitTokusyuJijou(ClBlockView::Of(textBlock).Text(0, kTokusyuJijouWidth), width, lines);
    for (std::size_t k = 0; k < split.size(); ++k) {
        std::string tag = "TOKUSYUJIJOU" + std::to_string(k + 1);
        if (!Put(writer, tag.c_str(), split[k])) return 0;
    }
    return 1;
}

int ClReportBuilder::WriteTokusyuJijouIppan(ClXmlWriter& writer, int width, int lines) {
    return WriteTokusyuJijou(writer, model_.ippan.tokusyuJijouText, width, lines);
}

int ClReportBuilder::WriteTokusyuJijouFudousan(ClXmlWriter& writer, int width, int lines) {
    return WriteTokusyuJijou(writer, model_.fudousan.tokusyuJijouText, width, lines);
}

int ClReportBuilder::WriteKanyuuDantai(ClXmlWriter& writer) {
    ClBlockView general = ClBlockView::Of(model_.ippan.generalBlock);
    return Put(writer, "KANYUUDANTAIMEI", std::string(general.Text(kKanyuuDantaiName, kKanyuuDantaiWidth)));
}

int ClReportBuilder::WriteKasitukeFudousan(ClXmlWriter& writer) {
    ClBlockView b = ClBlockView::Of(model_.fudousan.kasitukeSuuBlock);
    return Put(writer, "JUUTAKU_TATEMONO_IKKODATE", CountText(b.Count(4))) &&
           Put(writer, "JUUTAKU_TATEMONO_IKKODATEIGAI", CountText(b.Count(8))) &&
           Put(writer, "JUUTAKU_TOTI_KEIYAKU", CountText(b.Count(12))) &&
           Put(writer, "JUUTAKU_TOTI_SOUMENSEKI", AreaText(b.Amount(16))) &&
           Put(writer, "JUUTAKUIGAI_TATEMONO_IKKODATE", CountText(b.Count(28))) &&
           Put(writer, "JUUTAKUIGAI_TATEMONO_IKKODATEIGAI", CountText(b.Count(32))) &&
           Put(writer, "JUUTAKUIGAI_TOTI_KEIYAKU", CountText(b.Count(36))) &&
           Put(writer, "JUUTAKUIGAI_TOTI_SOUMENSEKI", AreaText(b.Amount(40))) &&
           Put(writer, "CHUUSYAJOU_YANETUKI", CountText(b.Count(48))) &&
           Put(writer, "CHUUSYAJOU_AOZORA", CountText(b.Count(52)));
}

int ClReportBuilder::WriteFusaiRisi(ClXmlWriter& writer) {
    ClBlockView general = ClBlockView::Of(model_.fudousan.generalBlock);
    return Put(writer, "FUSAIRISIGAKU", AmountText(general.Amount(kFusaiRisiAmount)));
}
