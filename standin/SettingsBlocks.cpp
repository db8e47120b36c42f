#include "standin/SettingsBlocks.h"

#include <algorithm>
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
    Text("name", L::wage::kName),     Count("age", L::wage::kAge),      Count("months", L::wage::kMonths),
    Amount("wages", L::wage::kWages), Amount("bonus", L::wage::kBonus), Amount("tax", L::wage::kTaxWithheld),
};
constexpr StFIELDLAYOUT kFamilyFields[] = {
    Text("name", L::family::kName),       Text("relationship", L::family::kRelationship),
    Count("age", L::wage::kAge),          Count("months", L::wage::kMonths),
    Amount("wages", L::wage::kWages),     Amount("bonus", L::wage::kBonus),
    Amount("tax", L::wage::kTaxWithheld),
};
constexpr StFIELDLAYOUT kPartyFields[] = {
    Text("upper", L::party::kUpper),       Text("lower", L::party::kLower),       Amount("amount1", L::party::kAmount1),
    Amount("amount2", L::party::kAmount2), Amount("amount3", L::party::kAmount3),
};
constexpr StFIELDLAYOUT kLandRentFields[] = {
    Text("upper", L::landRent::kUpper),       Text("lower", L::landRent::kLower),
    Text("property", L::landRent::kProperty), Byte("paymentKind", L::landRent::kPaymentKind),
    Amount("payment", L::landRent::kPayment), Amount("rent", L::landRent::kRent),
    Amount("expense", L::landRent::kExpense),
};
constexpr StFIELDLAYOUT kTradeFields[] = {
    Text("name", L::trade::kName),
    Text("location", L::trade::kLocation),
    Amount("amount", L::trade::kAmount),
};
constexpr StFIELDLAYOUT kRepairFields[] = {
    Text("upper", L::repair::kUpper), Text("lower", L::repair::kLower), Text("work", L::repair::kWork),
    Count("date", L::repair::kDate),  Amount("paid", L::repair::kPaid), Amount("expense", L::repair::kExpense),
};
constexpr StFIELDLAYOUT kKasitukeFields[] = {
    Count("marker", L::kasituke::kMarker),
    Text("lowerAddress", L::kasituke::kLowerAddress),
    Text("location", L::kasituke::kLocation),
    Text("address", L::kasituke::kUpperAddress),
    Text("kasiyaKasiti", L::kasituke::kHouseOrLand),
    Text("youto", L::kasituke::kUse),
    Count("from", L::kasituke::kContractFrom),
    Count("to", L::kasituke::kContractTo),
    Amount("area", L::kasituke::kArea),
    Amount("monthlyRent", L::kasituke::kMonthlyRent),
    Amount("yearlyRent", L::kasituke::kYearlyRent),
    Amount("reikin", L::kasituke::kGratuity),
    Amount("kenrikin", L::kasituke::kPremium),
    Amount("kousinryou", L::kasituke::kRenewalFee),
    Amount("meigiSonota", L::kasituke::kOtherFees),
    Amount("deposit", L::kasituke::kDeposit),
};

// The member names of a row, looked up for every row read.
template <std::size_t N>
constexpr std::array<std::string_view, N> NamesOf(const StFIELDLAYOUT (&fields)[N]) {
    std::array<std::string_view, N> names{};
    for (std::size_t i = 0; i < N; ++i) names[i] = fields[i].name;
    return names;
}
constexpr auto kWageNames = NamesOf(kWageFields);
constexpr auto kFamilyNames = NamesOf(kFamilyFields);
constexpr auto kPartyNames = NamesOf(kPartyFields);
constexpr auto kLandRentNames = NamesOf(kLandRentFields);
constexpr auto kTradeNames = NamesOf(kTradeFields);
constexpr auto kRepairNames = NamesOf(kRepairFields);
constexpr auto kKasitukeNames = NamesOf(kKasitukeFields);

constexpr StROWLAYOUT kWage{L::wage::kSize, kWageFields, kWageNames};
constexpr StROWLAYOUT kFamily{L::family::kSize, kFamilyFields, kFamilyNames};
constexpr StROWLAYOUT kParty{L::party::kSize, kPartyFields, kPartyNames};
constexpr StROWLAYOUT kLandRent{L::landRent::kSize, kLandRentFields, kLandRentNames};
constexpr StROWLAYOUT kTrade{L::trade::kSize, kTradeFields, kTradeNames};
constexpr StROWLAYOUT kRepair{L::repair::kSize, kRepairFields, kRepairNames};
constexpr StROWLAYOUT kKasitukeLayout{L::kasituke::kSize, kKasitukeFields, kKasitukeNames};

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
constexpr StLISTLAYOUT kIppanKyuuryouLists[] = {
    {"", &kWage, 0, L::ippanKyuuryou::kPersonRows + 1}};  // and the others row
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
constexpr StFIELDLAYOUT kFudousanGeneralFields[] = {Amount("fusaiRisiAmount", L::fudousanGeneral::kFusaiRisiAmount)};
constexpr StLISTLAYOUT kKariireZeirisiLists[] = {
    {"kariire", &kParty, 0, L::kariireZeirisi::kKariireRows},
    {"zeirisi", &kParty, L::kariireZeirisi::kZeirisiFirst, L::kariireZeirisi::kZeirisiRows}};
constexpr StFIELDLAYOUT kKyuuryouSenjuusyaFields[] = {Count("sonotaNinbun", L::kyuuryouSenjuusya::kOthersPersons)};
constexpr StLISTLAYOUT kKyuuryouSenjuusyaLists[] = {
    {"kyuuryou", &kWage, 0, L::kyuuryouSenjuusya::kWageRows},
    {"senjuusya", &kFamily, L::kyuuryouSenjuusya::kFamilyFirst, L::kyuuryouSenjuusya::kFamilyRows}};
constexpr StLISTLAYOUT kSyuuzenhiLists[] = {{"", &kRepair, 0, L::syuuzenhi::kRows}};
constexpr StLISTLAYOUT kKasitukeLists[] = {{"", &kKasitukeLayout, 0, L::kasituke::kMaxRows}};
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
    {"kasituke", blocksize::kKasitukeRow, EnBlockForm::KasitukeRows, {}, kKasitukeLists},
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

void PutField(unsigned char* at, const StFIELDLAYOUT& field, ClJsonReader& in) {
    switch (field.type) {
        case F::Text: {
            std::string text = in.Text(field.width);
            std::memcpy(at, text.data(), text.size());
            break;
        }
        case F::Amount:
            PutLittleEndian(at, static_cast<std::uint64_t>(in.Integer<std::int64_t>()), 8);
            break;
        case F::Count:
            PutLittleEndian(at, static_cast<std::uint32_t>(in.Integer<std::int32_t>()), 4);
            break;
        case F::Byte:
            *at = in.Integer<std::uint8_t>();
            break;
    }
}

// The member names of an object of fields and lists, as the layout names them.
std::vector<std::string_view> MemberNames(std::span<const StFIELDLAYOUT> fields, std::span<const StLISTLAYOUT> lists) {
    std::vector<std::string_view> names;
    for (const auto& field : fields) names.push_back(field.name);
    for (const auto& list : lists) names.push_back(list.name);
    return names;
}

// A row: its fields by name, or {"hex": ...} for its exact bytes.
void PutRow(unsigned char* base, const StROWLAYOUT& row, ClJsonReader& in) {
    in.EnterObject();
    if (in.AtHexKey()) {
        std::string bytes = in.HexBody(row.size, "row");
        std::memcpy(base, bytes.data(), bytes.size());
        return;
    }
    MemberSet seen = 0;
    while (auto m = in.NextMember(row.names, seen)) PutField(base + row.fields[*m].offset, row.fields[*m], in);
}

std::size_t PutRows(unsigned char* base, const StLISTLAYOUT& list, ClJsonReader& in) {
    std::size_t rows = 0;
    ForEachItem(in, list.maxRows, "rows", [&](std::size_t i) {
        PutRow(base + list.offset + i * list.row->size, *list.row, in);
        rows = i + 1;
    });
    return rows;
}

StandinBlock EmptyBlock(const StBLOCKLAYOUT& layout) {
    if (layout.form != EnBlockForm::KasitukeRows) return StandinBlock(layout.size);
    // Bytes 0-3 of the terminator row stay zero; the marker ends the list.
    StandinBlock block(layout.size);
    PutLittleEndian(block.data() + L::kasituke::kMarker, static_cast<std::uint32_t>(L::kasituke::kTerminator), 4);
    return block;
}

// The letting rows, then the terminator row. The rows are read into chunks
// and laid out once at the end: a block grown row by row would be copied
// again and again.
std::size_t ReadKasitukeRows(ClJsonReader& in, StandinBlock& block) {
    constexpr std::size_t kChunkRows = 256;
    const std::size_t rowSize = kKasitukeLists[0].row->size;
    std::vector<StandinBlock> chunks;
    std::size_t rows = 0;
    ForEachItem(in, kKasitukeLists[0].maxRows, "rows", [&](std::size_t i) {
        if (i % kChunkRows == 0) chunks.emplace_back(kChunkRows * rowSize);
        PutRow(chunks.back().data() + i % kChunkRows * rowSize, *kKasitukeLists[0].row, in);
        rows = i + 1;
    });
    block.resize((rows + 1) * rowSize);
    for (std::size_t c = 0; c < chunks.size(); ++c) {
        const std::size_t first = c * kChunkRows;
        std::memcpy(block.data() + first * rowSize, chunks[c].data(), std::min(kChunkRows, rows - first) * rowSize);
    }
    StandinBlock terminator = EmptyBlock(kFudousan[1]);
    std::memcpy(block.data() + rows * rowSize, terminator.data(), rowSize);
    return rows;
}

}  // namespace

std::span<const StBLOCKLAYOUT> IppanLayout() { return kIppan; }
std::span<const StBLOCKLAYOUT> FudousanLayout() { return kFudousan; }

ClSettingsRecordReader::ClSettingsRecordReader(std::span<const StBLOCKLAYOUT> layout, std::string_view recordName,
                                               std::span<StandinBlock> blocks, std::vector<StSTANDINLISTCOUNT>& counts)
    : layout_(layout), recordName_(recordName), blocks_(blocks), counts_(counts), listRows_(layout.size()) {
    for (std::size_t i = 0; i < layout_.size(); ++i) blocks_[i] = EmptyBlock(layout_[i]);
}

void ClSettingsRecordReader::Read(ClJsonReader& in) {
    std::vector<std::string_view> names;
    for (const auto& block : layout_) names.push_back(block.name);
    ForEachMember(in, names, [&](std::size_t i) { ReadBlock(in, i); });
}

void ClSettingsRecordReader::ReadBlock(ClJsonReader& in, std::size_t i) {
    const StBLOCKLAYOUT& layout = layout_[i];
    StandinBlock& block = blocks_[i];
    if (in.AtObject()) {
        in.EnterObject();
        if (in.AtHexKey()) {
            if (layout.form == EnBlockForm::KasitukeRows) {
                // The list's exact bytes: no terminator is added, so a list can lack one.
                // The engine's list holds its most rows and the terminator row.
                const StLISTLAYOUT& list = layout.lists[0];
                std::string bytes = in.HexBody((list.maxRows + 1) * list.row->size, "letting list");
                block.assign(bytes.begin(), bytes.end());
            } else {
                std::string bytes = in.HexBody(layout.size, "block");
                std::memcpy(block.data(), bytes.data(), bytes.size());
            }
            return;
        }
        if (layout.form != EnBlockForm::Fields) {
            in.Refuse(layout.form == EnBlockForm::Text ? "expected a text (a string or {\"hex\": ...}), found object"
                                                       : "expected an array, found object");
        }
        MemberSet seen = 0;
        const std::vector<std::string_view> names = MemberNames(layout.fields, layout.lists);
        while (auto m = in.NextMember(names, seen)) {
            if (*m < layout.fields.size()) {
                PutField(block.data() + layout.fields[*m].offset, layout.fields[*m], in);
            } else {
                const std::size_t list = *m - layout.fields.size();
                listRows_[i][list] = PutRows(block.data(), layout.lists[list], in);
            }
        }
        return;
    }
    switch (layout.form) {
        case EnBlockForm::Fields:
            in.EnterObject();  // refuses what is not an object
            break;
        case EnBlockForm::Rows:
            listRows_[i][0] = PutRows(block.data(), layout.lists[0], in);
            break;
        case EnBlockForm::Text: {
            std::string text = in.Text(layout.size);
            std::memcpy(block.data(), text.data(), text.size());
            break;
        }
        case EnBlockForm::KasitukeRows:
            listRows_[i][0] = ReadKasitukeRows(in, block);
            break;
    }
}

void ClSettingsRecordReader::Finish() {
    for (std::size_t i = 0; i < layout_.size(); ++i) {
        const std::string block = recordName_ + "." + std::string(layout_[i].name);
        for (std::size_t list = 0; list < listRows_[i].size(); ++list) {
            if (!listRows_[i][list]) continue;
            std::string_view name = layout_[i].lists[list].name;
            counts_.push_back({name.empty() ? block : block + "." + std::string(name), *listRows_[i][list]});
        }
    }
}
