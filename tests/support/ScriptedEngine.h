#pragma once
// An engine double that delivers scripted rows and results, and logs every
// call the program makes, in order. Bind it with Bind(); the destructor unbinds.
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/VkEngine.h"
#include "platform/TaskMemory.h"

// One statement as the engine walks it.
struct StScriptedWalk {
    std::vector<StAOSUMINFO> rows;
    std::int32_t count = -1;       // what GetCount_* says; -1: the number of rows
    int errorAtCall = -1;          // 0 = the first call, 1 = the first next, ...
    std::int32_t errorCode = 9;
};

class ClScriptedEngine final : public VkEngineBinding {
public:
    // Keys: "AoPL0", "AoPL1", "AoBS_S0", "AoBS_S1", "AoBS_F0", "AoBS_F1", "AoSG",
    // "SiroPL0", "SiroPL1".
    std::map<std::string, StScriptedWalk> walks;
    std::int32_t aoReadyResult = VK_OK;
    std::int32_t siroReadyResult = VK_OK;
    std::int32_t tsukibetsuResult = VK_OK;
    std::int32_t ippanResult = VK_OK;
    std::int32_t fudousanResult = VK_OK;
    bool makeRuleAo = true, makeRuleSiro = true, makeSave = true;
    std::size_t ippanGeneralSize = 1024;
    bool logWalks = true;  // off for long walks
    StDATAINFO selected{};

    std::vector<std::string> log;

    ClScriptedEngine() {
        std::memcpy(selected.dataId, "DATA-0001", 10);
        VkBindEngine(this);
    }
    ~ClScriptedEngine() override { VkBindEngine(nullptr); }
    ClScriptedEngine(const ClScriptedEngine&) = delete;
    ClScriptedEngine& operator=(const ClScriptedEngine&) = delete;

    static StAOSUMINFO Row(std::int32_t rowCode, std::int32_t itemKey, std::int64_t amount = 0) {
        StAOSUMINFO row{};
        row.rowCode = rowCode;
        row.itemKey = itemKey;
        row.amount = amount;
        std::snprintf(row.kamokuName, sizeof row.kamokuName, "row%d", rowCode);
        return row;
    }

    // VkEngineBinding
    ClAccConnect* AccConnect() override { return nullptr; }
    ClDataMgr* DataMgr() override { return &dataMgr_; }
    ClLinkMgr* LinkMgr() override { return &linkMgr_; }
    ClFileMgr* FileMgr() override { return nullptr; }
    std::unique_ptr<ClRuleAo> NewRuleAo() override {
        log.push_back("Ao.Create");
        return makeRuleAo ? std::make_unique<RuleAo>(*this) : nullptr;
    }
    std::unique_ptr<ClRuleSiro> NewRuleSiro() override {
        log.push_back("Siro.Create");
        return makeRuleSiro ? std::make_unique<RuleSiro>(*this) : nullptr;
    }
    std::unique_ptr<ClSaveAoSiro> NewSaveAoSiro() override {
        log.push_back("Save.Create");
        return makeSave ? std::make_unique<Save>(*this) : nullptr;
    }

    ClSetMgr* setMgr() { return reinterpret_cast<ClSetMgr*>(&setMgrTag_); }
    ClOptLink* optLink() { return reinterpret_cast<ClOptLink*>(&optLinkTag_); }

private:
    // A walk in progress: the next row to deliver and the calls made.
    struct StCursor {
        std::size_t next = 0;
        int calls = 0;
    };

    std::int32_t Count(const std::string& key) {
        Log(key + ".Count");
        const StScriptedWalk& w = walks[key];
        return w.count >= 0 ? w.count : static_cast<std::int32_t>(w.rows.size());
    }
    std::int32_t Move(const std::string& key, bool first, StAOSUMINFO* row) {
        if (logWalks) log.push_back(key + (first ? ".First" : ".Next"));
        StCursor& c = cursors_[key];
        if (first) c = {};
        const StScriptedWalk& w = walks[key];
        if (c.calls++ == w.errorAtCall) return w.errorCode;
        if (c.next >= w.rows.size()) return VK_END_OF_WALK;
        *row = w.rows[c.next++];
        return VK_OK;
    }
    void Log(std::string entry) { log.push_back(std::move(entry)); }

    template <typename Base>
    struct Attached : Base {
        explicit Attached(ClScriptedEngine& e, const char* name) : engine(e), prefix(name) {}
        ~Attached() override { engine.Log(prefix + ".Delete"); }
        Attached(const Attached&) = delete;
        Attached& operator=(const Attached&) = delete;
        void AttachSetMgr(ClSetMgr* m) override {
            engine.Log(prefix + (m == engine.setMgr() ? ".AttachSetMgr" : ".AttachSetMgr?"));
        }
        void SetCurDataID(const char* id) override { engine.Log(prefix + ".SetCurDataID " + id); }
        ClScriptedEngine& engine;
        std::string prefix;
    };

    struct RuleAo final : Attached<ClRuleAo> {
        explicit RuleAo(ClScriptedEngine& e) : Attached(e, "Ao") {}
        void AttachOptLink(ClOptLink* l) override {
            engine.Log(l == engine.optLink() ? "Ao.AttachOptLink" : "Ao.AttachOptLink?");
        }
        std::int32_t Ready(const StAOSUMCONDITION* c) override {
            const bool expected = c && c->kind == 255 && !c->reserved1[0] && !c->reserved1[1] &&
                                  !c->reserved1[2] && !c->value1 && !c->value2 && !c->value3;
            engine.Log(expected ? "Ao.Ready" : "Ao.Ready?");
            return engine.aoReadyResult;
        }
        std::int32_t GetCount_PL(std::int32_t t) override { return engine.Count(Key("AoPL", t)); }
        std::int32_t GetCount_BS_Shisan(std::int32_t t) override {
            return engine.Count(Key("AoBS_S", t));
        }
        std::int32_t GetCount_BS_FusaiShihon(std::int32_t t) override {
            return engine.Count(Key("AoBS_F", t));
        }
        std::int32_t GetCount_SeizoGenka() override { return engine.Count("AoSG"); }
        std::int32_t MoveFirst_PL(std::int32_t t, StAOSUMINFO* r) override {
            return engine.Move(Key("AoPL", t), true, r);
        }
        std::int32_t MoveNext_PL(std::int32_t t, StAOSUMINFO* r) override {
            return engine.Move(Key("AoPL", t), false, r);
        }
        std::int32_t MoveFirst_BS_Shisan(std::int32_t t, StAOSUMINFO* r) override {
            return engine.Move(Key("AoBS_S", t), true, r);
        }
        std::int32_t MoveNext_BS_Shisan(std::int32_t t, StAOSUMINFO* r) override {
            return engine.Move(Key("AoBS_S", t), false, r);
        }
        std::int32_t MoveFirst_BS_FusaiShihon(std::int32_t t, StAOSUMINFO* r) override {
            return engine.Move(Key("AoBS_F", t), true, r);
        }
        std::int32_t MoveNext_BS_FusaiShihon(std::int32_t t, StAOSUMINFO* r) override {
            return engine.Move(Key("AoBS_F", t), false, r);
        }
        std::int32_t MoveFirst_SeizoGenka(StAOSUMINFO* r) override {
            return engine.Move("AoSG", true, r);
        }
        std::int32_t MoveNext_SeizoGenka(StAOSUMINFO* r) override {
            return engine.Move("AoSG", false, r);
        }
        std::int32_t GetTsukibetsuUriageShiire(StAOSUMINFO_TSUKIBETSU* m) override {
            engine.Log("Ao.GetTsukibetsuUriageShiire");
            if (engine.tsukibetsuResult == VK_OK) m->slots[0] = 120000;
            return engine.tsukibetsuResult;
        }
    };

    struct RuleSiro final : Attached<ClRuleSiro> {
        explicit RuleSiro(ClScriptedEngine& e) : Attached(e, "Siro") {}
        void AttachOptLink(ClOptLink* l) override {
            engine.Log(l == engine.optLink() ? "Siro.AttachOptLink" : "Siro.AttachOptLink?");
        }
        std::int32_t Ready() override {
            engine.Log("Siro.Ready");
            return engine.siroReadyResult;
        }
        std::int32_t GetCount_PL(std::int32_t t) override {
            return engine.Count(Key("SiroPL", t));
        }
        std::int32_t MoveFirst_PL(std::int32_t t, StSIROSUMINFO* r) override {
            return engine.Move(Key("SiroPL", t), true, r);
        }
        std::int32_t MoveNext_PL(std::int32_t t, StSIROSUMINFO* r) override {
            return engine.Move(Key("SiroPL", t), false, r);
        }
    };

    struct Save final : Attached<ClSaveAoSiro> {
        explicit Save(ClScriptedEngine& e) : Attached(e, "Save") {}
        std::int32_t GetDataIppan(StAOSIROSAVEINFO_IPPAN* ippan) override {
            engine.Log("Save.GetDataIppan");
            // Blocks come from task memory, as the engine's do; the model's
            // release frees them.
            ippan->generalBlock = TaskMemAlloc(engine.ippanGeneralSize);
            return engine.ippanResult;
        }
        std::int32_t GetDataFudousan(StAOSIROSAVEINFO_FUDOUSAN* fudousan) override {
            engine.Log("Save.GetDataFudousan");
            fudousan->generalBlock = TaskMemAlloc(1024);
            return engine.fudousanResult;
        }
    };

    static std::string Key(const char* family, std::int32_t sumType) {
        return family + std::to_string(sumType);
    }

    struct ScriptedDataMgr final : ClDataMgr {
        explicit ScriptedDataMgr(ClScriptedEngine& e) : engine(e) {}
        ClSetData* GetSetObject(std::int32_t kind, std::int32_t mode) override {
            return kind == 5 && mode == 1 ? &engine.setData_ : nullptr;
        }
        ClSysUser* GetSysUserObject() override { return nullptr; }
        ClSetMgr* GetSetMgr() override { return engine.setMgr(); }
        ClScriptedEngine& engine;
    };
    struct SetData final : ClSetData {
        explicit SetData(ClScriptedEngine& e) : engine(e) {}
        std::int32_t GetDatCursor(std::int32_t*) override { return 1; }
        std::int32_t ReadyDat(std::int32_t, std::int32_t) override { return 1; }
        std::int32_t WalkDat(StDATAINFO*, std::int32_t) override { return 1; }
        std::int32_t ReleaseDatCursor(std::int32_t) override { return 0; }
        const StDATAINFO* GetSelectedInfo() override { return &engine.selected; }
        ClScriptedEngine& engine;
    };
    struct ScriptedLinkMgr final : ClLinkMgr {
        explicit ScriptedLinkMgr(ClScriptedEngine& e) : engine(e) {}
        ClOptLink* GetOptLink() override { return engine.optLink(); }
        ClScriptedEngine& engine;
    };

    ScriptedDataMgr dataMgr_{*this};
    SetData setData_{*this};
    ScriptedLinkMgr linkMgr_{*this};
    std::map<std::string, StCursor> cursors_;
    int setMgrTag_ = 0;
    int optLinkTag_ = 0;
};
