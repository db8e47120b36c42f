#include "standin/SettingsBlocks.h"

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

constexpr StRowLayout kWage{80, kWageFields};
constexpr StRowLayout kFamily{80, kFamilyFields};
constexpr StRowLayout kParty{112, kPartyFields};
constexpr StRowLayout kLandRent{128, kLandRentFields};
constexpr StRowLayout kTrade{72, kTradeFields};
constexpr StRowLayout kRepair{128, kRepairFields};
constexpr StRowLayout kLetting{blocksize::kKasitukeRow, kLettingFields};

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

void PutField(unsigned char* at, const StFieldLayout& field, const ClJsonNode& node) {
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
void ExpectMembers(const ClJsonNode& node, std::span<const StFieldLayout> fields,
                   std::span<const StListLayout> lists) {
    std::vector<std::string_view> names;
    for (const auto& field : fields) names.push_back(field.name);
    for (const auto& list : lists) names.push_back(list.name);
    node.ExpectObject(names);
}

void PutFields(unsigned char* base, std::span<const StFieldLayout> fields, const ClJsonNode& object) {
    for (const auto& field : fields) {
        if (auto member = object.Member(field.name)) PutField(base + field.offset, field, *member);
    }
}

void PutRow(unsigned char* base, const StRowLayout& row, const ClJsonNode& node) {
    if (node.IsHex()) {
        std::string bytes = node.HexBytes(row.size, "row");
        std::memcpy(base, bytes.data(), bytes.size());
        return;
    }
    ExpectMembers(node, row.fields, {});
    PutFields(base, row.fields, node);
}

// Where the rows given for each list are counted.
struct StCounter {
    std::string name;  // of the block
    std::vector<StStandinListCount>& counts;
    void Add(std::string_view list, std::size_t rows) const {
        counts.push_back({list.empty() ? name : name + "." + std::string(list), rows});
    }
};

void PutRows(unsigned char* base, const StListLayout& list, const ClJsonNode& array, const StCounter& counter) {
    auto rows = array.Items(list.maxRows, "rows");
    for (std::size_t i = 0; i < rows.size(); ++i) PutRow(base + list.offset + i * list.row->size, *list.row, rows[i]);
    counter.Add(list.name, rows.size());
}

StandinBlock LettingsBlock(const ClJsonNode* node, const StCounter& counter) {
    const StListLayout& list = kKasitukeLists[0];
    std::vector<ClJsonNode> rows;
    if (node) {
        rows = node->Items(static_cast<std::size_t>(-1) / list.row->size - 1, "rows");
        counter.Add(list.name, rows.size());
    }
    StandinBlock block((rows.size() + 1) * list.row->size);
    for (std::size_t i = 0; i < rows.size(); ++i) PutRow(block.data() + i * list.row->size, *list.row, rows[i]);
    // Bytes 0-3 of the terminator row stay zero; the marker ends the list.
    PutLittleEndian(block.data() + rows.size() * list.row->size + kLettingMarkerOffset,
                    static_cast<std::uint32_t>(kLettingTerminator), 4);
    return block;
}

StandinBlock ReadBlock(const ClJsonNode* node, const StBlockLayout& layout, const StCounter& counter) {
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

std::span<const StBlockLayout> IppanLayout() { return kIppan; }
std::span<const StBlockLayout> FudousanLayout() { return kFudousan; }

void ReadSettingsBlocks(const std::optional<ClJsonNode>& record, std::string_view recordName,
                        std::span<const StBlockLayout> layout, std::span<StandinBlock> blocks,
                        std::vector<StStandinListCount>& counts) {
    if (record) {
        std::vector<std::string_view> names;
        for (const auto& block : layout) names.push_back(block.name);
        record->ExpectObject(names);
    }
    for (std::size_t i = 0; i < layout.size(); ++i) {
        std::optional<ClJsonNode> member;
        if (record) member = record->Member(layout[i].name);
        StCounter counter{std::string(recordName) + "." + std::string(layout[i].name), counts};
        blocks[i] = ReadBlock(member ? &*member : nullptr, layout[i], counter);
    }
}
