// The deductions and special entries: bad-debt allowance, blue-return special
// deduction, special circumstances, association, let properties, interest on debts.
#include "engine/SaveBlocks.h"
#include "report/Amount.h"
#include "report/ReportBuilder.h"
#include "report/TokusyuJijou.h"
#include "report/ValueText.h"

namespace {
namespace ippanGeneral = savelayout::ippanGeneral;
namespace kasidaore = savelayout::kasidaore;
namespace kasitukeSuu = savelayout::kasitukeSuu;

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
    a.Round(ClAmount::HalfUp, 0);
    return a;
}

// The integer rule: digits also for zero; false when the amount cannot be shown.
bool IntegerText(ClAmount amount, std::string& text) {
    const char* t = amount.Format(0, ClAmount::HalfUp);
    if (!t) return false;
    text = t;
    return true;
}
}  // namespace

int ClReportBuilder::WriteKasidaoreKuriire(ClXmlWriter& writer) {
    ClBlockView block = ClBlockView::Of(model_.ippan.kasidaoreBlock);
    return Put(writer, "KOBETU_KURIIREGAKU", AmountText(block.Amount(kasidaore::kKobetuKuriiregaku))) &&
           Put(writer, "IKKATU_KURIIREGOUKEIGAKU", AmountText(block.Amount(kasidaore::kIkkatuKuriiregoukeigaku))) &&
           Put(writer, "IKKATU_KURIIRERITU", "1") &&
           Put(writer, "IKKATU_KURIIREGENDOGAKU", AmountText(block.Amount(kasidaore::kIkkatuKuriiregendogaku))) &&
           Put(writer, "IKKATU_KURIIREGAKU", AmountText(block.Amount(kasidaore::kIkkatuKuriiregaku)));
}

bool ClReportBuilder::WriteAoiroKoujoSentaku(ClXmlWriter& writer) {
    const char* choice = SentakuText(ClBlockView::Of(model_.ippan.generalBlock).Byte(ippanGeneral::kAoKoujoSentaku));
    return choice && Put(writer, "AOIROKOUJO_SENTAKU", choice);
}

int ClReportBuilder::WriteAoiroKoujo(ClXmlWriter& writer) {
    ClBlockView general = ClBlockView::Of(model_.ippan.generalBlock);
    std::string text;
    // The deduction is taken first from the real-estate income, the rest from
    // the income of this return, never more than that income.
    ClAmount r = WholeYen(general.Amount(ippanGeneral::kFudousanRow21Amount));
    if (!IntegerText(r, text) || !Put(writer, "FUDOUSANSYOTOKU", text)) return 0;

    StAOSUMINFO row{};
    if (!FindSumRow(model_, kIncomeBeforeDeductionRow, kByPosition, &row)) return 0;
    ClAmount b = WholeYen(row.amount);
    if (!IntegerText(b, text) || !Put(writer, "AOIROKOUJOMAESYOTOKU", text)) return 0;

    std::uint8_t choice = general.Byte(ippanGeneral::kAoKoujoSentaku);
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
        SplitTokusyuJijou(ClBlockView::Of(textBlock).Text(0, blocksize::kTokusyuJijou), width, lines);
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
    return Put(writer, "KANYUUDANTAIMEI", std::string(general.Text(ippanGeneral::kKanyuuDantaiName)));
}

int ClReportBuilder::WriteKasitukeFudousan(ClXmlWriter& writer) {
    ClBlockView b = ClBlockView::Of(model_.fudousan.kasitukeSuuBlock);
    return Put(writer, "JUUTAKU_TATEMONO_IKKODATE", CountText(b.Count(kasitukeSuu::kJuutakuTatemonoIkkodate))) &&
           Put(writer, "JUUTAKU_TATEMONO_IKKODATEIGAI",
               CountText(b.Count(kasitukeSuu::kJuutakuTatemonoIkkodateigai))) &&
           Put(writer, "JUUTAKU_TOTI_KEIYAKU", CountText(b.Count(kasitukeSuu::kJuutakuTotiKeiyaku))) &&
           Put(writer, "JUUTAKU_TOTI_SOUMENSEKI", AreaText(b.Amount(kasitukeSuu::kJuutakuTotiSoumenseki))) &&
           Put(writer, "JUUTAKUIGAI_TATEMONO_IKKODATE",
               CountText(b.Count(kasitukeSuu::kJuutakuigaiTatemonoIkkodate))) &&
           Put(writer, "JUUTAKUIGAI_TATEMONO_IKKODATEIGAI",
               CountText(b.Count(kasitukeSuu::kJuutakuigaiTatemonoIkkodateigai))) &&
           Put(writer, "JUUTAKUIGAI_TOTI_KEIYAKU", CountText(b.Count(kasitukeSuu::kJuutakuigaiTotiKeiyaku))) &&
           Put(writer, "JUUTAKUIGAI_TOTI_SOUMENSEKI", AreaText(b.Amount(kasitukeSuu::kJuutakuigaiTotiSoumenseki))) &&
           Put(writer, "CHUUSYAJOU_YANETUKI", CountText(b.Count(kasitukeSuu::kChuusyajouYanetuki))) &&
           Put(writer, "CHUUSYAJOU_AOZORA", CountText(b.Count(kasitukeSuu::kChuusyajouAozora)));
}

int ClReportBuilder::WriteFusaiRisi(ClXmlWriter& writer) {
    ClBlockView general = ClBlockView::Of(model_.fudousan.generalBlock);
    return Put(writer, "FUSAIRISIGAKU", AmountText(general.Amount(savelayout::fudousanGeneral::kFusaiRisiAmount)));
}
