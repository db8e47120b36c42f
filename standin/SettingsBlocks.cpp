#include "standin/SettingsBlocks.h"

#include <cstring>
#include <vector>

#include "engine/SaveBlocks.h"

namespace {

using F = EnFieldType;
namespace L = savelayout;

constexpr StFIELDLAYOUT Text(std::string_view name, StTEXTFIELD field) {
    return {name, field.offset, F::Text, field.width};
}
constexpr StFIELDLAYOUT Amount(std::string_view name, std::size_t offset) { return {name, offset, F::Amount, 0}; }
constexpr StFIELDLAYOUT Count(std::string_view name, std::size_t offset) { return {name, offset, F::Count, 0}; }
constexpr StFIELDLAYOUT Byte(std::string_view name, std::size_t offset) { return {name, offset, F::Byte, 0}; }

// Rows of the itemised lists.
constexpr StFIELDLAYOUT kWageFields[] = {
    Text("name", L::wage::kName),        Count("age", L::wage::kAge),     Count("months", L::wage::kMonths),
    Amount("wages", L::wage::kWages),    Amount("bonus", L::wage::kBonus), Amount("tax", L::wage::kTaxWithheld),
};
constexpr StFIELDLAYOUT kFamilyFields[] = {
    Text("name", L::family::kName),   Text("relationship", L::family::kRelationship), Count("age", L::wage::kAge),
    Count("months", L::wage::kMonths), Amount("wages", L::wage::kWages),               Amount("bonus", L::wage::kBonus),
    Amount("tax", L::wage::kTaxWithheld),
};
constexpr StFIELDLAYOUT kPartyFields[] = {
    Text("upper", L::party::kUpper),       Text("lower", L::party::kLower),       Amount("amount1", L::party::kAmount1),
    Amount("amount2", L::party::kAmount2), Amount("amount3", L::party::kAmount3),
};
constexpr StFIELDLAYOUT kLandRentFields[] = {
    Text("upper", L::landRent::kUpper),            Text("lower", L::landRent::kLower),
    Text("property", L::landRent::kProperty),      Byte("paymentKind", L::landRent::kPaymentKind),
    Amount("payment", L::landRent::kPayment),      Amount("rent", L::landRent::kRent),
    Amount("expense", L::landRent::kExpense),
};
constexpr StFIELDLAYOUT kTradeFields[] = {
    Text("name", L::trade::kName), Text("location", L::trade::kLocation), Amount("amount", L::trade::kAmount),
};
constexpr StFIELDLAYOUT kRepairFields[] = {
    Text("upper", L::repair::kUpper), Text("lower", L::repair::kLower),   Text("work", L::repair::kWork),
    Count("date", L::repair::kDate),  Amount("paid", L::repair::kPaid),   Amount("expense", L::repair::kExpense),
};
constexpr StFIELDLAYOUT kLettingFields[] = {
    Count("marker", L::letting::kMarker),                Text("lowerAddress", L::letting::kLowerAddress),
    Text("location", L::letting::kLocation),             Text("address", L::letting::kUpperAddress),
    Text("kasiyaKasiti", L::letting::kHouseOrLand),      Text("youto", L::letting::kUse),
    Count("from", L::letting::kContractFrom),            Count("to", L::letting::kContractTo),
    Amount("area", L::letting::kArea),                   Amount("monthlyRent", L::letting::kMonthlyRent),
    Amount("yearlyRent", L::letting::kYearlyRent),       Amount("reikin", L::letting::kGratuity),
    Amount("kenrikin", L::letting::kPremium),            Amount("kousinryou", L::letting::kRenewalFee),
    Amount("meigiSonota", L::letting::kOtherFees),       Amount("deposit", L::letting::kDeposit),
};

constexpr StROWLAYOUT kWage{L::wage::kSize, kWageFields};
constexpr StROWLAYOUT kFamily{L::family::kSize, kFamilyFields};
constexpr StROWLAYOUT kParty{L::party::kSize, kPartyFields};
constexpr StROWLAYOUT kLandRent{L::landRent::kSize, kLandRentFields};
constexpr StROWLAYOUT kTrade{L::trade::kSize, kTradeFields};
constexpr StROWLAYOUT kRepair{L::repair::kSize, kRepairFields};
constexpr StROWLAYOUT kLetting{L::letting::kSize, kLettingFields};

// Blocks of the general record.
constexpr StFIELDLAYOUT kIppanGeneralFields[] = {
    Text("kanyuuDantaiName", L::ippanGeneral::kKanyuuDantaiName),
    Byte("aoKoujoSentaku", L::ippanGeneral::kAoKoujoSentaku),
    Amount("fudousanRow21Amount", L::ippanGeneral::kFudousanRow21Amount),
};
constexpr StFIELDLAYOUT kKasidaoreFields[] = {
    Amount("kobetuKuriiregaku", L::kasidaore::kKobetuKuriiregaku),
    Amount("ikkatuKuriiregoukeigaku", L::kasidaore::kIkkatuKuriiregoukeigaku),
    Amount("ikkatuKuriiregendogaku", L::kasidaore::kIkkatuKuriiregendogaku),
    Amount("ikkatuKuriiregaku", L::kasidaore::kIkkatuKuriiregaku),
};
constexpr StLISTLAYOUT kKasidaoreLists[] = {
    {"senjuusya", &kFamily, L::kasidaore::kFamilyFirst, L::kasidaore::kFamilyRows}};
constexpr StLISTLAYOUT kIppanKyuuryouLists[] = {{"", &kWage, 0, L::ippanKyuuryou::kPersonRows + 1}};  // and the others row
constexpr StLISTLAYOUT kRisiZeirisiLists[] = {
    {"risi", &kParty, 0, L::risiZeirisi::kRisiRows},
    {"zeirisi", &kParty, L::risiZeirisi::kZeirisiFirst, L::risiZeirisi::kZeirisiRows}};
constexpr StLISTLAYOUT kTidaiLists[] = {{"", &kLandRent, 0, L::tidai::kRows}};
constexpr StFIELDLAYOUT kUriageSiireFields[] = {
    Amount("uriageOthers", L::uriageSiire::kCustomersOthers),
    Amount("siireOthers", L::uriageSiire::kSuppliersOthers),
};
constexpr StLISTLAYOUT kUriageSiireLists[] = {
    {"uriage", &kTrade, L::uriageSiire::kCustomersFirst, L::uriageSiire::kRows},
    {"siire", &kTrade, L::uriageSiire::kSuppliersFirst, L::uriageSiire::kRows}};

constexpr StBLOCKLAYOUT kIppan[] = {
    {"general", blocksize::kIppanGeneral, EnBlockForm::Fields, kIppanGeneralFields, {}},
    {"kasidaore", blocksize::kKasidaore, EnBlockForm::Fields, kKasidaoreFields, kKasidaoreLists},
    {"kyuuryou", blocksize::kKyuuryou, EnBlockForm::Rows, {}, kIppanKyuuryouLists},
    {"risiZeirisi", blocksize::kRisiZeirisi, EnBlockForm::Fields, {}, kRisiZeirisiLists},
    {"tidai", blocksize::kTidai, EnBlockForm::Rows, {}, kTidaiLists},
    {"tokusyuJijou", blocksize::kTokusyuJijou, EnBlockForm::Text, {}, {}},
    {"uriageSiire", blocksize::kUriageSiire, EnBlockForm::Fields, kUriageSiireFields, kUriageSiireLists},
};

// Blocks of the real-estate record.
constexpr StFIELDLAYOUT kFudousanGeneralFields[] = {
    Amount("fusaiRisiAmount", L::fudousanGeneral::kFusaiRisiAmount)};
constexpr StLISTLAYOUT kKariireZeirisiLists[] = {
    {"kariire", &kParty, 0, L::kariireZeirisi::kKariireRows},
    {"zeirisi", &kParty, L::kariireZeirisi::kZeirisiFirst, L::kariireZeirisi::kZeirisiRows}};
constexpr StFIELDLAYOUT kKyuuryouSenjuusyaFields[] = {Count("sonotaNinbun", L::kyuuryouSenjuusya::kOthersPersons)};
constexpr StLISTLAYOUT kKyuuryouSenjuusyaLists[] = {
    {"kyuuryou", &kWage, 0, L::kyuuryouSenjuusya::kWageRows},
    {"senjuusya", &kFamily, L::kyuuryouSenjuusya::kFamilyFirst, L::kyuuryouSenjuusya::kFamilyRows}};
constexpr StLISTLAYOUT kSyuuzenhiLists[] = {{"", &kRepair, 0, L::syuuzenhi::kRows}};
constexpr StLISTLAYOUT kKasitukeLists[] = {{"", &kLetting, 0, 0}};  // any number of rows
constexpr StFIELDLAYOUT kKasitukeSuuFields[] = {
    Count("juutakuTatemonoIkkodate", L::kasitukeSuu::kJuutakuTatemonoIkkodate),
    Count("juutakuTatemonoIkkodateigai", L::kasitukeSuu::kJuutakuTatemonoIkkodateigai),
    Count("juutakuTotiKeiyaku", L::kasitukeSuu::kJuutakuTotiKeiyaku),
    Amount("juutakuTotiSoumenseki", L::kasitukeSuu::kJuutakuTotiSoumenseki),
    Count("juutakuigaiTatemonoIkkodate", L::kasitukeSuu::kJuutakuigaiTatemonoIkkodate),
    Count("juutakuigaiTatemonoIkkodateigai", L::kasitukeSuu::kJuutakuigaiTatemonoIkkodateigai),
    Count("juutakuigaiTotiKeiyaku", L::kasitukeSuu::kJuutakuigaiTotiKeiyaku),
    Amount("juutakuigaiTotiSoumenseki", L::kasitukeSuu::kJuutakuigaiTotiSoumenseki),
    Count("chuusyajouYanetuki", L::kasitukeSuu::kChuusyajouYanetuki),
    Count("chuusyajouAozora", L::kasitukeSuu::kChuusyajouAozora),
};

constexpr StBLOCKLAYOUT kFudousan[] = {
    {"general", blocksize::kFudousanGeneral, EnBlockForm::Fields, kFudousanGeneralFields, {}},
    {"kasituke", blocksize::kKasitukeRow, EnBlockForm::Lettings, {}, kKasitukeLists},
    {"kariireZeirisi", blocksize::kKariireZeirisi, EnBlockForm::Fields, {}, kKariireZeirisiLists},
    {"kyuuryouSenjuusya", blocksize::kKyuuryouSenjuusya, EnBlockForm::Fields, kKyuuryouSenjuusyaFields,
     kKyuuryouSenjuusyaLists},
    {"tidai", blocksize::kTidai, EnBlockForm::Rows, {}, kTidaiLists},
    {"tokusyuJijou", blocksize::kTokusyuJijou, EnBlockForm::Text, {}, {}},
    {"syuuzenhi", blocksize::kSyuuzenhi, EnBlockForm::Rows, {}, kSyuuzenhiLists},
    {"kasitukeSuu", blocksize::kKasitukeSuu, EnBlockForm::Fields, kKasitukeSuuFields, {}},
};

void PutLittleEndian(unsigned char* at, std::uint64_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

void PutField(unsigned char* at, const StFIELDLAYOUT& field, const ClJsonNode& node) {
    switch (field.type) {
        case F::Text: {
            std::string text = node.Text(field.width);
            std::memcpy(at, text.data(), text.size());
            break;
        }
        case F::Amount:
            PutLittleEndian(at, static_cast<std::uint64_t>(node.Integer<std::int64_t>()), 8);
            break;
        case F::Count:
            PutLittleEndian(at, static_cast<std::uint32_t>(node.Integer<std::int32_t>()), 4);
            break;
        case F::Byte:
            *at = node.Integer<std::uint8_t>();
            break;
    }
}

// Object members of fields and lists, checked against what the layout names.
void ExpectMembers(const ClJsonNode& node, std::span<const StFIELDLAYOUT> fields,
                   std::span<const StLISTLAYOUT> lists) {
    std::vector<std::string_view> names;
    for (const auto& field : fields) names.push_back(field.name);
    for (const auto& list : lists) names.push_back(list.name);
    node.ExpectObject(names);
}

void PutFields(unsigned char* base, std::span<const StFIELDLAYOUT> fields, const ClJsonNode& object) {
    for (const auto& field : fields) {
        if (auto member = object.Member(field.name)) PutField(base + field.offset, field, *member);
    }
}

void PutRow(unsigned char* base, const StROWLAYOUT& row, const ClJsonNode& node) {
    if (node.IsHex()) {
        std::string bytes = node.HexBytes(row.size, "row");
        std::memcpy(base, bytes.data(), bytes.size());
        return;
    }
    ExpectMembers(node, row.fields, {});
    PutFields(base, row.fields, node);
}

// Where the rows given for each list are counted.
struct StCOUNTER {
    std::string name;  // of the block
    std::vector<StStandinListCount>& counts;
    void Add(std::string_view list, std::size_t rows) const {
        counts.push_back({list.empty() ? name : name + "." + std::string(list), rows});
    }
};

void PutRows(unsigned char* base, const StLISTLAYOUT& list, const ClJsonNode& array, const StCOUNTER& counter) {
    auto rows = array.Items(list.maxRows, "rows");
    for (std::size_t i = 0; i < rows.size(); ++i) PutRow(base + list.offset + i * list.row->size, *list.row, rows[i]);
    counter.Add(list.name, rows.size());
}

StandinBlock LettingsBlock(const ClJsonNode* node, const StCOUNTER& counter) {
    const StLISTLAYOUT& list = kKasitukeLists[0];
    std::vector<ClJsonNode> rows;
    if (node) {
        rows = node->Items(static_cast<std::size_t>(-1) / list.row->size - 1, "rows");
        counter.Add(list.name, rows.size());
    }
    StandinBlock block((rows.size() + 1) * list.row->size);
    for (std::size_t i = 0; i < rows.size(); ++i) PutRow(block.data() + i * list.row->size, *list.row, rows[i]);
    // Bytes 0-3 of the terminator row stay zero; the marker ends the list.
    PutLittleEndian(block.data() + rows.size() * list.row->size + L::letting::kMarker,
                    static_cast<std::uint32_t>(L::letting::kTerminator), 4);
    return block;
}

StandinBlock ReadBlock(const ClJsonNode* node, const StBLOCKLAYOUT& layout, const StCOUNTER& counter) {
    if (node && node->IsHex()) {
        if (layout.form == EnBlockForm::Lettings) {
            // The list's exact bytes: no terminator is added, so a list can lack one.
            std::string bytes = node->HexBytes(static_cast<std::size_t>(-1), "block");
            return StandinBlock(bytes.begin(), bytes.end());
        }
        std::string bytes = node->HexBytes(layout.size, "block");
        StandinBlock block(layout.size);
        std::memcpy(block.data(), bytes.data(), bytes.size());
        return block;
    }
    if (layout.form == EnBlockForm::Lettings) return LettingsBlock(node, counter);
    StandinBlock block(layout.size);
    if (!node) return block;
    switch (layout.form) {
        case EnBlockForm::Fields:
            ExpectMembers(*node, layout.fields, layout.lists);
            PutFields(block.data(), layout.fields, *node);
            for (const auto& list : layout.lists) {
                if (auto rows = node->Member(list.name)) PutRows(block.data(), list, *rows, counter);
            }
            break;
        case EnBlockForm::Rows:
            PutRows(block.data(), layout.lists[0], *node, counter);
            break;
        case EnBlockForm::Text: {
            std::string text = node->Text(layout.size);
            std::memcpy(block.data(), text.data(), text.size());
            break;
        }
        case EnBlockForm::Lettings:
            break;
    }
    return block;
}

}  // namespace

std::span<const StBLOCKLAYOUT> IppanLayout() { return kIppan; }
std::span<const StBLOCKLAYOUT> FudousanLayout() { return kFudousan; }

void ReadSettingsBlocks(const std::optional<ClJsonNode>& record, std::string_view recordName,
                        std::span<const StBLOCKLAYOUT> layout, std::span<StandinBlock> blocks,
                        std::vector<StStandinListCount>& counts) {
    if (record) {
        std::vector<std::string_view> names;
        for (const auto& block : layout) names.push_back(block.name);
        record->ExpectObject(names);
    }
    for (std::size_t i = 0; i < layout.size(); ++i) {
        std::optional<ClJsonNode> member;
        if (record) member = record->Member(layout[i].name);
        StCOUNTER counter{std::string(recordName) + "." + std::string(layout[i].name), counts};
        blocks[i] = ReadBlock(member ? &*member : nullptr, layout[i], counter);
    }
}
