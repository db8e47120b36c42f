// Reading and validating an engine data set (JSON, format 1).
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <new>
#include <system_error>

#include "common/Sjis.h"
#include "standin/DatasetJson.h"
#include "standin/SettingsBlocks.h"
#include "standin/StandinDataset.h"

namespace {

constexpr int kFormat = 1;
constexpr std::size_t kUserIdField = 65;
constexpr std::size_t kFolderField = 261;
constexpr std::size_t kNoLimit = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());

#ifdef _WIN32
constexpr char kFolderSeparator = '\\';
#else
constexpr char kFolderSeparator = '/';
#endif

constexpr StStandinOpInfo kOps[kStandinOpCount] = {
    {"ClAccConnect::Initiate", false},
    {"ClAccConnect::ExpSysLink", false},
    {"ClRuleAo::Ready", false},
    {"ClRuleSiro::Ready", false},
    {"ClRuleAo::GetCount_PL", true},
    {"ClRuleAo::GetCount_BS_Shisan", true},
    {"ClRuleAo::GetCount_BS_FusaiShihon", true},
    {"ClRuleAo::GetCount_SeizoGenka", false},
    {"ClRuleSiro::GetCount_PL", true},
    {"ClRuleAo::MoveFirst_PL", true},
    {"ClRuleAo::MoveNext_PL", true},
    {"ClRuleAo::MoveFirst_BS_Shisan", true},
    {"ClRuleAo::MoveNext_BS_Shisan", true},
    {"ClRuleAo::MoveFirst_BS_FusaiShihon", true},
    {"ClRuleAo::MoveNext_BS_FusaiShihon", true},
    {"ClRuleAo::MoveFirst_SeizoGenka", false},
    {"ClRuleAo::MoveNext_SeizoGenka", false},
    {"ClRuleSiro::MoveFirst_PL", true},
    {"ClRuleSiro::MoveNext_PL", true},
    {"ClRuleAo::GetTsukibetsuUriageShiire", false},
    {"ClSaveAoSiro::GetDataIppan", false},
    {"ClSaveAoSiro::GetDataFudousan", false},
};

StAOSUMINFO ReadStatementRow(const ClJsonNode& node) {
    node.ExpectObject({"rowCode", "itemKey", "kamokuName", "kisyuAmount", "amount"});
    StAOSUMINFO row{};
    row.rowCode = IntegerMember<std::int32_t>(node, "rowCode");
    row.itemKey = IntegerMember<std::int32_t>(node, "itemKey");
    std::string name = TextMember(node, "kamokuName", sizeof row.kamokuName);
    std::memcpy(row.kamokuName, name.data(), name.size());
    row.kisyuAmount = IntegerMember<std::int64_t>(node, "kisyuAmount");
    row.amount = IntegerMember<std::int64_t>(node, "amount");
    return row;
}

StandinRows ReadStatementRows(const ClJsonNode& parent, std::string_view name) {
    StandinRows rows;
    if (auto list = parent.Member(name)) {
        for (const auto& item : list->Items(kNoLimit, "rows")) rows.push_back(ReadStatementRow(item));
    }
    return rows;
}

StStandinAoStatements ReadAoStatements(const ClJsonNode& node) {
    node.ExpectObject({"pl", "bsAssets", "bsLiabilities"});
    return {ReadStatementRows(node, "pl"), ReadStatementRows(node, "bsAssets"),
            ReadStatementRows(node, "bsLiabilities")};
}

void ReadBlue(const ClJsonNode& node, StStandinCompany& company) {
    node.ExpectObject({"general", "realEstate", "manufacturing", "monthly"});
    if (auto general = node.Member("general")) company.blue[0] = ReadAoStatements(*general);
    if (auto realEstate = node.Member("realEstate")) company.blue[1] = ReadAoStatements(*realEstate);
    company.manufacturing = ReadStatementRows(node, "manufacturing");
    if (auto monthly = node.Member("monthly")) {
        constexpr std::size_t kSlots = std::size(StAOSUMINFO_TSUKIBETSU{}.slots);
        auto slots = monthly->Items(kSlots, "slots");
        for (std::size_t i = 0; i < slots.size(); ++i) {
            company.monthly.slots[i] = slots[i].Integer<std::int64_t>();
        }
    }
}

void ReadWhite(const ClJsonNode& node, StStandinCompany& company) {
    node.ExpectObject({"general", "realEstate"});
    company.white[0] = ReadStatementRows(node, "general");
    company.white[1] = ReadStatementRows(node, "realEstate");
}

// The record holds 16 bytes of dataId (dataNo follows at 16); a dataId of
// exactly 16 bytes fills the field without a terminator.
void ReadDataId(const ClJsonNode& company, StDATAINFO& info) {
    auto member = company.Member("dataId");
    if (!member) return;
    constexpr std::size_t kField = sizeof info.dataId;
    std::string id;
    if (member->IsHex()) {
        id = member->HexBytes(kField, "dataId field");
    } else {
        id = member->Text(std::numeric_limits<std::size_t>::max());
        if (id.size() > kField) {
            member->Refuse("the dataId takes " + std::to_string(id.size()) +
                           " bytes in Shift_JIS; the record holds at most " + std::to_string(kField));
        }
    }
    std::memcpy(info.dataId, id.data(), id.size());
}

StStandinCompany ReadCompany(const ClJsonNode& node) {
    node.ExpectObject({"dataId", "dataNo", "companyName", "fiscalFrom", "fiscalTo", "seizoGenkaFlag",
                       "dataKind", "aoSiroKind", "jigyouKind", "blue", "white", "ippan", "fudousan"});
    StStandinCompany company;
    StDATAINFO& info = company.info;
    ReadDataId(node, info);
    info.dataNo = IntegerMember<std::int32_t>(node, "dataNo");
    std::string name = TextMember(node, "companyName", sizeof info.companyName);
    std::memcpy(info.companyName, name.data(), name.size());
    info.fiscalFrom = IntegerMember<std::int32_t>(node, "fiscalFrom");
    info.fiscalTo = IntegerMember<std::int32_t>(node, "fiscalTo");
    info.seizoGenkaFlag = IntegerMember<std::int32_t>(node, "seizoGenkaFlag");
    info.dataKind = IntegerMember<std::int16_t>(node, "dataKind");
    info.aoSiroKind = IntegerMember<std::uint8_t>(node, "aoSiroKind");
    info.jigyouKind = IntegerMember<std::uint8_t>(node, "jigyouKind");
    if (auto blue = node.Member("blue")) ReadBlue(*blue, company);
    if (auto white = node.Member("white")) ReadWhite(*white, company);
    ReadSettingsBlocks(node.Member("ippan"), "ippan", IppanLayout(), company.ippan, company.settingsLists);
    ReadSettingsBlocks(node.Member("fudousan"), "fudousan", FudousanLayout(), company.fudousan,
                       company.settingsLists);
    return company;
}

std::vector<StStandinCompany> ReadCompanies(const ClJsonNode& list) {
    std::vector<StStandinCompany> companies;
    auto items = list.Items(kNoLimit, "companies");
    for (std::size_t i = 0; i < items.size(); ++i) {
        companies.push_back(ReadCompany(items[i]));
        for (std::size_t j = 0; j < i; ++j) {
            if (companies[j].info.dataNo == companies[i].info.dataNo) {
                items[i].Member("dataNo")->Refuse("dataNo " + std::to_string(companies[i].info.dataNo) +
                                                  " is already used by companies[" + std::to_string(j) + "]");
            }
        }
    }
    return companies;
}

StStandinUser ReadUser(const ClJsonNode& node) {
    node.ExpectObject({"userId", "selNo1", "selNo2"});
    return {TextMember(node, "userId", kUserIdField), IntegerMember<std::int32_t>(node, "selNo1"),
            IntegerMember<std::int32_t>(node, "selNo2")};
}

void ReadAppFolders(const ClJsonNode& node, StStandinDataset& out) {
    node.ExpectObject({"0", "1"});
    for (std::size_t type = 0; type < out.appFolders.size(); ++type) {
        auto member = node.Member(std::to_string(type));
        if (!member) continue;
        std::string folder = member->Text(kFolderField);
        // Type 1 gets a file name appended directly, so it must end with the
        // separator (as hex it is taken as it stands, for malformed cases).
        bool endsWithSeparator = !folder.empty() && folder.back() == kFolderSeparator &&
                                 !sjis::IsTrailAt(folder, folder.size() - 1);
        if (type == 1 && !member->IsHex() && !folder.empty() && !endsWithSeparator) {
            member->Refuse(std::string("folder type 1 must end with \"") + kFolderSeparator + "\"");
        }
        out.appFolders[type] = std::move(folder);
    }
}

StStandinFault ReadFault(const ClJsonNode& node) {
    node.ExpectObject({"op", "sumType", "call", "result"});
    StStandinFault fault;
    auto op = node.Member("op");
    if (!op) node.Refuse("a fault needs \"op\"");
    if (!op->value().is_string()) op->Refuse(std::string("expected a string, found ") + op->value().type_name());
    const auto& name = op->value().get_ref<const std::string&>();
    std::size_t i = 0;
    while (i < kStandinOpCount && kOps[i].name != name) ++i;
    if (i == kStandinOpCount) op->Refuse("\"" + name + "\" is no operation a fault can be put on");
    fault.op = static_cast<EnStandinOp>(i);
    if (auto sumType = node.Member("sumType")) {
        if (!kOps[i].takesSumType) sumType->Refuse(name + " takes no sum type");
        fault.sumType = static_cast<std::int32_t>(sumType->Integer(0, 1));
    }
    if (auto call = node.Member("call")) {
        fault.call = static_cast<std::int32_t>(call->Integer(1, std::numeric_limits<std::int32_t>::max()));
    }
    fault.result = IntegerMember<std::int32_t>(node, "result");
    return fault;
}

StStandinDataset ReadDataset(const Json& json) {
    ClJsonNode root(json, "$");
    root.ExpectObject({"format", "currentUser", "users", "appFolders", "companies", "faults"});
    auto format = root.Member("format");
    if (!format) root.Refuse("\"format\": 1 is missing");
    if (format->Integer<std::int32_t>() != kFormat) format->Refuse("only format 1 is known");
    StStandinDataset out;
    out.currentUser = TextMember(root, "currentUser", kUserIdField);
    if (auto users = root.Member("users")) {
        for (const auto& item : users->Items(kNoLimit, "users")) out.users.push_back(ReadUser(item));
    }
    if (auto folders = root.Member("appFolders")) ReadAppFolders(*folders, out);
    if (auto companies = root.Member("companies")) out.companies = ReadCompanies(*companies);
    if (auto faults = root.Member("faults")) {
        for (const auto& item : faults->Items(kNoLimit, "faults")) out.faults.push_back(ReadFault(item));
    }
    return out;
}

}  // namespace

const StStandinOpInfo& StandinOpInfo(EnStandinOp op) { return kOps[static_cast<std::size_t>(op)]; }

bool ParseDataset(std::string_view json, StStandinDataset& out, StDatasetError& error) {
    try {
        StStandinDataset dataset = ReadDataset(ParseDatasetJson(json));
        out = std::move(dataset);
        return true;
    } catch (const DatasetRefusal& refusal) {
        error = {refusal.path, refusal.problem};
    } catch (const std::bad_alloc&) {
        error = {"$", "out of memory"};
    } catch (const std::exception& e) {
        error = {"$", e.what()};
    }
    return false;
}

bool LoadDatasetFile(const std::string& utf8Path, StStandinDataset& out, StDatasetError& error) {
    try {
        std::filesystem::path path(std::u8string(utf8Path.begin(), utf8Path.end()));
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec)) {
            error = {"$", "is a folder, not a file"};
            return false;
        }
        errno = 0;
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            error = {"$", std::string("cannot be opened: ") + (errno ? std::strerror(errno) : "unknown error")};
            return false;
        }
        std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (in.bad()) {
            error = {"$", "cannot be read"};
            return false;
        }
        return ParseDataset(text, out, error);
    } catch (const std::exception& e) {
        error = {"$", std::string("cannot be read: ") + e.what()};
        return false;
    }
}

std::string DatasetErrorLine(std::string_view datasetName, const StDatasetError& error) {
    std::string line = "engine data set " + std::string(datasetName) + ": " + error.path + ": " + error.problem;
    for (char& c : line) {
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    }
    return line;
}
