#pragma once
// An engine data set as the stand-in holds it once loaded: every text already
// in Shift_JIS, every saved-settings block already laid out byte for byte.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/VkRecords.h"

// The engine operations a fault can be put on.
enum class EnStandinOp : std::uint8_t {
    Initiate,
    ExpSysLink,
    AoReady,
    SiroReady,
    AoCountPl,
    AoCountBsShisan,
    AoCountBsFusaiShihon,
    AoCountSeizoGenka,
    SiroCountPl,
    AoFirstPl,
    AoNextPl,
    AoFirstBsShisan,
    AoNextBsShisan,
    AoFirstBsFusaiShihon,
    AoNextBsFusaiShihon,
    AoFirstSeizoGenka,
    AoNextSeizoGenka,
    SiroFirstPl,
    SiroNextPl,
    AoTsukibetsu,
    SaveIppan,
    SaveFudousan,
};
constexpr std::size_t kStandinOpCount = 22;

struct StSTANDINOPINFO {
    std::string_view name;  // as the data set names it, e.g. "ClRuleAo::MoveNext_PL"
    bool takesSumType;
};
const StSTANDINOPINFO& StandinOpInfo(EnStandinOp op);

struct StSTANDINFAULT {
    EnStandinOp op = EnStandinOp::Initiate;
    std::optional<std::int32_t> sumType;
    std::optional<std::int32_t> call;  // from 1
    std::int32_t result = 0;
};

struct StSTANDINUSER {
    std::string userId;  // Shift_JIS bytes, at most 65
    std::int32_t selNo1 = 0;
    std::int32_t selNo2 = 0;
};

using StandinRows = std::vector<StAOSUMINFO>;
using StandinBlock = std::vector<unsigned char>;

// Statement rows of one sum type of the blue rule.
struct StSTANDINAOSTATEMENTS {
    StandinRows pl;
    StandinRows bsAssets;
    StandinRows bsLiabilities;
};

// How many rows a saved-settings list was given with ("ippan.kyuuryou", ...).
struct StSTANDINLISTCOUNT {
    std::string name;
    std::size_t rows;
};

struct StSTANDINCOMPANY {
    StDATAINFO info{};
    std::array<StSTANDINAOSTATEMENTS, 2> blue;  // by sum type: 0 general, 1 real estate
    StandinRows manufacturing;
    StAOSUMINFO_TSUKIBETSU monthly{};
    std::array<StandinRows, 2> white;               // by sum type
    std::array<StandinBlock, 7> ippan;              // in the order of StAOSIROSAVEINFO_IPPAN
    std::array<StandinBlock, 8> fudousan;           // in the order of StAOSIROSAVEINFO_FUDOUSAN
    std::vector<StSTANDINLISTCOUNT> settingsLists;  // for people who check a data set
};

struct StSTANDINDATASET {
    std::string currentUser;  // Shift_JIS bytes, at most 65
    std::vector<StSTANDINUSER> users;
    std::array<std::optional<std::string>, 2> appFolders;  // by folder type
    std::vector<StSTANDINCOMPANY> companies;
    std::vector<StSTANDINFAULT> faults;
};

// Why a data set was refused: the JSON path of the member ("$" for the whole
// file) and what is wrong with it, in UTF-8.
struct StDATASETERROR {
    std::string path;
    std::string problem;
};

// Reads a data set from JSON text (UTF-8). False, with error filled, when the
// text is not a valid data set; out is then unchanged. Never throws.
bool ParseDataset(std::string_view json, StSTANDINDATASET& out, StDATASETERROR& error);

// Reads the file (path in UTF-8, used as it is), then ParseDataset.
bool LoadDatasetFile(const std::string& utf8Path, StSTANDINDATASET& out, StDATASETERROR& error);

// The one line that names the data set, the member and the problem.
std::string DatasetErrorLine(std::string_view datasetName, const StDATASETERROR& error);
