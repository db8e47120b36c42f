#pragma once
// The stand-in accounting engine: behaves like the closed engine at its
// interface (operations, calling order, result codes, records) and takes its
// content from an engine data set (JSON). The data set is read when the
// connection is opened (ClAccConnect::Initiate): the file that VK_DATASET
// names, or else the demo data set built into the program.
#include <memory>
#include <string>
#include <vector>

#include "engine/VkEngine.h"

// What the stand-in answers when a call comes out of order, with an argument
// it refuses, or when the data set cannot be loaded.
constexpr std::int32_t kStandinRefused = -1;

// The name the stand-in gives the income-tax package in its messages
// (Shift_JIS), in place of the token "ES_APRPACKAGENAME".
extern const char* const kStandinPackageName;

class ClStandinCore;

class ClStandinEngine final : public ClEngineBinding {
public:
    // The data set from VK_DATASET, or the built-in demo.
    ClStandinEngine();
    // The data set from JSON text (UTF-8); name is how messages call it.
    ClStandinEngine(std::string json, std::string name);
    ~ClStandinEngine() override;
    ClStandinEngine(const ClStandinEngine&) = delete;
    ClStandinEngine& operator=(const ClStandinEngine&) = delete;

    // Keeps every call the program makes in log, in order, as "ClRuleAo::MoveNext_PL 0"
    // (with its sum type, kind or application type); null: none kept.
    void RecordCalls(std::vector<std::string>* log);

    ClAccConnect* AccConnect() override;
    ClDataMgr* DataMgr() override;
    ClLinkMgr* LinkMgr() override;
    ClFileMgr* FileMgr() override;
    std::unique_ptr<ClRuleAo> NewRuleAo() override;
    std::unique_ptr<ClRuleSiro> NewRuleSiro() override;
    std::unique_ptr<ClSaveAoSiro> NewSaveAoSiro() override;

private:
    std::unique_ptr<ClStandinCore> core_;
};

// Makes a process-wide stand-in engine the one the program calls. The
// program's main calls it once; tests bind their own engines instead.
bool VkBindStandin();
