#pragma once
// A loaded data set as text, byte for byte: every record and block in hex,
// one line each, so that two loads of one file can be compared.
#include <cstdio>
#include <string>
#include <string_view>

#include "standin/StandinDataset.h"

namespace dump {

// Bytes in hex; runs of 8 or more zero bytes (most of every block) as
// "(N zeros)", to keep the files small.
inline std::string Hex(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::string out;
    for (std::size_t i = 0; i < size;) {
        std::size_t zeros = 0;
        while (i + zeros < size && bytes[i + zeros] == 0) ++zeros;
        if (zeros >= 8) {
            out += "(" + std::to_string(zeros) + " zeros)";
            i += zeros;
            continue;
        }
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", bytes[i++]);
        out += pair;
    }
    return out;
}

inline void Rows(std::string& out, std::string_view name, const StandinRows& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        out += std::string(name) + "[" + std::to_string(i) + "] " + Hex(&rows[i], sizeof rows[i]) + "\n";
    }
}

}  // namespace dump

inline std::string DumpDataset(const StSTANDINDATASET& data) {
    std::string out = "currentUser " + dump::Hex(data.currentUser.data(), data.currentUser.size()) + "\n";
    for (const auto& user : data.users) {
        out += "user " + dump::Hex(user.userId.data(), user.userId.size()) + " " + std::to_string(user.selNo1) + " " +
               std::to_string(user.selNo2) + "\n";
    }
    for (const auto& folder : data.appFolders) {
        out += "appFolder " + (folder ? dump::Hex(folder->data(), folder->size()) : std::string("-")) + "\n";
    }
    for (const auto& c : data.companies) {
        out += "company " + dump::Hex(&c.info, sizeof c.info) + "\n";
        for (std::size_t t = 0; t < 2; ++t) {
            const std::string sum = std::to_string(t);
            dump::Rows(out, "blue" + sum + ".pl", c.blue[t].pl);
            dump::Rows(out, "blue" + sum + ".bsAssets", c.blue[t].bsAssets);
            dump::Rows(out, "blue" + sum + ".bsLiabilities", c.blue[t].bsLiabilities);
            dump::Rows(out, "white" + sum, c.white[t]);
        }
        dump::Rows(out, "manufacturing", c.manufacturing);
        out += "monthly " + dump::Hex(&c.monthly, sizeof c.monthly) + "\n";
        for (const auto& block : c.ippan) out += "ippan " + dump::Hex(block.data(), block.size()) + "\n";
        for (const auto& block : c.fudousan) out += "fudousan " + dump::Hex(block.data(), block.size()) + "\n";
        for (const auto& list : c.settingsLists) out += "list " + list.name + " " + std::to_string(list.rows) + "\n";
    }
    for (const auto& f : data.faults) {
        out += "fault " + std::to_string(static_cast<int>(f.op)) + " " +
               (f.sumType ? std::to_string(*f.sumType) : "-") + " " + (f.call ? std::to_string(*f.call) : "-") + " " +
               std::to_string(f.result) + "\n";
    }
    return out;
}
