// vkdataset check FILE: validates an engine data set and shows what it holds,
// for people who write data sets by hand: warnings for values the programs do
// not know, and which income kinds the selected company can be exported with.
// Output in UTF-8 (in a Windows console as its wide text); exit status 0 when
// the data set is valid, 1 otherwise.
#include <cstdarg>
#include <cstdio>
#include <string>
#include <string_view>

#include "OrbekVersion.h"
#include "services/CodePage.h"
#include "services/StdText.h"
#include "standin/StandinDataset.h"
#include "standin/tool/DatasetAdvice.h"

namespace {

// printf to standard output or error, through the platform's boundary.
[[gnu::format(gnu_printf, 2, 3)]] void Print(EnStdStream stream, const char* format, ...) {
    std::va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, again);
    va_end(again);
    text.pop_back();
    WriteStdUtf8(stream, text);
}

std::string Utf8(std::string_view sjis) { return SjisToUtf8Lossy(sjis.substr(0, sjis.find('\0'))); }

std::string Field(const char* field, std::size_t size) { return Utf8(std::string_view(field, size)); }

const char* ReturnKind(int aoSiroKind) {
    switch (aoSiroKind) {
        case kBlueReturn:
            return "blue return";
        case kWhiteReturn:
            return "white return";
        default:
            return "return kind unknown";
    }
}

const char* BusinessKind(int jigyouKind) {
    switch (jigyouKind) {
        case kJigyouGeneral:
            return "business";
        case kJigyouRealEstate:
            return "real estate";
        case kJigyouBoth:
            return "business and real estate";
        default:
            return "no business category";
    }
}

std::string Date(std::int32_t yyyymmdd) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100);
    return text;
}

void PrintCompany(const StSTANDINCOMPANY& company, bool selected) {
    const StDATAINFO& info = company.info;
    Print(EnStdStream::Out, "  dataNo %d, dataId \"%s\": %s%s\n", info.dataNo,
          Field(info.dataId, sizeof info.dataId).c_str(), Field(info.companyName, sizeof info.companyName).c_str(),
          selected ? "  (selected)" : "");
    Print(EnStdStream::Out, "    %s (aoSiroKind %d), %s (jigyouKind %d), period %s to %s\n",
          ReturnKind(info.aoSiroKind), info.aoSiroKind, BusinessKind(info.jigyouKind), info.jigyouKind,
          Date(info.fiscalFrom).c_str(), Date(info.fiscalTo).c_str());
    Print(EnStdStream::Out, "    manufacturing cost %s, dataKind %d%s\n", info.seizoGenkaFlag ? "kept" : "not kept",
          info.dataKind, info.dataKind == kDataKindPastResults ? " (past results)" : "");
    const char* sumTypes[] = {"general", "real estate"};
    for (std::size_t t = 0; t < 2; ++t) {
        const auto& s = company.blue[t];
        Print(EnStdStream::Out, "    blue %s: pl %zu, bsAssets %zu, bsLiabilities %zu rows\n", sumTypes[t], s.pl.size(),
              s.bsAssets.size(), s.bsLiabilities.size());
    }
    Print(EnStdStream::Out, "    blue manufacturing: %zu rows\n", company.manufacturing.size());
    Print(EnStdStream::Out, "    white general: %zu rows, white real estate: %zu rows\n", company.white[0].size(),
          company.white[1].size());
    for (const auto& list : company.settingsLists) {
        Print(EnStdStream::Out, "    %s: %zu rows\n", list.name.c_str(), list.rows);
    }
}

constexpr const char* kUsage =
    "usage: vkdataset check FILE\n"
    "       vkdataset --version\n"
    "Checks an engine data set (JSON, format 1) and shows what it holds: the users, the\n"
    "companies with their statements and saved settings, the faults. Warns about values\n"
    "the programs do not know and says which income kinds the selected company can be\n"
    "exported with. Exit status 0 for a valid data set (warnings or not), 1 otherwise.\n";

void Warn(std::size_t company, const std::string& problem) {
    Print(EnStdStream::Err, "warning: $.companies[%zu].%s\n", company, problem.c_str());
}

// Which income kinds the selected company can be exported with, and why not.
void PrintIncomeKinds(const StSTANDINCOMPANY& company, std::size_t index) {
    Print(EnStdStream::Out, "income kinds of the selected company:\n");
    for (const auto& kind : IncomeKindAdvice(company)) {
        const char* name = IncomeKindName(kind.incomeKind);
        if (!kind.offered) {
            Print(EnStdStream::Out, "  %d %s: not offered (jigyouKind %d)\n", kind.incomeKind, name,
                  company.info.jigyouKind);
        } else if (kind.problem.empty()) {
            Print(EnStdStream::Out, "  %d %s: can be exported\n", kind.incomeKind, name);
        } else {
            Print(EnStdStream::Out, "  %d %s: cannot be exported\n", kind.incomeKind, name);
            Print(EnStdStream::Err, "warning: $.companies[%zu]: income kind %d (%s) cannot be exported: %s\n", index,
                  kind.incomeKind, name, kind.problem.c_str());
        }
    }
}

int Check(const std::string& utf8Path) {
    const char* path = utf8Path.c_str();
    StSTANDINDATASET data;
    StDATASETERROR error;
    if (!LoadDatasetFile(path, data, error)) {
        Print(EnStdStream::Err, "%s\n", DatasetErrorLine(path, error).c_str());
        return 1;
    }
    Print(EnStdStream::Out, "%s: a valid engine data set (format 1)\n", path);
    Print(EnStdStream::Out, "current user: \"%s\"\n", Utf8(data.currentUser).c_str());
    const StSTANDINUSER* current = nullptr;
    Print(EnStdStream::Out, "users: %zu\n", data.users.size());
    for (const auto& user : data.users) {
        Print(EnStdStream::Out, "  \"%s\": selNo1 %d, selNo2 %d\n", Utf8(user.userId).c_str(), user.selNo1,
              user.selNo2);
        if (!current && user.userId == data.currentUser) current = &user;
    }
    for (std::size_t type = 0; type < data.appFolders.size(); ++type) {
        const auto& folder = data.appFolders[type];
        Print(EnStdStream::Out, "app folder %zu: %s\n", type,
              folder      ? ("\"" + Utf8(*folder) + "\"").c_str()
              : type == 0 ? "empty (not given)"
                          : "the per-user data folder (not given)");
    }
    Print(EnStdStream::Out, "companies: %zu\n", data.companies.size());
    const StSTANDINCOMPANY* selectedCompany = nullptr;
    std::size_t selectedIndex = 0;
    for (std::size_t i = 0; i < data.companies.size(); ++i) {
        const StSTANDINCOMPANY& company = data.companies[i];
        bool selected = current && !selectedCompany && company.info.dataNo == current->selNo2;
        if (selected) {
            selectedCompany = &company;
            selectedIndex = i;
        }
        PrintCompany(company, selected);
        for (const auto& warning : CompanyWarnings(company)) Warn(i, warning);
    }
    if (selectedCompany) {
        PrintIncomeKinds(*selectedCompany, selectedIndex);
    } else {
        Print(EnStdStream::Out, "the current user selects no company\n");
    }
    Print(EnStdStream::Out, "faults: %zu\n", data.faults.size());
    for (const auto& fault : data.faults) {
        std::string sumType = fault.sumType ? ", sum type " + std::to_string(*fault.sumType) : "";
        std::string call = fault.call ? ", call " + std::to_string(*fault.call) : ", every call";
        Print(EnStdStream::Out, "  %s%s%s: %d\n", std::string(StandinOpInfo(fault.op).name).c_str(), sumType.c_str(),
              call.c_str(), fault.result);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = ArgumentsUtf8(argc, argv);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        WriteStdUtf8(EnStdStream::Out, kUsage);
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        WriteStdUtf8(EnStdStream::Out, "vkdataset " ORBEK_VERSION_TEXT "\n");
        return 0;
    }
    if (args.size() != 2 || args[0] != "check") {
        WriteStdUtf8(EnStdStream::Err, kUsage);
        return 1;
    }
    return Check(args[1]);
}
