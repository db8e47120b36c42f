#include "examine/Labels.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace {
using K = EnValueKind;

struct StLABELROW {
    const char* name;
    const char* label;
    EnValueKind kind;
    const char* title;  // heading when the element is also a section, else null
};

// Sorted by name (checked once at first use).
constexpr StLABELROW kLabels[] = {
    {"AOIROKOUJO", "青色申告特別控除額の計算", K::Container, "青色申告特別控除額の計算"},
    {"AOIROKOUJOMAESYOTOKU", "青色申告特別控除前の所得金額", K::Amount, nullptr},
    {"AOIROKOUJO_KOUJYOGAKU", "青色申告特別控除額（65万円）", K::Amount, nullptr},
    {"AOIROKOUJO_SENTAKU", "控除の区分（1=65万円 2=10万円）", K::Code, nullptr},
    {"AOSIROKUBUN", "申告の種類", K::Code, nullptr},
    {"AZUKARIKIN", "預り金", K::Amount, nullptr},
    {"BASIC", "基本情報", K::Container, nullptr},
    {"CHUUSYAJOU_AOZORA", "駐車場（青空）", K::Count, nullptr},
    {"CHUUSYAJOU_YANETUKI", "駐車場（屋根付）", K::Count, nullptr},
    {"CONNECTEDPROGRAMVER", "連動プログラムの版", K::Text, nullptr},
    {"DATA", "申告データ", K::Container, nullptr},
    {"DENNRYOKUHI", "電力費", K::Amount, nullptr},
    {"EIGYOUSYOTOKU", "営業所得用（一般用）", K::Container, nullptr},
    {"FUDOUSANSYOTOKU", "不動産所得の金額", K::Amount, "不動産所得用"},
    {"FUDOUSANSYUUNYUU", "不動産所得の収入の内訳", K::Container, "不動産所得の収入の内訳"},
    {"FUDOUSAN_UTIWAKE", "不動産所得の収入", K::Container, nullptr},
    {"FUKURIKOUSEIHI", "福利厚生費", K::Amount, nullptr},
    {"FUNCTIONID", "機能番号", K::Count, nullptr},
    {"FUSAIRISIGAKU", "負債の利子", K::Amount, nullptr},
    {"FUSAISIHON_YOBI", "負債・資本（予備）", K::Amount, nullptr},
    {"FUTUUYOKIN", "普通預金", K::Amount, nullptr},
    {"GAICHUUKOUTIN", "外注工賃", K::Amount, nullptr},
    {"GENKASHOUKYAKUHI", "減価償却費", K::Amount, nullptr},
    {"GENKASYOUKYAKUHI", "減価償却費", K::Amount, nullptr},
    {"GENKIN", "現金", K::Amount, nullptr},
    {"GENSENZEIGAKU", "源泉徴収税額", K::Amount, nullptr},
    {"GENZAIRYOUSIIREDAKA", "原材料仕入高", K::Amount, nullptr},
    {"GYOUMUPREFIX", "業務区分", K::Text, nullptr},
    {"HITUYOUKEIHIGAKU", "必要経費算入額", K::Amount, nullptr},
    {"HITUYOUKEIHI_YOBI", "必要経費（予備）", K::Amount, nullptr},
    {"HOSYOUKIN_SIKIKIN", "保証金・敷金", K::Amount, nullptr},
    {"HOUSYUU_KINGAKU", "報酬等の金額", K::Amount, nullptr},
    {"IKKATU_KURIIREGAKU", "一括評価による繰入額", K::Amount, nullptr},
    {"IKKATU_KURIIREGENDOGAKU", "一括評価による繰入限度額", K::Amount, nullptr},
    {"IKKATU_KURIIREGOUKEIGAKU", "一括評価の対象となる貸金の合計額", K::Amount, nullptr},
    {"IKKATU_KURIIRERITU", "繰入率の区分", K::Code, nullptr},
    {"JIGYOUNENDOFROM", "事業年度（自）", K::Date, nullptr},
    {"JIGYOUNENDOTO", "事業年度（至）", K::Date, nullptr},
    {"JIGYOUNUSIKARI", "事業主借", K::Amount, nullptr},
    {"JIGYOUNUSIKASI", "事業主貸", K::Amount, nullptr},
    {"JOUKIIGAI_KOUJYOGAKU", "青色申告特別控除額（10万円）", K::Amount, nullptr},
    {"JOUKIIGAI_SIIRESAKIKEI", "上記以外の仕入先の計", K::Amount, nullptr},
    {"JOUKIIGAI_URIAGESAKIKEI", "上記以外の売上先の計", K::Amount, nullptr},
    {"JUUJITUKISUU", "従事月数", K::Count, nullptr},
    {"JUUSYO_SIMEI_", "住所・氏名 ", K::Text, nullptr},
    {"JUUSYO_SIMEI_GEDAN", "住所・氏名（下段）", K::Text, nullptr},
    {"JUUSYO_SIMEI_JOUDAN", "住所・氏名（上段）", K::Text, nullptr},
    {"JUUTAKUIGAI_TATEMONO_IKKODATE", "住宅用以外 建物（一戸建）", K::Count, nullptr},
    {"JUUTAKUIGAI_TATEMONO_IKKODATEIGAI", "住宅用以外 建物（一戸建以外）", K::Count, nullptr},
    {"JUUTAKUIGAI_TOTI_KEIYAKU", "住宅用以外 土地（契約件数）", K::Count, nullptr},
    {"JUUTAKUIGAI_TOTI_SOUMENSEKI", "住宅用以外 土地（総面積 ㎡）", K::Area, nullptr},
    {"JUUTAKU_TATEMONO_IKKODATE", "住宅用 建物（一戸建）", K::Count, nullptr},
    {"JUUTAKU_TATEMONO_IKKODATEIGAI", "住宅用 建物（一戸建以外）", K::Count, nullptr},
    {"JUUTAKU_TOTI_KEIYAKU", "住宅用 土地（契約件数）", K::Count, nullptr},
    {"JUUTAKU_TOTI_SOUMENSEKI", "住宅用 土地（総面積 ㎡）", K::Area, nullptr},
    {"KAIKAKEKIN", "買掛金", K::Amount, nullptr},
    {"KAJISYOUHI", "家事消費等", K::Amount, nullptr},
    {"KANYUUDANTAIMEI", "加入団体名", K::Text, nullptr},
    {"KARIIREKINRISI", "借入金利子", K::Amount, "借入金利子の内訳"},
    {"KARIIREKIN_KINGAKU", "借入金の金額", K::Amount, nullptr},
    {"KARIIRE_UTIWAKE", "借入金利子", K::Container, nullptr},
    {"KASIDAOREHIKIATEKIN", "貸倒引当金", K::Amount, nullptr},
    {"KASIDAOREKIN", "貸倒金", K::Amount, nullptr},
    {"KASIDAOREKURIIRE", "貸倒引当金繰入額の計算", K::Container, "貸倒引当金繰入額の計算"},
    {"KASITUKEFUDOUSAN", "貸付不動産", K::Container, "貸付不動産の件数と面積"},
    {"KASITUKEKIN", "貸付金", K::Amount, nullptr},
    {"KASITUKEMENSEKI", "貸付面積（㎡）", K::Area, nullptr},
    {"KASIYA_KASITI", "貸家・貸地", K::Text, nullptr},
    {"KEIHI_YOBI", "経費（予備）", K::Amount, nullptr},
    {"KEIYAKUKIKAN_FROM", "契約期間（自）", K::Month, nullptr},
    {"KEIYAKUKIKAN_TO", "契約期間（至）", K::Month, nullptr},
    {"KENRIKIN", "権利金", K::Amount, nullptr},
    {"KIKAISOUTI", "機械装置", K::Amount, nullptr},
    {"KIMATUGENZAIRYOUTANAOROSIDAKA", "期末原材料棚卸高", K::Amount, nullptr},
    {"KIMATUHANSEIHIN", "期末半製品・仕掛品棚卸高", K::Amount, nullptr},
    {"KIMATUSYOHINTANAOROSIDAKA", "期末商品棚卸高", K::Amount, nullptr},
    {"KISYUGENZAIRYOUTANAOROSIDAKA", "期首原材料棚卸高", K::Amount, nullptr},
    {"KISYUHANSEIHIN", "期首半製品・仕掛品棚卸高", K::Amount, nullptr},
    {"KISYUSYOHINTANAOROSIDAKA", "期首商品棚卸高", K::Amount, nullptr},
    {"KOBETU_KURIIREGAKU", "個別評価による繰入額", K::Amount, nullptr},
    {"KOMONSAKINAME", "会社名", K::Text, nullptr},
    {"KOUGUKIGUBIHIN", "工具器具備品", K::Amount, nullptr},
    {"KOUJIMEI_SIZAIMEI_GEDAN", "工事名・資材名（下段）", K::Text, nullptr},
    {"KOUJIMEI_SIZAIMEI_JOUDAN", "工事名・資材名（上段）", K::Text, nullptr},
    {"KOUJYOMAESYOTOKUKINNGAKU", "青色申告特別控除前の所得金額", K::Amount, nullptr},
    {"KOUKOKUSENDENHI", "広告宣伝費", K::Amount, nullptr},
    {"KOUKYOUSISETUFUTANKIN", "公共施設負担金", K::Amount, nullptr},
    {"KOUSINRYOU", "更新料", K::Amount, nullptr},
    {"KOUTIKUBUTU", "構築物", K::Amount, nullptr},
    {"KURIIRE_KASIDAOREHIKIATEKIN", "繰入額（貸倒引当金）", K::Amount, nullptr},
    {"KURIIRE_YOBI", "繰入額（予備）", K::Amount, nullptr},
    {"KURIMODOSI_KASIDAOREHIKIATEKIN", "繰戻額（貸倒引当金）", K::Amount, nullptr},
    {"KURIMODOSI_YOBI", "繰戻額（予備）", K::Amount, nullptr},
    {"KYUURYOU", "給料賃金", K::Amount, nullptr},
    {"KYUURYOUTINGIN", "給料賃金", K::Amount, "給料賃金の内訳"},
    {"KYUURYOU_UTIWAKE", "給料賃金", K::Container, nullptr},
    {"MAEBARAIKIN", "前払金", K::Amount, nullptr},
    {"MAIUKEKIN", "前受金", K::Amount, nullptr},
    {"MEIGIKAKIKAERYOU_SONOTA", "名義書換料その他", K::Amount, nullptr},
    {"MEIGISYOKANRYOU_SONOTA", "名義書換料その他", K::Amount, nullptr},
    {"MIBARAIKIN", "未払金", K::Amount, nullptr},
    {"MISYUUKIN", "未収金", K::Amount, nullptr},
    {"MISYUUTINTAIRYO", "未収賃貸料", K::Amount, nullptr},
    {"MOTOIREKIN", "元入金", K::Amount, nullptr},
    {"NENREI", "年齢", K::Count, nullptr},
    {"NIZUKURIUNTIN", "荷造運賃", K::Amount, nullptr},
    {"OTHER", "その他", K::Container, "加入団体"},
    {"PROGRAMNAME", "作成したプログラム", K::Text, nullptr},
    {"PROGRAMVER", "プログラムの版", K::Text, nullptr},
    {"REIKIN", "礼金", K::Amount, nullptr},
    {"REIKIN_KENRIKIN_KOUSINRYOU", "礼金・権利金・更新料", K::Amount, nullptr},
    {"REPORT", "所得税情報", K::Container, nullptr},
    {"RISIWARIBIKIRYOU", "利子割引料", K::Amount, "利子割引料の内訳"},
    {"RISI_UTIWAKE", "利子割引料", K::Container, nullptr},
    {"ROUMUHI", "労務費", K::Amount, nullptr},
    {"RYOHIKOUTUUHI", "旅費交通費", K::Amount, nullptr},
    {"SEIZOUGENKA", "製造原価の計算", K::Container, "製造原価の計算"},
    {"SEIZOUKEIHI_YOBI", "製造経費（予備）", K::Amount, nullptr},
    {"SENJUUSYA", "専従者給与", K::Container, "専従者給与の内訳"},
    {"SENJUUSYA_UTIWAKE", "専従者給与", K::Container, nullptr},
    {"SENJYUSYAKOUJYO", "専従者控除", K::Amount, nullptr},
    {"SENJYUUSYAKYUUYO", "専従者給与", K::Amount, nullptr},
    {"SENPAKU", "船舶", K::Amount, nullptr},
    {"SETTAIKOUSAIHI", "接待交際費", K::Amount, nullptr},
    {"SIHARAIKINGAKU", "支払金額", K::Amount, nullptr},
    {"SIHARAINENGAPPI", "支払年月日", K::Date, nullptr},
    {"SIHARAITEGATA", "支払手形", K::Amount, nullptr},
    {"SIIREKINGAKU", "仕入金額", K::Amount, nullptr},
    {"SIIREMEISAI", "仕入先の明細", K::Container, "仕入先の明細"},
    {"SIIRESAKIMEI", "仕入先名", K::Text, nullptr},
    {"SIIRE_UTIWAKE", "仕入先", K::Container, nullptr},
    {"SIMEI", "氏名", K::Text, nullptr},
    {"SISAN_YOBI", "資産（予備）", K::Amount, nullptr},
    {"SONEKIKEISANSYO", "損益計算書", K::Container, "損益計算書"},
    {"SONGAIHOKENRYOU", "損害保険料", K::Amount, nullptr},
    {"SONOTANOKEIHI", "その他の経費", K::Amount, nullptr},
    {"SONOTANOYOKIN", "その他の預金", K::Amount, nullptr},
    {"SONOTASYOTOKU", "その他所得用（一般用）", K::Container, nullptr},
    {"SONOTASYUNYU", "その他の収入", K::Amount, nullptr},
    {"SONOTA_GENSENZEIGAKU", "その他（源泉徴収税額）", K::Amount, nullptr},
    {"SONOTA_JUUJITUKISUU", "その他（延べ従事月数）", K::Count, nullptr},
    {"SONOTA_KYUURYOU", "その他（給料賃金）", K::Amount, nullptr},
    {"SONOTA_NINBUN", "その他（人数）", K::Count, nullptr},
    {"SONOTA_SYOUYO", "その他（賞与）", K::Amount, nullptr},
    {"SOZEIKOUKA", "租税公課", K::Amount, nullptr},
    {"SUIDOUKOUNETUHI", "水道光熱費", K::Amount, nullptr},
    {"SYAKUNYUUKINRISI", "借入金利子", K::Amount, nullptr},
    {"SYAKUTIKEN", "借地権", K::Amount, nullptr},
    {"SYARYOUUNPANGU", "車両運搬具", K::Amount, nullptr},
    {"SYOTOKUSYURUI", "所得の種類", K::Code, nullptr},
    {"SYOUMOUHINHI", "消耗品費", K::Amount, nullptr},
    {"SYOUYO", "賞与", K::Amount, nullptr},
    {"SYOZAITI", "所在地", K::Text, nullptr},
    {"SYOZAITI_GEDAN", "不動産の所在地（下段）", K::Text, nullptr},
    {"SYOZAITI_JOUDAN", "不動産の所在地（上段）", K::Text, nullptr},
    {"SYSTEM", "作成情報", K::Container, nullptr},
    {"SYUKUNYUUKIN", "借入金", K::Amount, nullptr},
    {"SYUNYUGAKU", "売上（収入）金額", K::Amount, nullptr},
    {"SYUUNYUUKINGAKU_YOBI", "収入金額（予備）", K::Amount, nullptr},
    {"SYUUZENHI", "修繕費", K::Amount, "修繕費の内訳"},
    {"SYUUZENHI_UTIWAKE", "修繕費", K::Container, nullptr},
    {"SYUZENHI", "修繕費", K::Amount, nullptr},
    {"TAISYAKUTAISYOUHYO", "貸借対照表", K::Container, "貸借対照表"},
    {"TANAOROSISISAN", "棚卸資産", K::Amount, nullptr},
    {"TATEMONO", "建物", K::Amount, nullptr},
    {"TATEMONOFUZOKUSETUBI", "建物附属設備", K::Amount, nullptr},
    {"TEIKIYOKIN", "定期預金", K::Amount, nullptr},
    {"TIDAIYATIN", "地代家賃", K::Amount, "地代家賃の内訳"},
    {"TIDAI_UTIWAKE", "地代家賃", K::Container, nullptr},
    {"TINSYAKUBUKKEN_", "賃借物件 ", K::Text, nullptr},
    {"TINSYAKUBUKKEN_GEDAN", "賃借物件（下段）", K::Text, nullptr},
    {"TINSYAKUBUKKEN_JOUDAN", "賃借物件（上段）", K::Text, nullptr},
    {"TINSYAKURYOU", "賃借料", K::Amount, nullptr},
    {"TINTAIRYO", "賃貸料", K::Amount, nullptr},
    {"TINTAIRYOU_NENGAKU", "賃貸料（年額）", K::Amount, nullptr},
    {"TINTAIRYOU_TUKIGAKU", "賃貸料（月額）", K::Amount, nullptr},
    {"TOKUSYUJIJOU", "特殊事情", K::Text, "本年中における特殊事情"},
    {"TOTI", "土地", K::Amount, nullptr},
    {"TOUZAYOKIN", "当座預金", K::Amount, nullptr},
    {"TUKIBETUURIAGESHIIRE", "月別売上（収入）金額及び仕入金額", K::Container, "月別売上（収入）金額及び仕入金額"},
    {"TUUSINHI", "通信費", K::Amount, nullptr},
    {"UKETORITEGATA", "受取手形", K::Amount, nullptr},
    {"URIAGEKINGAKU", "売上（収入）金額", K::Amount, nullptr},
    {"URIAGEMEISAI", "売上先の明細", K::Container, "売上先の明細"},
    {"URIAGESAKIMEI", "売上先名", K::Text, nullptr},
    {"URIAGE_UTIWAKE", "売上先", K::Container, nullptr},
    {"URIKAKEKIN", "売掛金", K::Amount, nullptr},
    {"VERSION", "形式の版", K::Text, nullptr},
    {"YOUTO", "用途", K::Text, nullptr},
    {"YUUKASYOUKEN", "有価証券", K::Amount, nullptr},
    {"ZAPPI", "雑費", K::Amount, nullptr},
    {"ZATUSYUNYU", "雑収入", K::Amount, nullptr},
    {"ZEIRISIHOUSYUU", "税理士・弁護士等の報酬", K::Container, "税理士・弁護士等の報酬・料金の内訳"},
    {"ZEIRISI_UTIWAKE", "税理士等の報酬", K::Container, nullptr},
    {"ZOKUGARA", "続柄", K::Text, nullptr},
};

const StLABELROW* Find(std::string_view name) {
    auto less = [](const StLABELROW& row, std::string_view n) { return std::string_view(row.name) < n; };
    const auto* it = std::lower_bound(std::begin(kLabels), std::end(kLabels), name, less);
    return it != std::end(kLabels) && name == it->name ? it : nullptr;
}

bool EndsWith(std::string_view s, std::string_view end) {
    return s.size() > end.size() && s.substr(s.size() - end.size()) == end;
}

}  // namespace

StLABEL LabelOf(std::string_view name) {
    if (const StLABELROW* row = Find(name)) return {row->label, row->kind, true};
    // A balance-sheet column or an account name: the stem's label.
    if (EndsWith(name, "_KAMOKU")) {
        StLABEL stem = LabelOf(name.substr(0, name.size() - 7));
        return {stem.label + "の科目名", EnValueKind::Text, stem.known};
    }
    for (std::string_view column : {"_KISYU", "_KIMATU"}) {
        if (EndsWith(name, column)) return LabelOf(name.substr(0, name.size() - column.size()));
    }
    // A numbered element: the label of its stem and the number.
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) --digits;
    if (digits > 0 && digits < name.size()) {
        if (const StLABELROW* row = Find(name.substr(0, digits))) {
            return {std::string(row->label) + std::string(name.substr(digits)), row->kind, true};
        }
    }
    return {std::string(name), EnValueKind::Text, false};
}

std::string SectionTitle(std::string_view name) {
    const StLABELROW* row = Find(name);
    if (row && row->title) return row->title;
    return row ? row->label : std::string(name);
}
