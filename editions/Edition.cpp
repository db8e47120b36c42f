#include "editions/Edition.h"

#include "engine/VkEngine.h"

const StEDITION kOrbek17Plus = {"Orbek17Plus", ClSysEnvMgr::AppTypePro, "Varnoke１７ PRO", "Orbek17Plus.env"};
const StEDITION kOrbek17Base = {"Orbek17Base", ClSysEnvMgr::AppTypeStandard, "Varnoke１７", "Orbek17Base.env"};
