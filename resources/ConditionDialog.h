#pragma once
// The texts of the conditions dialog, resource 130, for windows that are
// not built from the resource template.
#include "resources/ResourceIds.h"

namespace dlg130 {
inline constexpr char kCaption[] = "所得税 - 集計条件";
inline constexpr char kCompanyLabel[] = "事業所名";
inline constexpr char kPeriodLabel[] = "会計期間";
inline constexpr char kSeizoLabel[] = "製造原価";
inline constexpr char kColon[] = "：";
inline constexpr char kCategoryGroup[] = "事業区分";
inline constexpr char kOutputGroup[] = "出力先(&F)";
inline constexpr char kBrowseButton[] = "参照(&D)...";
inline constexpr char kExecuteButton[] = "実行(F12)";
inline constexpr char kCancelButton[] = "キャンセル(Esc)";

// The category radios in tab order; (&1) to (&3) are their keys.
struct StRADIO {
    int id;
    const char* text;
};
inline constexpr StRADIO kRadios[] = {
    {IDC_BUSINESS_RADIO, "営業所得用（一般用）(&1)"},
    {IDC_OTHER_RADIO, "その他所得用（一般用）(&2)"},
    {IDC_REAL_ESTATE_RADIO, "不動産所得用(&3)"},
};
}  // namespace dlg130
