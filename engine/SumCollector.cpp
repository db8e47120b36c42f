#include "engine/SumCollector.h"

#include <cstring>
#include <new>

#include "engine/SaveBlocks.h"

namespace {

constexpr std::int32_t kFudousanRow21 = 21;

// The selected company data of the engine, which every summary object is
// keyed by.
const StDATAINFO* SelectedData(ClDataMgr& dataMgr) {
    ClSetData* set = dataMgr.GetSetObject(kSetKindCompanyData, kSetModeSelected);
    return set ? set->GetSelectedInfo() : nullptr;
}

// Creates an engine object and attaches it to the selected data; null when
// the engine cannot make it or has no selected data.
template <typename T, bool withOptLink>
std::unique_ptr<T> CreateAttached() {
    std::unique_ptr<T> object;
    try {
        object = T::Create();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    ClDataMgr* dataMgr = ClDataMgr::Inst();
    if (!object || !dataMgr) return nullptr;
    object->AttachSetMgr(dataMgr->GetSetMgr());
    const StDATAINFO* selected = SelectedData(*dataMgr);
    if (!selected) return nullptr;
    // The field need not hold a terminator when the identifier fills it.
    char dataId[sizeof selected->dataId + 1] = {};
    std::memcpy(dataId, selected->dataId, sizeof selected->dataId);
    object->SetCurDataID(dataId);
    if constexpr (withOptLink) {
        ClLinkMgr* linkMgr = ClLinkMgr::Inst();
        object->AttachOptLink(linkMgr ? linkMgr->GetOptLink() : nullptr);
    }
    return object;
}

bool WalkResultOk(std::int32_t result) { return result == VK_OK || result == VK_END_OF_WALK; }

}  // namespace

ClSumCollector::~ClSumCollector() = default;

void ClSumCollector::SetModel(SumList* sumList, StAOSUMINFO_TSUKIBETSU* tsukibetsu, StAOSIROSAVEINFO_IPPAN* ippan,
                              StAOSIROSAVEINFO_FUDOUSAN* fudousan) {
    sumList_ = sumList;
    tsukibetsu_ = tsukibetsu;
    ippan_ = ippan;
    fudousan_ = fudousan;
}

bool ClSumCollector::Collect(const StDATAINFO& data, std::int16_t incomeKind) {
    if (!sumList_ || !tsukibetsu_ || !ippan_ || !fudousan_) return false;
    if (!ReadIppan() || !ReadFudousan()) return false;
    const bool ippanKind = incomeKind == kIncomeBusiness || incomeKind == kIncomeOther;
    const bool fudousanKind = incomeKind == kIncomeRealEstate;
    // Any failing pass fails the collection: a report from a short model
    // would carry wrong figures. The monthly record and the row 21 amount
    // rely on the prepared blue rule and are not asked for after a failure.
    switch (data.aoSiroKind) {
        case kBlueReturn:
            if (ippanKind) {
                return SumAoIppan() && SumAoTsukibetsu() && (data.jigyouKind != kJigyouBoth || PickAoFudousanAmount());
            }
            return !fudousanKind || SumAoFudousan();
        case kWhiteReturn:
            if (ippanKind) return SumSiroIppan();
            return !fudousanKind || SumSiroFudousan();
        default:
            return false;
    }
}

bool ClSumCollector::ReadIppan() {
    ClSaveAoSiro* save = SaveObject();
    return save && ippan_ && save->GetDataIppan(ippan_) == VK_OK;
}

bool ClSumCollector::ReadFudousan() {
    ClSaveAoSiro* save = SaveObject();
    return save && fudousan_ && save->GetDataFudousan(fudousan_) == VK_OK;
}

bool ClSumCollector::SumAoIppan() { return SumAo(RuleAoSumIppan); }

bool ClSumCollector::SumAoFudousan() { return SumAo(RuleAoSumFudousan); }

bool ClSumCollector::SumSiroIppan() {
    static constexpr StKEYADJUST kProfit{37, 998};
    return SumSiro(RuleSiroSumIppan, kProfit);
}

bool ClSumCollector::SumSiroFudousan() {
    static constexpr StKEYADJUST kProfit{19, 998};
    return SumSiro(RuleSiroSumFudousan, kProfit);
}

bool ClSumCollector::SumAoTsukibetsu() {
    ClRuleAo* rule = nullptr;
    if (!PrepareAo(rule) || !tsukibetsu_) return false;
    return rule->GetTsukibetsuUriageShiire(tsukibetsu_) == VK_OK;
}

bool ClSumCollector::PickAoFudousanAmount() {
    ClRuleAo* rule = nullptr;
    if (!PrepareAo(rule) || !ippan_) return false;
    const std::int32_t count = rule->GetCount_PL(RuleAoSumFudousan);
    if (count < 0) return false;
    StAOSUMINFO work{};
    std::int32_t result = rule->MoveFirst_PL(RuleAoSumFudousan, &work);
    if (!WalkResultOk(result)) return false;
    for (std::int32_t i = 0; i < count && result == VK_OK; ++i) {
        Pulse();
        if (work.rowCode == kFudousanRow21) {
            // A general block too small for the field cannot take the amount.
            return StoreAmount(ippan_->generalBlock, savelayout::ippanGeneral::kFudousanRow21Amount, work.amount);
        }
        result = rule->MoveNext_PL(RuleAoSumFudousan, &work);
    }
    return WalkResultOk(result);
}

bool ClSumCollector::SumAo(std::int32_t sumType) {
    ClRuleAo* rule = BlueRule();
    if (!rule) return false;
    Advance(100, 300);
    if (!ReadyAo(*rule)) return false;
    Advance(300, 400);

    static constexpr StKEYADJUST kProfitRow1{1, 101};
    static constexpr StKEYADJUST kLiabilityRow24{24, 999};
    const bool ippan = sumType == RuleAoSumIppan;
    const std::int32_t profitCount = rule->GetCount_PL(sumType);
    const std::int32_t assetCount = rule->GetCount_BS_Shisan(sumType);
    const std::int32_t liabilityCount = rule->GetCount_BS_FusaiShihon(sumType);
    const std::int32_t seizoCount = ippan ? rule->GetCount_SeizoGenka() : 0;

    const bool walked =
        WalkRows(
            profitCount, [&](StAOSUMINFO* row) { return rule->MoveFirst_PL(sumType, row); },
            [&](StAOSUMINFO* row) { return rule->MoveNext_PL(sumType, row); }, ippan ? &kProfitRow1 : nullptr) &&
        WalkRows(
            assetCount, [&](StAOSUMINFO* row) { return rule->MoveFirst_BS_Shisan(sumType, row); },
            [&](StAOSUMINFO* row) { return rule->MoveNext_BS_Shisan(sumType, row); }, nullptr) &&
        WalkRows(
            liabilityCount, [&](StAOSUMINFO* row) { return rule->MoveFirst_BS_FusaiShihon(sumType, row); },
            [&](StAOSUMINFO* row) { return rule->MoveNext_BS_FusaiShihon(sumType, row); }, &kLiabilityRow24) &&
        (!ippan || WalkRows(
                       seizoCount, [&](StAOSUMINFO* row) { return rule->MoveFirst_SeizoGenka(row); },
                       [&](StAOSUMINFO* row) { return rule->MoveNext_SeizoGenka(row); }, nullptr));
    if (!walked) return false;
    Advance(400, 500);
    return true;
}

bool ClSumCollector::SumSiro(std::int32_t sumType, const StKEYADJUST& adjust) {
    ClRuleSiro* rule = WhiteRule();
    if (!rule) return false;
    Advance(100, 300);
    if (rule->Ready() != VK_OK) return false;
    Advance(300, 400);
    const std::int32_t count = rule->GetCount_PL(sumType);
    const bool walked = WalkRows(
        count, [&](StSIROSUMINFO* row) { return rule->MoveFirst_PL(sumType, row); },
        [&](StSIROSUMINFO* row) { return rule->MoveNext_PL(sumType, row); }, &adjust);
    if (!walked) return false;
    Advance(400, 500);
    return true;
}

// Appends the rows the engine delivers, at most count of them; a walk that
// ends early with the end code is no failure. A row is only
// appended when the engine delivered it: a walk whose first call ends it
// appends nothing, whatever the count said.
template <typename First, typename Next>
bool ClSumCollector::WalkRows(std::int32_t count, First first, Next next, const StKEYADJUST* adjust) {
    if (!sumList_ || count < 0) return false;  // a count below zero is the engine's failure
    StAOSUMINFO work{};
    std::int32_t result = first(&work);
    if (!WalkResultOk(result)) return false;
    for (std::int32_t i = 0; i < count && result == VK_OK; ++i) {
        Pulse();
        if (adjust && work.rowCode == adjust->rowCode) work.itemKey = adjust->itemKey;
        try {
            sumList_->push_back(work);
        } catch (const std::bad_alloc&) {
            return false;
        }
        result = next(&work);
    }
    return WalkResultOk(result);
}

bool ClSumCollector::ReadyAo(ClRuleAo& rule) {
    // The only condition this program asks for: byte 0 = 255, the rest 0.
    StAOSUMCONDITION condition{};
    condition.kind = 255;
    if (rule.Ready(&condition) != VK_OK) return false;
    aoReady_ = 1;
    return true;
}

// The blue rule, made ready unless an earlier pass did so.
bool ClSumCollector::PrepareAo(ClRuleAo*& rule) {
    rule = BlueRule();
    return rule && (aoReady_ != 0 || ReadyAo(*rule));
}

ClRuleAo* ClSumCollector::BlueRule() {
    if (!ruleAo_) ruleAo_ = CreateAttached<ClRuleAo, true>();
    return ruleAo_.get();
}

ClRuleSiro* ClSumCollector::WhiteRule() {
    if (!ruleSiro_) ruleSiro_ = CreateAttached<ClRuleSiro, true>();
    return ruleSiro_.get();
}

ClSaveAoSiro* ClSumCollector::SaveObject() {
    if (!saveAoSiro_) saveAoSiro_ = CreateAttached<ClSaveAoSiro, false>();
    return saveAoSiro_.get();
}

void ClSumCollector::Advance(std::int16_t from, std::int16_t to) {
    if (progress_) progress_->Advance(from, to);
}

void ClSumCollector::Pulse() {
    if (progress_) progress_->Pulse();
}
