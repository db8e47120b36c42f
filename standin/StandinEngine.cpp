#include "standin/StandinEngine.h"

#include <new>

#include "standin/StandinCore.h"
#include "standin/StandinRules.h"

VkStandinEngine::VkStandinEngine() : core_(std::make_unique<ClStandinCore>(std::nullopt, std::string())) {}

VkStandinEngine::VkStandinEngine(std::string json, std::string name)
    : core_(std::make_unique<ClStandinCore>(std::move(json), std::move(name))) {}

VkStandinEngine::~VkStandinEngine() = default;

void VkStandinEngine::RecordCalls(std::vector<std::string>* log) { core_->callLog = log; }

ClAccConnect* VkStandinEngine::AccConnect() { return &core_->accConnect; }
ClDataMgr* VkStandinEngine::DataMgr() { return &core_->dataMgr; }
ClLinkMgr* VkStandinEngine::LinkMgr() { return &core_->linkMgr; }
ClFileMgr* VkStandinEngine::FileMgr() { return &core_->fileMgr; }

std::unique_ptr<ClRuleAo> VkStandinEngine::NewRuleAo() {
    return std::unique_ptr<ClRuleAo>(new (std::nothrow) ClStandinRuleAo(*core_));
}

std::unique_ptr<ClRuleSiro> VkStandinEngine::NewRuleSiro() {
    return std::unique_ptr<ClRuleSiro>(new (std::nothrow) ClStandinRuleSiro(*core_));
}

std::unique_ptr<ClSaveAoSiro> VkStandinEngine::NewSaveAoSiro() {
    return std::unique_ptr<ClSaveAoSiro>(new (std::nothrow) ClStandinSaveAoSiro(*core_));
}

bool VkBindStandin() {
    try {
        static VkStandinEngine engine;
        VkBindEngine(&engine);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
