// Reading and validating an engine data set (JSON, format 1).
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <memory>
#include <new>
#include <system_error>

#include "common/Sjis.h"
#include "engine/VkEngine.h"
#include "standin/DatasetJson.h"
#include "standin/SettingsBlocks.h"
#include "standin/StandinDataset.h"

namespace {

constexpr int kFormat = 1;
constexpr std::size_t kUserIdField = 65;
constexpr std::size_t kNoLimit = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());

#ifdef _WIN32
constexpr char kFolderSeparator = '\\';
#else
constexpr char kFolderSeparator = '/';
#endif

constexpr StSTANDINOPINFO kOps[kStandinOpCount] = {
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

void PutText(ClJsonReader& in, char* field, std::size_t width) {
    std::string text = in.Text(width);
    std::memcpy(field, text.data(), text.size());
}

StAOSUMINFO ReadStatementRow(ClJsonReader& in) {
    StAOSUMINFO row{};
    ReadMembers(in, Member("rowCode", [&] { row.rowCode = in.Integer<std::int32_t>(); }),
                Member("itemKey", [&] { row.itemKey = in.Integer<std::int32_t>(); }),
                Member("kamokuName", [&] { PutText(in, row.kamokuName, sizeof row.kamokuName); }),
                Member("kisyuAmount", [&] { row.kisyuAmount = in.Integer<std::int64_t>(); }),
                Member("amount", [&] { row.amount = in.Integer<std::int64_t>(); }));
    return row;
}

StandinRows ReadStatementRows(ClJsonReader& in) {
    StandinRows rows;
    ForEachItem(in, kNoLimit, "rows", [&](std::size_t) { rows.push_back(ReadStatementRow(in)); });
    return rows;
}

StSTANDINAOSTATEMENTS ReadAoStatements(ClJsonReader& in) {
    StSTANDINAOSTATEMENTS statements;
    ReadMembers(in, Member("pl", [&] { statements.pl = ReadStatementRows(in); }),
                Member("bsAssets", [&] { statements.bsAssets = ReadStatementRows(in); }),
                Member("bsLiabilities", [&] { statements.bsLiabilities = ReadStatementRows(in); }));
    return statements;
}

void ReadBlue(ClJsonReader& in, StSTANDINCOMPANY& company) {
    constexpr std::size_t kSlots = std::size(StAOSUMINFO_TSUKIBETSU{}.slots);
    ReadMembers(in, Member("general", [&] { company.blue[0] = ReadAoStatements(in); }),
                Member("realEstate", [&] { company.blue[1] = ReadAoStatements(in); }),
                Member("manufacturing", [&] { company.manufacturing = ReadStatementRows(in); }), Member("monthly", [&] {
                    ForEachItem(in, kSlots, "slots",
                                [&](std::size_t i) { company.monthly.slots[i] = in.Integer<std::int64_t>(); });
                }));
}

void ReadWhite(ClJsonReader& in, StSTANDINCOMPANY& company) {
    ForEachMember(in, {"general", "realEstate"}, [&](std::size_t m) { company.white[m] = ReadStatementRows(in); });
}

// The record holds 16 bytes of dataId (dataNo follows at 16); a dataId of
// exactly 16 bytes fills the field without a terminator. The engine knows a
// company by the bytes before the first zero, so those must not be empty.
void ReadDataId(ClJsonReader& in, StDATAINFO& info) {
    constexpr std::size_t kField = sizeof info.dataId;
    const std::string path = in.Path();
    std::string id = in.IdText(kField, "dataId field");
    if (id.empty() || id[0] == '\0')
        throw StDATASETREFUSAL{path, "the dataId is empty; the engine knows a company by it"};
    std::memcpy(info.dataId, id.data(), id.size());
}

std::string_view DataId(const StDATAINFO& info) { return {info.dataId, strnlen(info.dataId, sizeof info.dataId)}; }

StSTANDINCOMPANY ReadCompany(ClJsonReader& in) {
    StSTANDINCOMPANY company;
    StDATAINFO& info = company.info;
    bool hasId = false;
    ClSettingsRecordReader ippan(IppanLayout(), "ippan", company.ippan, company.settingsLists);
    ClSettingsRecordReader fudousan(FudousanLayout(), "fudousan", company.fudousan, company.settingsLists);
    ReadMembers(in,
                Member("dataId",
                       [&] {
                           ReadDataId(in, info);
                           hasId = true;
                       }),
                Member("dataNo", [&] { info.dataNo = in.Integer<std::int32_t>(); }),
                Member("companyName", [&] { PutText(in, info.companyName, sizeof info.companyName); }),
                Member("fiscalFrom", [&] { info.fiscalFrom = in.Integer<std::int32_t>(); }),
                Member("fiscalTo", [&] { info.fiscalTo = in.Integer<std::int32_t>(); }),
                Member("seizoGenkaFlag", [&] { info.seizoGenkaFlag = in.Integer<std::int32_t>(); }),
                Member("dataKind", [&] { info.dataKind = in.Integer<std::int16_t>(); }),
                Member("aoSiroKind", [&] { info.aoSiroKind = in.Integer<std::uint8_t>(); }),
                Member("jigyouKind", [&] { info.jigyouKind = in.Integer<std::uint8_t>(); }),
                Member("blue", [&] { ReadBlue(in, company); }), Member("white", [&] { ReadWhite(in, company); }),
                Member("ippan", [&] { ippan.Read(in); }), Member("fudousan", [&] { fudousan.Read(in); }));
    if (!hasId) in.Refuse("a company needs a \"dataId\": the engine knows a company by it");
    ippan.Finish();
    fudousan.Finish();
    return company;
}

std::vector<StSTANDINCOMPANY> ReadCompanies(ClJsonReader& in) {
    std::vector<StSTANDINCOMPANY> companies;
    std::map<std::int32_t, std::size_t> byNo;
    std::map<std::string, std::size_t> byId;
    ForEachItem(in, kNoLimit, "companies", [&](std::size_t i) {
        companies.push_back(ReadCompany(in));
        const StDATAINFO& info = companies.back().info;
        if (auto [at, added] = byNo.emplace(info.dataNo, i); !added) {
            throw StDATASETREFUSAL{in.Path() + ".dataNo", "dataNo " + std::to_string(info.dataNo) +
                                                              " is already used by companies[" +
                                                              std::to_string(at->second) + "]"};
        }
        if (auto [at, added] = byId.emplace(std::string(DataId(info)), i); !added) {
            throw StDATASETREFUSAL{in.Path() + ".dataId",
                                   "this dataId is already used by companies[" + std::to_string(at->second) + "]"};
        }
    });
    return companies;
}

StSTANDINUSER ReadUser(ClJsonReader& in) {
    StSTANDINUSER user;
    ReadMembers(in, Member("userId", [&] { user.userId = in.Text(kUserIdField); }),
                Member("selNo1", [&] { user.selNo1 = in.Integer<std::int32_t>(); }),
                Member("selNo2", [&] { user.selNo2 = in.Integer<std::int32_t>(); }));
    return user;
}

void ReadAppFolders(ClJsonReader& in, StSTANDINDATASET& out) {
    ForEachMember(in, {"0", "1"}, [&](std::size_t type) {
        bool hex = in.AtObject();
        std::string folder = in.Text(kAppFolderPathSize);
        // Type 1 gets a file name appended directly, so it must end with the
        // separator (as hex it is taken as it stands, for malformed cases).
        bool endsWithSeparator =
            !folder.empty() && folder.back() == kFolderSeparator && !sjis::IsTrailAt(folder, folder.size() - 1);
        if (type == 1 && !hex && !endsWithSeparator) {
            throw StDATASETREFUSAL{in.Path(), std::string("folder type 1 must end with \"") + kFolderSeparator + "\"" +
                                                  (folder.empty() ? "; leave it out for the per-user folder" : "")};
        }
        out.appFolders[type] = std::move(folder);
    });
}

EnStandinOp ReadOp(ClJsonReader& in) {
    const std::string path = in.Path();
    std::string name = in.String();
    std::size_t i = 0;
    while (i < kStandinOpCount && kOps[i].name != name) ++i;
    if (i == kStandinOpCount) throw StDATASETREFUSAL{path, "\"" + name + "\" is no operation a fault can be put on"};
    return static_cast<EnStandinOp>(i);
}

StSTANDINFAULT ReadFault(ClJsonReader& in) {
    StSTANDINFAULT fault;
    bool hasOp = false;
    std::optional<std::string> sumTypePath;
    constexpr std::int64_t kMaxCall = std::numeric_limits<std::int32_t>::max();
    ReadMembers(in,
                Member("op",
                       [&] {
                           fault.op = ReadOp(in);
                           hasOp = true;
                       }),
                Member("sumType",
                       [&] {
                           sumTypePath = in.Path();
                           fault.sumType = static_cast<std::int32_t>(in.Integer(0, 1));
                       }),
                Member("call", [&] { fault.call = static_cast<std::int32_t>(in.Integer(1, kMaxCall)); }),
                Member("result", [&] { fault.result = in.Integer<std::int32_t>(); }));
    if (!hasOp) in.Refuse("a fault needs \"op\"");
    const StSTANDINOPINFO& op = kOps[static_cast<std::size_t>(fault.op)];
    if (sumTypePath && !op.takesSumType)
        throw StDATASETREFUSAL{*sumTypePath, std::string(op.name) + " takes no sum type"};
    return fault;
}

StSTANDINDATASET ReadDataset(ClJsonReader& in) {
    StSTANDINDATASET out;
    bool hasFormat = false;
    ReadMembers(
        in,
        Member("format",
               [&] {
                   in.ExpectInteger(kFormat, "only format 1 is known: give \"format\": 1");
                   hasFormat = true;
               }),
        Member("currentUser", [&] { out.currentUser = in.Text(kUserIdField); }),
        Member("users",
               [&] { ForEachItem(in, kNoLimit, "users", [&](std::size_t) { out.users.push_back(ReadUser(in)); }); }),
        Member("appFolders", [&] { ReadAppFolders(in, out); }),
        Member("companies", [&] { out.companies = ReadCompanies(in); }), Member("faults", [&] {
            ForEachItem(in, kNoLimit, "faults", [&](std::size_t) { out.faults.push_back(ReadFault(in)); });
        }));
    in.ExpectEnd();
    if (!hasFormat) in.Refuse("\"format\": 1 is missing");
    return out;
}

}  // namespace

const StSTANDINOPINFO& StandinOpInfo(EnStandinOp op) { return kOps[static_cast<std::size_t>(op)]; }

bool ParseDataset(std::string_view json, StSTANDINDATASET& out, StDATASETERROR& error) {
    try {
        ClJsonReader reader(json);
        StSTANDINDATASET dataset = ReadDataset(reader);
        out = std::move(dataset);
        return true;
    } catch (const StDATASETREFUSAL& refusal) {
        error = {refusal.path, refusal.problem};
    } catch (const std::bad_alloc&) {
        error = {"$", "out of memory"};
    } catch (const std::exception& e) {
        error = {"$", e.what()};
    }
    return false;
}

bool LoadDatasetFile(const std::string& utf8Path, StSTANDINDATASET& out, StDATASETERROR& error) {
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
        // One read of the whole file, sized up front.
        in.seekg(0, std::ios::end);
        const std::streamoff size = in.tellg();
        in.seekg(0, std::ios::beg);
        if (size < 0 || !in) {
            error = {"$", "cannot be read"};
            return false;
        }
        // Not zero-filled first: the read fills it.
        std::unique_ptr<char[]> text(new char[static_cast<std::size_t>(size)]);
        in.read(text.get(), size);
        if (in.bad() || in.gcount() != size) {
            error = {"$", "cannot be read"};
            return false;
        }
        return ParseDataset(std::string_view(text.get(), static_cast<std::size_t>(size)), out, error);
    } catch (const std::exception& e) {
        error = {"$", std::string("cannot be read: ") + e.what()};
        return false;
    }
}

std::string DatasetErrorLine(std::string_view datasetName, const StDATASETERROR& error) {
    std::string line = "engine data set " + std::string(datasetName) + ": " + error.path + ": " + error.problem;
    for (char& c : line) {
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    }
    return line;
}
