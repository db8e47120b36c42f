// The letting list (FUDOUSAN_UTIWAKE) of the real-estate return.
#include "report/ReportBuilder.h"
#include "report/ValueText.h"

namespace {
namespace letting = savelayout::letting;

std::string Bounded(const ClBlockView& row, const StTEXTFIELD& field, std::size_t limit) {
    return ClReportBuilder::CopyBounded(row.Text(field), limit);
}
}  // namespace

int ClReportBuilder::WriteFudousanUtiwake(ClXmlWriter& writer, int maxRows) {
    ClBlockView list = ClBlockView::Of(model_.fudousan.kasitukeList);
    // The list ends at the terminator row, at maxRows or where the block ends.
    auto rowAt = [&](int i) { return list.Sub(static_cast<std::size_t>(i - 1) * letting::kSize, letting::kSize); };
    int count = 0;
    while (count < maxRows && static_cast<std::size_t>(count + 1) * letting::kSize <= list.size() &&
           rowAt(count + 1).Count(letting::kMarker) != letting::kTerminator) {
        ++count;
    }
    return Rows(writer, "FUDOUSAN_UTIWAKE", count, count, [&](int i) {
        ClBlockView row = rowAt(i);
        return Put(writer, "KASIYA_KASITI", Bounded(row, letting::kHouseOrLand, 10), kFieldDepth) &&
               Put(writer, "YOUTO", Bounded(row, letting::kUse, 12), kFieldDepth) &&
               Put(writer, "SYOZAITI_JOUDAN", Bounded(row, letting::kLocation, 30), kFieldDepth) &&
               Put(writer, "SYOZAITI_GEDAN", "", kFieldDepth) &&
               Put(writer, "JUUSYO_SIMEI_JOUDAN", Bounded(row, letting::kUpperAddress, 30), kFieldDepth) &&
               Put(writer, "JUUSYO_SIMEI_GEDAN", Bounded(row, letting::kLowerAddress, 30), kFieldDepth) &&
               Put(writer, "KEIYAKUKIKAN_FROM", ContractMonthText(row.Count(letting::kContractFrom)), kFieldDepth) &&
               Put(writer, "KEIYAKUKIKAN_TO", ContractMonthText(row.Count(letting::kContractTo)), kFieldDepth) &&
               Put(writer, "KASITUKEMENSEKI", AreaText(row.Amount(letting::kArea)), kFieldDepth) &&
               Put(writer, "TINTAIRYOU_TUKIGAKU", AmountText(row.Amount(letting::kMonthlyRent)), kFieldDepth) &&
               Put(writer, "TINTAIRYOU_NENGAKU", AmountText(row.Amount(letting::kYearlyRent)), kFieldDepth) &&
               Put(writer, "REIKIN", AmountText(row.Amount(letting::kGratuity)), kFieldDepth) &&
               Put(writer, "KENRIKIN", AmountText(row.Amount(letting::kPremium)), kFieldDepth) &&
               Put(writer, "KOUSINRYOU", AmountText(row.Amount(letting::kRenewalFee)), kFieldDepth) &&
               Put(writer, "MEIGISYOKANRYOU_SONOTA", AmountText(row.Amount(letting::kOtherFees)), kFieldDepth) &&
               Put(writer, "HOSYOUKIN_SIKIKIN", AmountText(row.Amount(letting::kDeposit)), kFieldDepth);
    });
}
