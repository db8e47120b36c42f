#include "standin/SettingsBlocks.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/SaveBlocks.h"

namespace {

using F = EnFieldType;

// Rows of the itemised lists.
constexpr StFieldLayout kWageFields[] = {
    {"name", 7, F::Text, 41},   {"age", 48, F::Count, 0},    {"months", 52, F::Count, 0},
    {"wages", 56, F::Amount, 0}, {"bonus", 64, F::Amount, 0}, {"tax", 72, F::Amount, 0},
};
constexpr StFieldLayout kFamilyFields[] = {
    {"name", 0, F::Text, 41},      {"relationship", 41, F::Text, 7}, {"age", 48, F::Count, 0},
    {"months", 52, F::Count, 0},   {"wages", 56, F::Amount, 0},      {"bonus", 64, F::Amount, 0},
    {"tax", 72, F::Amount, 0},
};
constexpr StFieldLayout kPartyFields[] = {
    {"upper", 6, F::Text, 41},      {"lower", 47, F::Text, 41},      {"amount1", 88, F::Amount, 0},
    {"amount2", 96, F::Amount, 0},  {"amount3", 104, F::Amount, 0},
};
constexpr StFieldLayout kLandRentFields[] = {
    {"upper", 0, F::Text, 41},        {"lower", 41, F::Text, 41},     {"property", 82, F::Text, 21},
    {"paymentKind", 103, F::Byte, 0}, {"payment", 104, F::Amount, 0}, {"rent", 112, F::Amount, 0},
    {"expense", 120, F::Amount, 0},
};
constexpr StFieldLayout kTradeFields[] = {
    {"name", 2, F::Text, 21}, {"location", 23, F::Text, 41}, {"amount", 64, F::Amount, 0},
};
constexpr StFieldLayout kRepairFields[] = {
    {"upper", 5, F::Text, 41},  {"lower", 46, F::Text, 41},   {"work", 87, F::Text, 21},
    {"date", 108, F::Count, 0}, {"paid", 112, F::Amount, 0},  {"expense", 120, F::Amount, 0},
};
constexpr StFieldLayout kLettingFields[] = {
    {"marker", 4, F::Count, 0},          {"lowerAddress", 8, F::Text, 41},
    {"location", 49, F::Text, 41},       {"address", 90, F::Text, 41},
    {"kasiyaKasiti", 131, F::Text, 11},  {"youto", 142, F::Text, 22},
    {"from", 164, F::Count, 0},          {"to", 168, F::Count, 0},
    {"area", 172, F::Amount, 0},         {"monthlyRent", 180, F::Amount, 0},
    {"yearlyRent", 188, F::Amount, 0},   {"reikin", 196, F::Amount, 0},
    {"kenrikin", 204, F::Amount, 0},     {"kousinryou", 212, F::Amount, 0},
    {"meigiSonota", 220, F::Amount, 0},  {"deposit", 228, F::Amount, 0},
};

// The member names of a row, looked up for every row read.
template <std::size_t N>
constexpr std::array<std::string_view, N> NamesOf(const StFieldLayout (&fields)[N]) {
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
constexpr auto kLettingNames = NamesOf(kLettingFields);

constexpr StRowLayout kWage{80, kWageFields, kWageNames};
constexpr StRowLayout kFamily{80, kFamilyFields, kFamilyNames};
constexpr StRowLayout kParty{112, kPartyFields, kPartyNames};
constexpr StRowLayout kLandRent{128, kLandRentFields, kLandRentNames};
constexpr StRowLayout kTrade{72, kTradeFields, kTradeNames};
constexpr StRowLayout kRepair{128, kRepairFields, kRepairNames};
constexpr StRowLayout kLetting{blocksize::kKasitukeRow, kLettingFields, kLettingNames};

// Blocks of the general record.
constexpr StFieldLayout kIppanGeneralFields[] = {
    {"kanyuuDantaiName", 349, F::Text, 128},
    {"aoKoujoSentaku", 521, F::Byte, 0},
    {"fudousanRow21Amount", 534, F::Amount, 0},
};
constexpr StFieldLayout kKasidaoreFields[] = {
    {"kobetuKuriiregaku", 16, F::Amount, 0},
    {"ikkatuKuriiregoukeigaku", 24, F::Amount, 0},
    {"ikkatuKuriiregendogaku", 32, F::Amount, 0},
    {"ikkatuKuriiregaku", 40, F::Amount, 0},
};
constexpr StListLayout kKasidaoreLists[] = {{"senjuusya", &kFamily, 48, 5}};
constexpr StListLayout kIppanKyuuryouLists[] = {{"", &kWage, 0, 6}};
constexpr StListLayout kRisiZeirisiLists[] = {{"risi", &kParty, 0, 2}, {"zeirisi", &kParty, 224, 2}};
constexpr StListLayout kTidaiLists[] = {{"", &kLandRent, 0, 2}};
constexpr StFieldLayout kUriageSiireFields[] = {
    {"uriageOthers", 352, F::Amount, 0},
    {"siireOthers", 712, F::Amount, 0},
};
constexpr StListLayout kUriageSiireLists[] = {{"uriage", &kTrade, 0, 4}, {"siire", &kTrade, 360, 4}};

constexpr StBlockLayout kIppan[] = {
    {"general", blocksize::kIppanGeneral, EnBlockForm::Fields, kIppanGeneralFields, {}},
    {"kasidaore", blocksize::kKasidaore, EnBlockForm::Fields, kKasidaoreFields, kKasidaoreLists},
    {"kyuuryou", blocksize::kKyuuryou, EnBlockForm::Rows, {}, kIppanKyuuryouLists},
    {"risiZeirisi", blocksize::kRisiZeirisi, EnBlockForm::Fields, {}, kRisiZeirisiLists},
    {"tidai", blocksize::kTidai, EnBlockForm::Rows, {}, kTidaiLists},
    {"tokusyuJijou", blocksize::kTokusyuJijou, EnBlockForm::Text, {}, {}},
    {"uriageSiire", blocksize::kUriageSiire, EnBlockForm::Fields, kUriageSiireFields, kUriageSiireLists},
};

// Blocks of the real-estate record.
constexpr StFieldLayout kFudousanGeneralFields[] = {{"fusaiRisiAmount", 352, F::Amount, 0}};
constexpr StListLayout kKariireZeirisiLists[] = {{"kariire", &kParty, 0, 3}, {"zeirisi", &kParty, 336, 2}};
constexpr StFieldLayout kKyuuryouSenjuusyaFields[] = {{"sonotaNinbun", 160, F::Count, 0}};
constexpr StListLayout kKyuuryouSenjuusyaLists[] = {{"kyuuryou", &kWage, 0, 2},
                                                    {"senjuusya", &kFamily, 168, 2}};
constexpr StListLayout kSyuuzenhiLists[] = {{"", &kRepair, 0, 3}};
constexpr StListLayout kKasitukeLists[] = {{"", &kLetting, 0, 0}};  // any number of rows
constexpr StFieldLayout kKasitukeSuuFields[] = {
    {"juutakuTatemonoIkkodate", 4, F::Count, 0},
    {"juutakuTatemonoIkkodateigai", 8, F::Count, 0},
    {"juutakuTotiKeiyaku", 12, F::Count, 0},
    {"juutakuTotiSoumenseki", 16, F::Amount, 0},
    {"juutakuigaiTatemonoIkkodate", 28, F::Count, 0},
    {"juutakuigaiTatemonoIkkodateigai", 32, F::Count, 0},
    {"juutakuigaiTotiKeiyaku", 36, F::Count, 0},
    {"juutakuigaiTotiSoumenseki", 40, F::Amount, 0},
    {"chuusyajouYanetuki", 48, F::Count, 0},
    {"chuusyajouAozora", 52, F::Count, 0},
};

constexpr StBlockLayout kFudousan[] = {
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

constexpr std::int32_t kLettingTerminator = -1;
constexpr std::size_t kLettingMarkerOffset = 4;

void PutLittleEndian(unsigned char* at, std::uint64_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

void PutField(unsigned char* at, const StFieldLayout& field, ClJsonReader& in) {
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
std::vector<std::string_view> MemberNames(std::span<const StFieldLayout> fields, std::span<const StListLayout> lists) {
    std::vector<std::string_view> names;
    for (const auto& field : fields) names.push_back(field.name);
    for (const auto& list : lists) names.push_back(list.name);
    return names;
}

// A row: its fields by name, or {"hex": ...} for its exact bytes.
void PutRow(unsigned char* base, const StRowLayout& row, ClJsonReader& in) {
    in.EnterObject();
    if (in.AtHexKey()) {
        std::string bytes = in.HexBody(row.size, "row");
        std::memcpy(base, bytes.data(), bytes.size());
        return;
    }
    MemberSet seen = 0;
    while (auto m = in.NextMember(row.names, seen)) PutField(base + row.fields[*m].offset, row.fields[*m], in);
}

std::size_t PutRows(unsigned char* base, const StListLayout& list, ClJsonReader& in) {
    std::size_t rows = 0;
    ForEachItem(in, list.maxRows, "rows", [&](std::size_t i) {
        PutRow(base + list.offset + i * list.row->size, *list.row, in);
        rows = i + 1;
    });
    return rows;
}

StandinBlock EmptyBlock(const StBlockLayout& layout) {
    if (layout.form != EnBlockForm::Lettings) return StandinBlock(layout.size);
    // Bytes 0-3 of the terminator row stay zero; the marker ends the list.
    StandinBlock block(layout.size);
    PutLittleEndian(block.data() + kLettingMarkerOffset, static_cast<std::uint32_t>(kLettingTerminator), 4);
    return block;
}

// The letting rows, then the terminator row. The rows are read into chunks
// and laid out once at the end: a block grown row by row would be copied
// again and again.
std::size_t ReadLettings(ClJsonReader& in, StandinBlock& block) {
    constexpr std::size_t kChunkRows = 256;
    const std::size_t rowSize = kKasitukeLists[0].row->size;
    std::vector<StandinBlock> chunks;
    std::size_t rows = 0;
    ForEachItem(in, static_cast<std::size_t>(-1) / rowSize - 1, "rows", [&](std::size_t i) {
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

std::span<const StBlockLayout> IppanLayout() { return kIppan; }
std::span<const StBlockLayout> FudousanLayout() { return kFudousan; }

ClSettingsRecordReader::ClSettingsRecordReader(std::span<const StBlockLayout> layout, std::string_view recordName,
                                               std::span<StandinBlock> blocks, std::vector<StStandinListCount>& counts)
    : layout_(layout), recordName_(recordName), blocks_(blocks), counts_(counts), listRows_(layout.size()) {
    for (std::size_t i = 0; i < layout_.size(); ++i) blocks_[i] = EmptyBlock(layout_[i]);
}

void ClSettingsRecordReader::Read(ClJsonReader& in) {
    std::vector<std::string_view> names;
    for (const auto& block : layout_) names.push_back(block.name);
    ForEachMember(in, names, [&](std::size_t i) { ReadBlock(in, i); });
}

void ClSettingsRecordReader::ReadBlock(ClJsonReader& in, std::size_t i) {
    const StBlockLayout& layout = layout_[i];
    StandinBlock& block = blocks_[i];
    if (in.AtObject()) {
        in.EnterObject();
        if (in.AtHexKey()) {
            if (layout.form == EnBlockForm::Lettings) {
                // The list's exact bytes: no terminator is added, so a list can lack one.
                std::string bytes = in.HexBody(static_cast<std::size_t>(-1), "block");
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
        case EnBlockForm::Lettings:
            listRows_[i][0] = ReadLettings(in, block);
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
