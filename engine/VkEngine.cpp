#include "engine/VkEngine.h"

namespace {
ClEngineBinding* g_engine = nullptr;
}

void VkBindEngine(ClEngineBinding* binding) { g_engine = binding; }

ClAccConnect* ClAccConnect::Inst() { return g_engine ? g_engine->AccConnect() : nullptr; }
ClDataMgr* ClDataMgr::Inst() { return g_engine ? g_engine->DataMgr() : nullptr; }
ClLinkMgr* ClLinkMgr::Inst() { return g_engine ? g_engine->LinkMgr() : nullptr; }
ClFileMgr* ClFileMgr::Inst() { return g_engine ? g_engine->FileMgr() : nullptr; }

std::unique_ptr<ClRuleAo> ClRuleAo::Create() { return g_engine ? g_engine->NewRuleAo() : nullptr; }
std::unique_ptr<ClRuleSiro> ClRuleSiro::Create() { return g_engine ? g_engine->NewRuleSiro() : nullptr; }
std::unique_ptr<ClSaveAoSiro> ClSaveAoSiro::Create() { return g_engine ? g_engine->NewSaveAoSiro() : nullptr; }
