// The letting list (FUDOUSAN_UTIWAKE) of the real-estate return.
#include "report/ReportBuilder.h"
#include "report/ValueText.h"

namespace {
namespace kasituke = savelayout::kasituke;

std::string Bounded(const ClBlockView& row, const StTEXTFIELD& field, std::size_t limit) {
    return ClReportBuilder::CopyBounded(row.Text(field), limit);
}
}  // namespace

int ClReportBuilder::WriteFudousanUtiwake(ClXmlWriter& writer, int maxRows) {
    ClBlockView list = ClBlockView::Of(model_.fudousan.kasitukeList);
    // The list ends at the terminator row, at maxRows or where the block ends.
    auto rowAt = [&](int i) { return list.Sub(static_cast<std::size_t>(i - 1) * kasituke::kSize, kasituke::kSize); };
    int count = 0;
    while (count < maxRows && static_cast<std::size_t>(count + 1) * kasituke::kSize <= list.size() &&
           rowAt(count + 1).Count(kasituke::kMarker) != kasituke::kTerminator) {
        ++count;
    }
    return Rows(writer, "FUDOUSAN_UTIWAKE", count, count, [&](int i) {
        ClBlockView row = rowAt(i);
        return Put(writer, "KASIYA_KASITI", Bounded(row, kasituke::kHouseOrLand, 10), kFieldDepth) &&
               Put(writer, "YOUTO", Bounded(row, kasituke::kUse, 12), kFieldDepth) &&
               Put(writer, "SYOZAITI_JOUDAN", Bounded(row, kasituke::kLocation, 30), kFieldDepth) &&
               Put(writer, "SYOZAITI_GEDAN", "", kFieldDepth) &&
               Put(writer, "JUUSYO_SIMEI_JOUDAN", Bounded(row, kasituke::kUpperAddress, 30), kFieldDepth) &&
               Put(writer, "JUUSYO_SIMEI_GEDAN", Bounded(row, kasituke::kLowerAddress, 30), kFieldDepth) &&
               Put(writer, "KEIYAKUKIKAN_FROM", ContractMonthText(row.Count(kasituke::kContractFrom)), kFieldDepth) &&
               Put(writer, "KEIYAKUKIKAN_TO", ContractMonthText(row.Count(kasituke::kContractTo)), kFieldDepth) &&
               Put(writer, "KASITUKEMENSEKI", AreaText(row.Amount(kasituke::kArea)), kFieldDepth) &&
               Put(writer, "TINTAIRYOU_TUKIGAKU", AmountText(row.Amount(kasituke::kMonthlyRent)), kFieldDepth) &&
               Put(writer, "TINTAIRYOU_NENGAKU", AmountText(row.Amount(kasituke::kYearlyRent)), kFieldDepth) &&
               Put(writer, "REIKIN", AmountText(row.Amount(kasituke::kGratuity)), kFieldDepth) &&
               Put(writer, "KENRIKIN", AmountText(row.Amount(kasituke::kPremium)), kFieldDepth) &&
               Put(writer, "KOUSINRYOU", AmountText(row.Amount(kasituke::kRenewalFee)), kFieldDepth) &&
               Put(writer, "MEIGISYOKANRYOU_SONOTA", AmountText(row.Amount(kasituke::kOtherFees)), kFieldDepth) &&
               Put(writer, "HOSYOUKIN_SIKIKIN", AmountText(row.Amount(kasituke::kDeposit)), kFieldDepth);
    });
}
