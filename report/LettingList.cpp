// The letting list (FUDOUSAN_UTIWAKE) of the real-estate return.
#include "report/ReportBuilder.h"
#include "report/ValueText.h"

namespace {
constexpr std::size_t kLettingRow = 236;
constexpr std::size_t kTerminatorField = 4;
constexpr std::int32_t kTerminator = -1;
constexpr std::size_t kLowerAddress = 8;
constexpr std::size_t kLocation = 49;
constexpr std::size_t kUpperAddress = 90;
constexpr std::size_t kLineWidth = 41;
constexpr std::size_t kHouseOrLand = 131;
constexpr std::size_t kHouseOrLandWidth = 11;
constexpr std::size_t kUse = 142;
constexpr std::size_t kUseWidth = 22;
constexpr std::size_t kContractFrom = 164;
constexpr std::size_t kContractTo = 168;
constexpr std::size_t kArea = 172;
constexpr std::size_t kMonthlyRent = 180;
constexpr std::size_t kYearlyRent = 188;
constexpr std::size_t kGratuity = 196;
constexpr std::size_t kPremium = 204;
constexpr std::size_t kRenewalFee = 212;
constexpr std::size_t kOtherFees = 220;
constexpr std::size_t kDeposit = 228;

std::string Bounded(const ClBlockView& row, std::size_t offset, std::size_t width, std::size_t limit) {
    return ClReportBuilder::CopyBounded(row.Text(offset, width), limit);
}
}  // namespace

int ClReportBuilder::WriteFudousanUtiwake(ClXmlWriter& writer, int maxRows) {
    ClBlockView list = ClBlockView::Of(model_.fudousan.kasitukeList);
    // The list ends at the terminator row, at maxRows or where the block ends.
    auto rowAt = [&](int i) { return list.Sub(static_cast<std::size_t>(i - 1) * kLettingRow, kLettingRow); };
    int count = 0;
    while (count < maxRows && static_cast<std::size_t>(count + 1) * kLettingRow <= list.size() &&
           rowAt(count + 1).Count(kTerminatorField) != kTerminator) {
        ++count;
    }
    return Rows(writer, "FUDOUSAN_UTIWAKE", count, count, [&](int i) {
        ClBlockView row = rowAt(i);
        return Put(writer, "KASIYA_KASITI", Bounded(row, kHouseOrLand, kHouseOrLandWidth, 10), kFieldDepth) &&
               Put(writer, "YOUTO", Bounded(row, kUse, kUseWidth, 12), kFieldDepth) &&
               Put(writer, "SYOZAITI_JOUDAN", Bounded(row, kLocation, kLineWidth, 30), kFieldDepth) &&
               Put(writer, "SYOZAITI_GEDAN", "", kFieldDepth) &&
               Put(writer, "JUUSYO_SIMEI_JOUDAN", Bounded(row, kUpperAddress, kLineWidth, 30), kFieldDepth) &&
               Put(writer, "JUUSYO_SIMEI_GEDAN", Bounded(row, kLowerAddress, kLineWidth, 30), kFieldDepth) &&
               Put(writer, "KEIYAKUKIKAN_FROM", ContractMonthText(row.Count(kContractFrom)), kFieldDepth) &&
               Put(writer, "KEIYAKUKIKAN_TO", ContractMonthText(row.Count(kContractTo)), kFieldDepth) &&
               Put(writer, "KASITUKEMENSEKI", AreaText(row.Amount(kArea)), kFieldDepth) &&
               Put(writer, "TINTAIRYOU_TUKIGAKU", AmountText(row.Amount(kMonthlyRent)), kFieldDepth) &&
               Put(writer, "TINTAIRYOU_NENGAKU", AmountText(row.Amount(kYearlyRent)), kFieldDepth) &&
               Put(writer, "REIKIN", AmountText(row.Amount(kGratuity)), kFieldDepth) &&
               Put(writer, "KENRIKIN", AmountText(row.Amount(kPremium)), kFieldDepth) &&
               Put(writer, "KOUSINRYOU", AmountText(row.Amount(kRenewalFee)), kFieldDepth) &&
               Put(writer, "MEIGISYOKANRYOU_SONOTA", AmountText(row.Amount(kOtherFees)), kFieldDepth) &&
               Put(writer, "HOSYOUKIN_SIKIKIN", AmountText(row.Amount(kDeposit)), kFieldDepth);
    });
}
