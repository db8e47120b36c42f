#include "standin/StandinEngine.h"

#include <new>

#include "standin/StandinCore.h"
#include "standin/StandinRules.h"

ClStandinEngine::ClStandinEngine() : core_(std::make_unique<ClStandinCore>(std::nullopt, std::string())) {}

ClStandinEngine::ClStandinEngine(std::string json, std::string name)
    : core_(std::make_unique<ClStandinCore>(std::move(json), std::move(name))) {}

ClStandinEngine::~ClStandinEngine() = default;

void ClStandinEngine::RecordCalls(std::vector<std::string>* log) { core_->callLog = log; }

ClAccConnect* ClStandinEngine::AccConnect() { return &core_->accConnect; }
ClDataMgr* ClStandinEngine::DataMgr() { return &core_->dataMgr; }
ClLinkMgr* ClStandinEngine::LinkMgr() { return &core_->linkMgr; }
ClFileMgr* ClStandinEngine::FileMgr() { return &core_->fileMgr; }

std::unique_ptr<ClRuleAo> ClStandinEngine::NewRuleAo() {
    return std::unique_ptr<ClRuleAo>(new (std::nothrow) ClStandinRuleAo(*core_));
}

std::unique_ptr<ClRuleSiro> ClStandinEngine::NewRuleSiro() {
    return std::unique_ptr<ClRuleSiro>(new (std::nothrow) ClStandinRuleSiro(*core_));
}

std::unique_ptr<ClSaveAoSiro> ClStandinEngine::NewSaveAoSiro() {
    return std::unique_ptr<ClSaveAoSiro>(new (std::nothrow) ClStandinSaveAoSiro(*core_));
}

bool VkBindStandin() {
    try {
        static ClStandinEngine engine;
        VkBindEngine(&engine);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
