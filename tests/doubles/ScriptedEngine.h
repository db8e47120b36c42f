#pragma once
// An engine double that delivers scripted rows and results, and logs every
// call the program makes, in order. Bound while it lives.
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/VkEngine.h"
#include "services/TaskMemory.h"

// One statement as the engine walks it, under its key: "AoPL0", "AoPL1", "AoBS_S0", "AoBS_S1",
// "AoBS_F0", "AoBS_F1", "AoSG", "SiroPL0" or "SiroPL1".
struct StScriptedWalk {
    std::vector<StAOSUMINFO> rows;
    std::optional<std::int32_t> count = std::nullopt;  // what GetCount_* says; none: the number of rows
    int errorAtCall = -1;     // 0 = the first call, 1 = the first next, ...
    std::int32_t errorCode = 9;
    int call = -1;  // the walk in progress: its last call
};

inline StAOSUMINFO SumRow(std::int32_t rowCode, std::int32_t itemKey, std::int64_t amount = 0) {
    return {rowCode, itemKey, {}, 0, amount, {}};
}

class ClScriptedEngine final : public VkEngineBinding, ClDataMgr, ClLinkMgr, ClSetData {
public:
    std::map<std::string, StScriptedWalk> walks;
    // Results by call, as "Ao.Ready"; VK_OK unless set. A "....Create" set makes no object.
    std::map<std::string, std::int32_t> results;
    std::size_t ippanGeneralSize = 1024;
    bool logWalks = true;  // off for long walks
    std::vector<std::string> log;

    ClScriptedEngine() {
        std::memcpy(selected_.dataId, "DATA-0001", 10);
        VkBindEngine(this);
    }
    ~ClScriptedEngine() override { VkBindEngine(nullptr); }
    ClScriptedEngine(const ClScriptedEngine&) = delete;
    ClScriptedEngine& operator=(const ClScriptedEngine&) = delete;

    // VkEngineBinding
    ClAccConnect* AccConnect() override { return nullptr; }
    ClDataMgr* DataMgr() override { return this; }
    ClLinkMgr* LinkMgr() override { return this; }
    ClFileMgr* FileMgr() override { return nullptr; }
    std::unique_ptr<ClRuleAo> NewRuleAo() override { return Make<RuleAo>("Ao"); }
    std::unique_ptr<ClRuleSiro> NewRuleSiro() override { return Make<RuleSiro>("Siro"); }
    std::unique_ptr<ClSaveAoSiro> NewSaveAoSiro() override { return Make<Save>("Save"); }

private:
    using Info = StAOSUMINFO;

    template <typename T>
    std::unique_ptr<T> Make(const std::string& prefix) {
        log.push_back(prefix + ".Create");
        return results[prefix + ".Create"] ? nullptr : std::make_unique<T>(*this, prefix);
    }
    std::int32_t Count(const std::string& key) {
        log.push_back(key + ".Count");
        const StScriptedWalk& w = walks[key];
        return w.count.value_or(static_cast<std::int32_t>(w.rows.size()));
    }
    std::int32_t Move(const std::string& key, bool first, Info* row) {
        if (logWalks) log.push_back(key + (first ? ".First" : ".Next"));
        StScriptedWalk& w = walks[key];
        const int call = w.call = first ? 0 : w.call + 1;
        if (call == w.errorAtCall) return w.errorCode;
        if (call >= static_cast<int>(w.rows.size())) return VK_END_OF_WALK;
        *row = w.rows[static_cast<std::size_t>(call)];
        return VK_OK;
    }

    // An engine object: logs its calls under its prefix, and whether the
    // handles passed to it are the engine's own.
    template <typename Base>
    struct Attached : Base {
        Attached(ClScriptedEngine& e, std::string name) : engine(e), prefix(std::move(name)) {}
        ~Attached() override { Call(".Delete"); }
        // Logs the call, with "?" when given what the engine does not expect,
        // and gives its scripted result.
        std::int32_t Call(const std::string& call, bool expected = true) {
            engine.log.push_back(prefix + call + (expected ? "" : "?"));
            return engine.results[prefix + call];
        }
        void AttachSetMgr(ClSetMgr* m) override { Call(".AttachSetMgr", m == engine.GetSetMgr()); }
        void CallOptLink(ClOptLink* l) { Call(".AttachOptLink", l == engine.GetOptLink()); }
        void SetCurDataID(const char* id) override { Call(std::string(".SetCurDataID ") + id); }
        int Count(const char* family, int t) { return engine.Count(family + std::to_string(t)); }
        int Move(const char* family, int t, bool first, Info* r) {
            return engine.Move(family + std::to_string(t), first, r);
        }
        ClScriptedEngine& engine;
        std::string prefix;
    };

    struct RuleAo final : Attached<ClRuleAo> {
        using Attached::Attached;
        void AttachOptLink(ClOptLink* l) override { CallOptLink(l); }
        std::int32_t Ready(const StAOSUMCONDITION* c) override {
            const StAOSUMCONDITION only{255, {}, 0, 0, 0};
            return Call(".Ready", c && !std::memcmp(c, &only, sizeof only));
        }
        int GetCount_PL(int t) override { return Count("AoPL", t); }
        int GetCount_BS_Shisan(int t) override { return Count("AoBS_S", t); }
        int GetCount_BS_FusaiShihon(int t) override { return Count("AoBS_F", t); }
        int GetCount_SeizoGenka() override { return engine.Count("AoSG"); }
        int MoveFirst_PL(int t, Info* r) override { return Move("AoPL", t, true, r); }
        int MoveNext_PL(int t, Info* r) override { return Move("AoPL", t, false, r); }
        int MoveFirst_BS_Shisan(int t, Info* r) override { return Move("AoBS_S", t, true, r); }
        int MoveNext_BS_Shisan(int t, Info* r) override { return Move("AoBS_S", t, false, r); }
        int MoveFirst_BS_FusaiShihon(int t, Info* r) override { return Move("AoBS_F", t, true, r); }
        int MoveNext_BS_FusaiShihon(int t, Info* r) override { return Move("AoBS_F", t, false, r); }
        int MoveFirst_SeizoGenka(Info* r) override { return engine.Move("AoSG", true, r); }
        int MoveNext_SeizoGenka(Info* r) override { return engine.Move("AoSG", false, r); }
        std::int32_t GetTsukibetsuUriageShiire(StAOSUMINFO_TSUKIBETSU* m) override {
            m->slots[0] = 120000;
            return Call(".GetTsukibetsuUriageShiire");
        }
    };

    struct RuleSiro final : Attached<ClRuleSiro> {
        using Attached::Attached;
        void AttachOptLink(ClOptLink* l) override { CallOptLink(l); }
        std::int32_t Ready() override { return Call(".Ready"); }
        int GetCount_PL(int t) override { return Count("SiroPL", t); }
        int MoveFirst_PL(int t, Info* r) override { return Move("SiroPL", t, true, r); }
        int MoveNext_PL(int t, Info* r) override { return Move("SiroPL", t, false, r); }
    };

    // Blocks come from task memory, as the engine's do; the model's release frees them.
    struct Save final : Attached<ClSaveAoSiro> {
        using Attached::Attached;
        std::int32_t GetDataIppan(StAOSIROSAVEINFO_IPPAN* ippan) override {
            ippan->generalBlock = TaskMemAlloc(engine.ippanGeneralSize);
            return Call(".GetDataIppan");
        }
        std::int32_t GetDataFudousan(StAOSIROSAVEINFO_FUDOUSAN* fudousan) override {
            fudousan->generalBlock = TaskMemAlloc(1024);
            return Call(".GetDataFudousan");
        }
    };

    // ClDataMgr, ClSetData and ClLinkMgr: the selected data and two handles.
    ClSetData* GetSetObject(std::int32_t kind, std::int32_t mode) override {
        return kind == 5 && mode == 1 ? this : nullptr;
    }
    ClSysUser* GetSysUserObject() override { return nullptr; }
    ClSetMgr* GetSetMgr() override { return reinterpret_cast<ClSetMgr*>(&setMgrTag_); }
    std::int32_t GetDatCursor(std::int32_t*) override { return 1; }
    std::int32_t ReadyDat(std::int32_t, std::int32_t) override { return 1; }
    std::int32_t WalkDat(StDATAINFO*, std::int32_t) override { return 1; }
    std::int32_t ReleaseDatCursor(std::int32_t) override { return 0; }
    const StDATAINFO* GetSelectedInfo() override { return &selected_; }
    ClOptLink* GetOptLink() override { return reinterpret_cast<ClOptLink*>(&optLinkTag_); }

    StDATAINFO selected_{};
    int setMgrTag_ = 0, optLinkTag_ = 0;
};
