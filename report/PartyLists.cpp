// The lists of lenders, tax accountants, land-rent payees, customers,
// suppliers and repair works.
#include "report/ReportBuilder.h"
#include "report/SettingsRow.h"
#include "report/ValueText.h"

namespace {
constexpr std::size_t kLineWidth = 41;  // address and name lines

// Party row (112 bytes): two address lines at 6 and 47, three amounts.
constexpr std::size_t kPartyRow = 112;
constexpr std::size_t kPartyUpper = 6;
constexpr std::size_t kPartyLower = 47;
constexpr std::size_t kFirstAmount = 88;
constexpr std::size_t kSecondAmount = 96;
constexpr std::size_t kThirdAmount = 104;

// Land-rent row (128 bytes).
constexpr std::size_t kTidaiRow = 128;
constexpr std::size_t kTidaiUpper = 0;
constexpr std::size_t kTidaiLower = 41;
constexpr std::size_t kTidaiProperty = 82;
constexpr std::size_t kPropertyWidth = 21;
constexpr std::size_t kPaymentKind = 103;
constexpr std::size_t kPayment = 104;
constexpr std::size_t kRent = 112;
constexpr std::size_t kExpensePart = 120;

// Customer and supplier row (72 bytes); the suppliers follow the customers' others row.
constexpr std::size_t kTradeRow = 72;
constexpr std::size_t kTradeName = 2;
constexpr std::size_t kTradeNameWidth = 21;
constexpr std::size_t kTradeLocation = 23;
constexpr std::size_t kTradeAmount = 64;
constexpr std::size_t kCustomersFirst = 0;
constexpr std::size_t kCustomersOthers = 352;
constexpr std::size_t kSuppliersFirst = 360;
constexpr std::size_t kSuppliersOthers = 712;
constexpr int kTradeRows = 4;

// Repair row (128 bytes).
constexpr std::size_t kRepairRow = 128;
constexpr std::size_t kRepairUpper = 5;
constexpr std::size_t kRepairLower = 46;
constexpr std::size_t kRepairWork = 87;
constexpr std::size_t kRepairDate = 108;
constexpr std::size_t kRepairPaid = 112;
constexpr std::size_t kRepairExpense = 120;
constexpr int kRepairRows = 3;


std::string Text(const ClBlockView& row, std::size_t offset, std::size_t width) {
    return std::string(row.Text(offset, width));
}
}  // namespace

int ClReportBuilder::WritePartyAddress(ClXmlWriter& writer, const ClBlockView& row) {
    return Put(writer, "JUUSYO_SIMEI_JOUDAN", Text(row, kPartyUpper, kLineWidth), kFieldDepth) &&
           Put(writer, "JUUSYO_SIMEI_GEDAN", Text(row, kPartyLower, kLineWidth), kFieldDepth);
}

int ClReportBuilder::WriteRisiUtiwake(ClXmlWriter& writer, int rows) {
    const void* block = model_.ippan.risiZeirisiBlock;
    return Rows(writer, "RISI_UTIWAKE", rows, 2, [&](int i) {
        ClBlockView row = SettingsRow(block, 0, kPartyRow, i);
        return WritePartyAddress(writer, row) &&
               Put(writer, "KARIIREKIN_KINGAKU", AmountText(row.Amount(kFirstAmount)), kFieldDepth) &&
               Put(writer, "RISIWARIBIKIRYOU", AmountText(row.Amount(kSecondAmount)), kFieldDepth) &&
               Put(writer, "HITUYOUKEIHIGAKU", AmountText(row.Amount(kThirdAmount)), kFieldDepth);
    });
}

int ClReportBuilder::WriteKariireUtiwake(ClXmlWriter& writer, int rows) {
    const void* block = model_.fudousan.kariireZeirisiBlock;
    // Borrowing rows keep the interest first and the borrowed amount second.
    return Rows(writer, "KARIIRE_UTIWAKE", rows, 3, [&](int i) {
        ClBlockView row = SettingsRow(block, 0, kPartyRow, i);
        return WritePartyAddress(writer, row) &&
               Put(writer, "KARIIREKIN_KINGAKU", AmountText(row.Amount(kSecondAmount)), kFieldDepth) &&
               Put(writer, "KARIIREKINRISI", AmountText(row.Amount(kFirstAmount)), kFieldDepth) &&
               Put(writer, "HITUYOUKEIHIGAKU", AmountText(row.Amount(kThirdAmount)), kFieldDepth);
    });
}

namespace {
// Tax-accountant rows: row 3 on of the general block, row 4 on of the real-estate one.
constexpr std::size_t kZeirisiIppanFirst = 2 * kPartyRow;
constexpr std::size_t kZeirisiFudousanFirst = 3 * kPartyRow;
}  // namespace

int ClReportBuilder::WriteZeirisiIppan(ClXmlWriter& writer, int rows) {
    return WriteZeirisi(writer, model_.ippan.risiZeirisiBlock, kZeirisiIppanFirst, rows);
}

int ClReportBuilder::WriteZeirisiFudousan(ClXmlWriter& writer, int rows) {
    return WriteZeirisi(writer, model_.fudousan.kariireZeirisiBlock, kZeirisiFudousanFirst, rows);
}

int ClReportBuilder::WriteZeirisi(ClXmlWriter& writer, const void* block, std::size_t first, int rows) {
    return Rows(writer, "ZEIRISI_UTIWAKE", rows, 2, [&](int i) {
        ClBlockView row = SettingsRow(block, first, kPartyRow, i);
        return WritePartyAddress(writer, row) &&
               Put(writer, "HOUSYUU_KINGAKU", AmountText(row.Amount(kFirstAmount)), kFieldDepth) &&
               Put(writer, "HITUYOUKEIHIGAKU", AmountText(row.Amount(kSecondAmount)), kFieldDepth) &&
               Put(writer, "GENSENZEIGAKU", AmountText(row.Amount(kThirdAmount)), kFieldDepth);
    });
}

int ClReportBuilder::WriteTidaiPayments(ClXmlWriter& writer, const ClBlockView& row) {
    std::string payment = AmountText(row.Amount(kPayment));
    std::uint8_t kind = row.Byte(kPaymentKind);
    // 0 premium, 1 renewal fee; any other kind writes neither.
    if (kind == 0 && !(Put(writer, "KENRIKIN", payment, kFieldDepth) && Put(writer, "KOUSINRYOU", "", kFieldDepth))) {
        return 0;
    }
    if (kind == 1 && !(Put(writer, "KENRIKIN", "", kFieldDepth) && Put(writer, "KOUSINRYOU", payment, kFieldDepth))) {
        return 0;
    }
    return Put(writer, "TINSYAKURYOU", AmountText(row.Amount(kRent)), kFieldDepth) &&
           Put(writer, "HITUYOUKEIHIGAKU", AmountText(row.Amount(kExpensePart)), kFieldDepth);
}

int ClReportBuilder::WriteTidaiIppan(ClXmlWriter& writer, int rows) {
    const void* block = model_.ippan.tidaiBlock;
    return Rows(writer, "TIDAI_UTIWAKE", rows, 2, [&](int i) {
        ClBlockView row = SettingsRow(block, 0, kTidaiRow, i);
        return Put(writer, "JUUSYO_SIMEI_JOUDAN", Text(row, kTidaiUpper, kLineWidth), kFieldDepth) &&
               Put(writer, "JUUSYO_SIMEI_GEDAN", Text(row, kTidaiLower, kLineWidth), kFieldDepth) &&
               Put(writer, "TINSYAKUBUKKEN_JOUDAN", Text(row, kTidaiProperty, kPropertyWidth), kFieldDepth) &&
               Put(writer, "TINSYAKUBUKKEN_GEDAN", "", kFieldDepth) && WriteTidaiPayments(writer, row);
    });
}

int ClReportBuilder::WriteTidaiFudousan(ClXmlWriter& writer, const StDATAINFO& data, int rows) {
    const void* block = model_.fudousan.tidaiBlock;
    return Rows(writer, "TIDAI_UTIWAKE", rows, 2, [&](int i) {
        ClBlockView row = SettingsRow(block, 0, kTidaiRow, i);
        std::string upper = Text(row, kTidaiUpper, kLineWidth);
        std::string lower = Text(row, kTidaiLower, kLineWidth);
        std::string property = Text(row, kTidaiProperty, kPropertyWidth);
        if (data.aoSiroKind == kBlueReturn) {
            return Put(writer, "JUUSYO_SIMEI_1", upper, kFieldDepth) &&
                   Put(writer, "JUUSYO_SIMEI_2", lower, kFieldDepth) &&
                   Put(writer, "JUUSYO_SIMEI_3", "", kFieldDepth) && Put(writer, "JUUSYO_SIMEI_4", "", kFieldDepth) &&
                   Put(writer, "TINSYAKUBUKKEN_1", property, kFieldDepth) &&
                   Put(writer, "TINSYAKUBUKKEN_2", "", kFieldDepth) &&
                   Put(writer, "TINSYAKUBUKKEN_3", "", kFieldDepth) &&
                   Put(writer, "TINSYAKUBUKKEN_4", "", kFieldDepth) && WriteTidaiPayments(writer, row);
        }
        if (data.aoSiroKind == kWhiteReturn) {
            return Put(writer, "JUUSYO_SIMEI_JOUDAN", upper, kFieldDepth) &&
                   Put(writer, "JUUSYO_SIMEI_GEDAN", lower, kFieldDepth) &&
                   Put(writer, "TINSYAKUBUKKEN_JOUDAN", property, kFieldDepth) &&
                   Put(writer, "TINSYAKUBUKKEN_GEDAN", "", kFieldDepth) && WriteTidaiPayments(writer, row);
        }
        return false;
    });
}

int ClReportBuilder::WriteTradeList(ClXmlWriter& writer, int rows, const StTRADELIST& list) {
    const void* block = model_.ippan.uriageSiireBlock;
    int ok = Rows(writer, list.rowTag, rows, kTradeRows, [&](int i) {
        ClBlockView row = SettingsRow(block, list.firstRow, kTradeRow, i);
        return Put(writer, list.nameTag, Text(row, kTradeName, kTradeNameWidth), kFieldDepth) &&
               Put(writer, "SYOZAITI", Text(row, kTradeLocation, kLineWidth), kFieldDepth) &&
               Put(writer, list.amountTag, AmountText(row.Amount(kTradeAmount)), kFieldDepth);
    });
    return ok && Put(writer, list.othersTag, AmountText(ClBlockView::Of(block).Amount(list.othersOffset)));
}

int ClReportBuilder::WriteUriageUtiwake(ClXmlWriter& writer, int rows) {
    return WriteTradeList(writer, rows,
                          {"URIAGE_UTIWAKE", "URIAGESAKIMEI", "URIAGEKINGAKU", "JOUKIIGAI_URIAGESAKIKEI",
                           kCustomersFirst, kCustomersOthers});
}

int ClReportBuilder::WriteSiireUtiwake(ClXmlWriter& writer, int rows) {
    return WriteTradeList(writer, rows,
                          {"SIIRE_UTIWAKE", "SIIRESAKIMEI", "SIIREKINGAKU", "JOUKIIGAI_SIIRESAKIKEI",
                           kSuppliersFirst, kSuppliersOthers});
}

int ClReportBuilder::WriteSyuuzenhiUtiwake(ClXmlWriter& writer, int rows) {
    const void* block = model_.fudousan.syuuzenhiBlock;
    return Rows(writer, "SYUUZENHI_UTIWAKE", rows, kRepairRows, [&](int i) {
        ClBlockView row = SettingsRow(block, 0, kRepairRow, i);
        return Put(writer, "JUUSYO_SIMEI_JOUDAN", Text(row, kRepairUpper, kLineWidth), kFieldDepth) &&
               Put(writer, "JUUSYO_SIMEI_GEDAN", Text(row, kRepairLower, kLineWidth), kFieldDepth) &&
               Put(writer, "KOUJIMEI_SIZAIMEI_JOUDAN", Text(row, kRepairWork, kPropertyWidth), kFieldDepth) &&
               Put(writer, "KOUJIMEI_SIZAIMEI_GEDAN", "", kFieldDepth) &&
               Put(writer, "SIHARAINENGAPPI", PaymentDateText(row.Count(kRepairDate)), kFieldDepth) &&
               Put(writer, "SIHARAIKINGAKU", AmountText(row.Amount(kRepairPaid)), kFieldDepth) &&
               Put(writer, "HITUYOUKEIHIGAKU", AmountText(row.Amount(kRepairExpense)), kFieldDepth);
    });
}
