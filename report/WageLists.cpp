// The wage lists (KYUURYOU_UTIWAKE with the others row) and the family-employee
// lists (SENJUUSYA_UTIWAKE) of the general and the real-estate return.
#include "report/ReportBuilder.h"
#include "report/SettingsRow.h"
#include "report/ValueText.h"

namespace {
namespace wage = savelayout::wage;
namespace family = savelayout::family;
namespace kyuuryouSenjuusya = savelayout::kyuuryouSenjuusya;
}  // namespace

int ClReportBuilder::WriteWagePerson(ClXmlWriter& writer, const ClBlockView& row, int depth) {
    return Put(writer, "SIMEI", std::string(row.Text(wage::kName)), depth) &&
           Put(writer, "NENREI", CountText(row.Count(wage::kAge)), depth) &&
           Put(writer, "JUUJITUKISUU", CountText(row.Count(wage::kMonths)), depth) &&
           Put(writer, "KYUURYOU", AmountText(row.Amount(wage::kWages)), depth) &&
           Put(writer, "SYOUYO", AmountText(row.Amount(wage::kBonus)), depth) &&
           Put(writer, "GENSENZEIGAKU", AmountText(row.Amount(wage::kTaxWithheld)), depth);
}

int ClReportBuilder::WriteOthersWages(ClXmlWriter& writer, std::int32_t persons, const ClBlockView& row) {
    return Put(writer, "SONOTA_NINBUN", CountText(persons)) &&
           Put(writer, "SONOTA_JUUJITUKISUU", CountText(row.Count(wage::kMonths))) &&
           Put(writer, "SONOTA_KYUURYOU", AmountText(row.Amount(wage::kWages))) &&
           Put(writer, "SONOTA_SYOUYO", AmountText(row.Amount(wage::kBonus))) &&
           Put(writer, "SONOTA_GENSENZEIGAKU", AmountText(row.Amount(wage::kTaxWithheld)));
}

int ClReportBuilder::WriteKyuuryouIppan(ClXmlWriter& writer, int rows, int others) {
    const void* block = model_.ippan.kyuuryouBlock;
    auto person = [&](int i) {
        return WriteWagePerson(writer, SettingsRow(block, 0, wage::kSize, i), kFieldDepth) != 0;
    };
    if (!Rows(writer, "KYUURYOU_UTIWAKE", rows, savelayout::ippanKyuuryou::kPersonRows, person)) return 0;
    if (others != 1) return 1;
    // Only the white (3 persons) and the blue (5 persons) layouts have an others row.
    if (rows != 3 && rows != 5) return 0;
    ClBlockView row = SettingsRow(block, 0, wage::kSize, rows + 1);
    return WriteOthersWages(writer, row.Count(wage::kAge), row);
}

int ClReportBuilder::WriteKyuuryouFudousan(ClXmlWriter& writer, int rows, int others) {
    const void* block = model_.fudousan.kyuuryouSenjuusyaBlock;
    if (rows == 1) {
        if (!WriteWagePerson(writer, SettingsRow(block, 0, wage::kSize, 1), kItemDepth)) return 0;
    } else {
        auto person = [&](int i) {
            return WriteWagePerson(writer, SettingsRow(block, 0, wage::kSize, i), kFieldDepth) != 0;
        };
        if (!Rows(writer, "KYUURYOU_UTIWAKE", rows, kyuuryouSenjuusya::kWageRows, person)) return 0;
    }
    if (others != 1) return 1;
    // The others row takes the second wage row, so it exists beside exactly one person.
    if (rows != 1) return 0;
    return WriteOthersWages(writer, ClBlockView::Of(block).Count(kyuuryouSenjuusya::kOthersPersons),
                            SettingsRow(block, 0, wage::kSize, 2));
}

int ClReportBuilder::WriteFamilyEmployee(ClXmlWriter& writer, const ClBlockView& row, bool blue, int depth) {
    std::string name(row.Text(family::kName));
    std::string relationship(row.Text(family::kRelationship));
    if (!blue) {
        return Put(writer, "SIMEI", name, depth) && Put(writer, "NENREI", CountText(row.Count(wage::kAge)), depth) &&
               Put(writer, "ZOKUGARA", relationship, depth) &&
               Put(writer, "JUUJITUKISUU", CountText(row.Count(wage::kMonths)), depth);
    }
    return Put(writer, "SIMEI", name, depth) && Put(writer, "ZOKUGARA", relationship, depth) &&
           Put(writer, "NENREI", CountText(row.Count(wage::kAge)), depth) &&
           Put(writer, "JUUJITUKISUU", CountText(row.Count(wage::kMonths)), depth) &&
           Put(writer, "KYUURYOU", AmountText(row.Amount(wage::kWages)), depth) &&
           Put(writer, "SYOUYO", AmountText(row.Amount(wage::kBonus)), depth) &&
           Put(writer, "GENSENZEIGAKU", AmountText(row.Amount(wage::kTaxWithheld)), depth);
}

int ClReportBuilder::WriteSenjuusyaIppan(ClXmlWriter& writer, const StDATAINFO& data, int rows) {
    const void* block = model_.ippan.kasidaoreBlock;
    bool blue = data.aoSiroKind == kBlueReturn;
    return Rows(writer, "SENJUUSYA_UTIWAKE", rows, savelayout::kasidaore::kFamilyRows, [&](int i) {
        return WriteFamilyEmployee(writer, SettingsRow(block, savelayout::kasidaore::kFamilyFirst, family::kSize, i),
                                   blue, kFieldDepth) != 0;
    });
}

int ClReportBuilder::WriteSenjuusyaFudousan(ClXmlWriter& writer, const StDATAINFO& data, int rows) {
    const void* block = model_.fudousan.kyuuryouSenjuusyaBlock;
    bool blue = data.aoSiroKind == kBlueReturn;
    if (rows == 1) {
        return WriteFamilyEmployee(writer, SettingsRow(block, kyuuryouSenjuusya::kFamilyFirst, family::kSize, 1), blue,
                                   kItemDepth);
    }
    return Rows(writer, "SENJUUSYA_UTIWAKE", rows, kyuuryouSenjuusya::kFamilyRows, [&](int i) {
        return WriteFamilyEmployee(writer, SettingsRow(block, kyuuryouSenjuusya::kFamilyFirst, family::kSize, i), blue,
                                   kFieldDepth) != 0;
    });
}
