// The wage lists (KYUURYOU_UTIWAKE with the others row) and the family-employee
// lists (SENJUUSYA_UTIWAKE) of the general and the real-estate return.
#include "report/ReportBuilder.h"
#include "report/SettingsRow.h"
#include "report/ValueText.h"

namespace {
constexpr std::size_t kWageRow = 80;
constexpr std::size_t kFamilyRow = 80;
constexpr std::size_t kNameWidth = 41;

// Wage row: name at 7, age (persons in an others row) at 48, months at 52,
// wages, bonus and tax withheld at 56, 64 and 72.
constexpr std::size_t kWageName = 7;
constexpr std::size_t kAge = 48;
constexpr std::size_t kMonths = 52;
constexpr std::size_t kWages = 56;
constexpr std::size_t kBonus = 64;
constexpr std::size_t kTaxWithheld = 72;
// Family-employee row: name at 0, relationship at 41 (7 bytes), the rest as a wage row.
constexpr std::size_t kFamilyName = 0;
constexpr std::size_t kRelationship = 41;
constexpr std::size_t kRelationshipWidth = 7;

// The general wage block: person rows, then the others row (row n + 1).
constexpr int kKyuuryouIppanRows = 5;
// The real-estate wage and family block.
constexpr int kKyuuryouFudousanRows = 2;
constexpr std::size_t kFudousanOthersPersons = 160;
constexpr std::size_t kFudousanFamilyFirst = 168;
constexpr int kSenjuusyaFudousanRows = 2;
// The family rows of the general record follow the bad-debt amounts.
constexpr std::size_t kIppanFamilyFirst = 48;
constexpr int kSenjuusyaIppanRows = 5;

}  // namespace

int ClReportBuilder::WriteWagePerson(ClXmlWriter& writer, const ClBlockView& row, int depth) {
    return Put(writer, "SIMEI", std::string(row.Text(kWageName, kNameWidth)), depth) &&
           Put(writer, "NENREI", CountText(row.Count(kAge)), depth) &&
           Put(writer, "JUUJITUKISUU", CountText(row.Count(kMonths)), depth) &&
           Put(writer, "KYUURYOU", AmountText(row.Amount(kWages)), depth) &&
           Put(writer, "SYOUYO", AmountText(row.Amount(kBonus)), depth) &&
           Put(writer, "GENSENZEIGAKU", AmountText(row.Amount(kTaxWithheld)), depth);
}

int ClReportBuilder::WriteOthersWages(ClXmlWriter& writer, std::int32_t persons, const ClBlockView& row) {
    return Put(writer, "SONOTA_NINBUN", CountText(persons)) &&
           Put(writer, "SONOTA_JUUJITUKISUU", CountText(row.Count(kMonths))) &&
           Put(writer, "SONOTA_KYUURYOU", AmountText(row.Amount(kWages))) &&
           Put(writer, "SONOTA_SYOUYO", AmountText(row.Amount(kBonus))) &&
           Put(writer, "SONOTA_GENSENZEIGAKU", AmountText(row.Amount(kTaxWithheld)));
}

int ClReportBuilder::WriteKyuuryouIppan(ClXmlWriter& writer, int rows, int others) {
    const void* block = model_.ippan.kyuuryouBlock;
    auto person = [&](int i) { return WriteWagePerson(writer, SettingsRow(block, 0, kWageRow, i), kFieldDepth) != 0; };
    if (!Rows(writer, "KYUURYOU_UTIWAKE", rows, kKyuuryouIppanRows, person)) return 0;
    if (others != 1) return 1;
    // Only the white (3 persons) and the blue (5 persons) layouts have an others row.
    if (rows != 3 && rows != 5) return 0;
    ClBlockView row = SettingsRow(block, 0, kWageRow, rows + 1);
    return WriteOthersWages(writer, row.Count(kAge), row);
}

int ClReportBuilder::WriteKyuuryouFudousan(ClXmlWriter& writer, int rows, int others) {
    const void* block = model_.fudousan.kyuuryouSenjuusyaBlock;
    if (rows == 1) {
        if (!WriteWagePerson(writer, SettingsRow(block, 0, kWageRow, 1), kItemDepth)) return 0;
    } else {
        auto person = [&](int i) { return WriteWagePerson(writer, SettingsRow(block, 0, kWageRow, i), kFieldDepth) != 0; };
        if (!Rows(writer, "KYUURYOU_UTIWAKE", rows, kKyuuryouFudousanRows, person)) return 0;
    }
    if (others != 1) return 1;
    // The others row takes the second wage row, so it exists beside exactly one person.
    if (rows != 1) return 0;
    return WriteOthersWages(writer, ClBlockView::Of(block).Count(kFudousanOthersPersons),
                            SettingsRow(block, 0, kWageRow, 2));
}

int ClReportBuilder::WriteFamilyEmployee(ClXmlWriter& writer, const ClBlockView& row, bool blue, int depth) {
    std::string name(row.Text(kFamilyName, kNameWidth));
    std::string relationship(row.Text(kRelationship, kRelationshipWidth));
    if (!blue) {
        return Put(writer, "SIMEI", name, depth) && Put(writer, "NENREI", CountText(row.Count(kAge)), depth) &&
               Put(writer, "ZOKUGARA", relationship, depth) &&
               Put(writer, "JUUJITUKISUU", CountText(row.Count(kMonths)), depth);
    }
    return Put(writer, "SIMEI", name, depth) && Put(writer, "ZOKUGARA", relationship, depth) &&
           Put(writer, "NENREI", CountText(row.Count(kAge)), depth) &&
           Put(writer, "JUUJITUKISUU", CountText(row.Count(kMonths)), depth) &&
           Put(writer, "KYUURYOU", AmountText(row.Amount(kWages)), depth) &&
           Put(writer, "SYOUYO", AmountText(row.Amount(kBonus)), depth) &&
           Put(writer, "GENSENZEIGAKU", AmountText(row.Amount(kTaxWithheld)), depth);
}

int ClReportBuilder::WriteSenjuusyaIppan(ClXmlWriter& writer, const StDATAINFO& data, int rows) {
    const void* block = model_.ippan.kasidaoreBlock;
    bool blue = data.aoSiroKind == kBlueReturn;
    return Rows(writer, "SENJUUSYA_UTIWAKE", rows, kSenjuusyaIppanRows, [&](int i) {
        return WriteFamilyEmployee(writer, SettingsRow(block, kIppanFamilyFirst, kFamilyRow, i), blue, kFieldDepth) != 0;
    });
}

int ClReportBuilder::WriteSenjuusyaFudousan(ClXmlWriter& writer, const StDATAINFO& data, int rows) {
    const void* block = model_.fudousan.kyuuryouSenjuusyaBlock;
    bool blue = data.aoSiroKind == kBlueReturn;
    if (rows == 1) {
        return WriteFamilyEmployee(writer, SettingsRow(block, kFudousanFamilyFirst, kFamilyRow, 1), blue, kItemDepth);
    }
    return Rows(writer, "SENJUUSYA_UTIWAKE", rows, kSenjuusyaFudousanRows, [&](int i) {
        return WriteFamilyEmployee(writer, SettingsRow(block, kFudousanFamilyFirst, kFamilyRow, i), blue, kFieldDepth) != 0;
    });
}
