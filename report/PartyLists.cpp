// The lists of lenders, tax accountants, land-rent payees, customers,
// suppliers and repair works.
#include "report/ReportBuilder.h"
#include "report/SettingsRow.h"
#include "report/ValueText.h"

namespace {
namespace party = savelayout::party;
namespace landRent = savelayout::landRent;
namespace trade = savelayout::trade;
namespace repair = savelayout::repair;

std::string Text(const ClBlockView& row, const StTEXTFIELD& field) { return std::string(row.Text(field)); }
}  // namespace

int ClReportBuilder::WritePartyAddress(ClXmlWriter& writer, const ClBlockView& row) {
    return Put(writer, "JUUSYO_SIMEI_JOUDAN", Text(row, party::kUpper), kFieldDepth) &&
           Put(writer, "JUUSYO_SIMEI_GEDAN", Text(row, party::kLower), kFieldDepth);
}

int ClReportBuilder::WriteRisiUtiwake(ClXmlWriter& writer, int rows) {
    const void* block = model_.ippan.risiZeirisiBlock;
    return Rows(writer, "RISI_UTIWAKE", rows, savelayout::risiZeirisi::kRisiRows, [&](int i) {
        ClBlockView row = SettingsRow(block, 0, party::kSize, i);
        return WritePartyAddress(writer, row) &&
               Put(writer, "KARIIREKIN_KINGAKU", AmountText(row.Amount(party::kAmount1)), kFieldDepth) &&
               Put(writer, "RISIWARIBIKIRYOU", AmountText(row.Amount(party::kAmount2)), kFieldDepth) &&
               Put(writer, "HITUYOUKEIHIGAKU", AmountText(row.Amount(party::kAmount3)), kFieldDepth);
    });
}

int ClReportBuilder::WriteKariireUtiwake(ClXmlWriter& writer, int rows) {
    const void* block = model_.fudousan.kariireZeirisiBlock;
    // Borrowing rows keep the interest first and the borrowed amount second.
    return Rows(writer, "KARIIRE_UTIWAKE", rows, savelayout::kariireZeirisi::kKariireRows, [&](int i) {
        ClBlockView row = SettingsRow(block, 0, party::kSize, i);
        return WritePartyAddress(writer, row) &&
               Put(writer, "KARIIREKIN_KINGAKU", AmountText(row.Amount(party::kAmount2)), kFieldDepth) &&
               Put(writer, "KARIIREKINRISI", AmountText(row.Amount(party::kAmount1)), kFieldDepth) &&
               Put(writer, "HITUYOUKEIHIGAKU", AmountText(row.Amount(party::kAmount3)), kFieldDepth);
    });
}

int ClReportBuilder::WriteZeirisiIppan(ClXmlWriter& writer, int rows) {
    return WriteZeirisi(writer, model_.ippan.risiZeirisiBlock, savelayout::risiZeirisi::kZeirisiFirst, rows);
}

int ClReportBuilder::WriteZeirisiFudousan(ClXmlWriter& writer, int rows) {
    return WriteZeirisi(writer, model_.fudousan.kariireZeirisiBlock, savelayout::kariireZeirisi::kZeirisiFirst, rows);
}

int ClReportBuilder::WriteZeirisi(ClXmlWriter& writer, const void* block, std::size_t first, int rows) {
    // Both records keep the same number of tax-accountant rows.
    static_assert(savelayout::risiZeirisi::kZeirisiRows == savelayout::kariireZeirisi::kZeirisiRows);
    return Rows(writer, "ZEIRISI_UTIWAKE", rows, savelayout::risiZeirisi::kZeirisiRows, [&](int i) {
        ClBlockView row = SettingsRow(block, first, party::kSize, i);
        return WritePartyAddress(writer, row) &&
               Put(writer, "HOUSYUU_KINGAKU", AmountText(row.Amount(party::kAmount1)), kFieldDepth) &&
               Put(writer, "HITUYOUKEIHIGAKU", AmountText(row.Amount(party::kAmount2)), kFieldDepth) &&
               Put(writer, "GENSENZEIGAKU", AmountText(row.Amount(party::kAmount3)), kFieldDepth);
    });
}

int ClReportBuilder::WriteTidaiPayments(ClXmlWriter& writer, const ClBlockView& row) {
    std::string payment = AmountText(row.Amount(landRent::kPayment));
    std::uint8_t kind = row.Byte(landRent::kPaymentKind);
    // 0 premium, 1 renewal fee; any other kind writes neither.
    if (kind == 0 && !(Put(writer, "KENRIKIN", payment, kFieldDepth) && Put(writer, "KOUSINRYOU", "", kFieldDepth))) {
        return 0;
    }
    if (kind == 1 && !(Put(writer, "KENRIKIN", "", kFieldDepth) && Put(writer, "KOUSINRYOU", payment, kFieldDepth))) {
        return 0;
    }
    return Put(writer, "TINSYAKURYOU", AmountText(row.Amount(landRent::kRent)), kFieldDepth) &&
           Put(writer, "HITUYOUKEIHIGAKU", AmountText(row.Amount(landRent::kExpense)), kFieldDepth);
}

int ClReportBuilder::WriteTidaiIppan(ClXmlWriter& writer, int rows) {
    const void* block = model_.ippan.tidaiBlock;
    return Rows(writer, "TIDAI_UTIWAKE", rows, savelayout::tidai::kRows, [&](int i) {
        ClBlockView row = SettingsRow(block, 0, landRent::kSize, i);
        return Put(writer, "JUUSYO_SIMEI_JOUDAN", Text(row, landRent::kUpper), kFieldDepth) &&
               Put(writer, "JUUSYO_SIMEI_GEDAN", Text(row, landRent::kLower), kFieldDepth) &&
               Put(writer, "TINSYAKUBUKKEN_JOUDAN", Text(row, landRent::kProperty), kFieldDepth) &&
               Put(writer, "TINSYAKUBUKKEN_GEDAN", "", kFieldDepth) && WriteTidaiPayments(writer, row);
    });
}

int ClReportBuilder::WriteTidaiFudousan(ClXmlWriter& writer, const StDATAINFO& data, int rows) {
    const void* block = model_.fudousan.tidaiBlock;
    return Rows(writer, "TIDAI_UTIWAKE", rows, savelayout::tidai::kRows, [&](int i) {
        ClBlockView row = SettingsRow(block, 0, landRent::kSize, i);
        std::string upper = Text(row, landRent::kUpper);
        std::string lower = Text(row, landRent::kLower);
        std::string property = Text(row, landRent::kProperty);
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
    int ok = Rows(writer, list.rowTag, rows, savelayout::uriageSiire::kRows, [&](int i) {
        ClBlockView row = SettingsRow(block, list.firstRow, trade::kSize, i);
        return Put(writer, list.nameTag, Text(row, trade::kName), kFieldDepth) &&
               Put(writer, "SYOZAITI", Text(row, trade::kLocation), kFieldDepth) &&
               Put(writer, list.amountTag, AmountText(row.Amount(trade::kAmount)), kFieldDepth);
    });
    return ok && Put(writer, list.othersTag, AmountText(ClBlockView::Of(block).Amount(list.othersOffset)));
}

int ClReportBuilder::WriteUriageUtiwake(ClXmlWriter& writer, int rows) {
    return WriteTradeList(writer, rows,
                          {"URIAGE_UTIWAKE", "URIAGESAKIMEI", "URIAGEKINGAKU", "JOUKIIGAI_URIAGESAKIKEI",
                           savelayout::uriageSiire::kCustomersFirst, savelayout::uriageSiire::kCustomersOthers});
}

int ClReportBuilder::WriteSiireUtiwake(ClXmlWriter& writer, int rows) {
    return WriteTradeList(writer, rows,
                          {"SIIRE_UTIWAKE", "SIIRESAKIMEI", "SIIREKINGAKU", "JOUKIIGAI_SIIRESAKIKEI",
                           savelayout::uriageSiire::kSuppliersFirst, savelayout::uriageSiire::kSuppliersOthers});
}

int ClReportBuilder::WriteSyuuzenhiUtiwake(ClXmlWriter& writer, int rows) {
    const void* block = model_.fudousan.syuuzenhiBlock;
    return Rows(writer, "SYUUZENHI_UTIWAKE", rows, savelayout::syuuzenhi::kRows, [&](int i) {
        ClBlockView row = SettingsRow(block, 0, repair::kSize, i);
        return Put(writer, "JUUSYO_SIMEI_JOUDAN", Text(row, repair::kUpper), kFieldDepth) &&
               Put(writer, "JUUSYO_SIMEI_GEDAN", Text(row, repair::kLower), kFieldDepth) &&
               Put(writer, "KOUJIMEI_SIZAIMEI_JOUDAN", Text(row, repair::kWork), kFieldDepth) &&
               Put(writer, "KOUJIMEI_SIZAIMEI_GEDAN", "", kFieldDepth) &&
               Put(writer, "SIHARAINENGAPPI", PaymentDateText(row.Count(repair::kDate)), kFieldDepth) &&
               Put(writer, "SIHARAIKINGAKU", AmountText(row.Amount(repair::kPaid)), kFieldDepth) &&
               Put(writer, "HITUYOUKEIHIGAKU", AmountText(row.Amount(repair::kExpense)), kFieldDepth);
    });
}
