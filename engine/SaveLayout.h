#pragma once
// The layout of the engine's saved-settings blocks: block sizes, rows and
// fields, by name. Offsets are bytes from the start of a row or block;
// amounts are signed 64-bit, counts signed 32-bit, texts Shift_JIS up to
// their terminator or width. The romanized names (kasituke, tidai and the rest) are
// explained in the glossary of CONTRIBUTING.md.
#include <cstddef>
#include <cstdint>

// A text field: where it starts and how many bytes it may fill.
struct StTEXTFIELD {
    std::size_t offset;
    std::size_t width;
};

// Block sizes as the engine allocates them.
namespace blocksize {
constexpr std::size_t kIppanGeneral = 1024;
constexpr std::size_t kKasidaore = 448;
constexpr std::size_t kKyuuryou = 480;
constexpr std::size_t kRisiZeirisi = 448;
constexpr std::size_t kTidai = 256;
constexpr std::size_t kTokusyuJijou = 1024;
constexpr std::size_t kUriageSiire = 720;
constexpr std::size_t kFudousanGeneral = 1024;
constexpr std::size_t kKasitukeRow = 236;  // the letting list: (rows + 1) x 236
constexpr std::size_t kKariireZeirisi = 560;
constexpr std::size_t kKyuuryouSenjuusya = 328;
constexpr std::size_t kSyuuzenhi = 384;
constexpr std::size_t kKasitukeSuu = 56;
}  // namespace blocksize

namespace savelayout {

// --- Rows of the itemised lists ---

// A wage row; in an others row the age field holds the number of persons.
namespace wage {
constexpr std::size_t kSize = 80;
constexpr StTEXTFIELD kName{7, 41};
constexpr std::size_t kAge = 48;
constexpr std::size_t kMonths = 52;
constexpr std::size_t kWages = 56;
constexpr std::size_t kBonus = 64;
constexpr std::size_t kTaxWithheld = 72;
}  // namespace wage

// A family-employee row: name and relationship first, the rest as a wage row.
namespace family {
constexpr std::size_t kSize = 80;
constexpr StTEXTFIELD kName{0, 41};
constexpr StTEXTFIELD kRelationship{41, 7};
}  // namespace family

// A lender or tax-accountant row: two address lines and three amounts.
namespace party {
constexpr std::size_t kSize = 112;
constexpr StTEXTFIELD kUpper{6, 41};
constexpr StTEXTFIELD kLower{47, 41};
constexpr std::size_t kAmount1 = 88;
constexpr std::size_t kAmount2 = 96;
constexpr std::size_t kAmount3 = 104;
}  // namespace party

// A land-rent row; the payment is a premium (kind 0) or a renewal fee (kind 1).
namespace landRent {
constexpr std::size_t kSize = 128;
constexpr StTEXTFIELD kUpper{0, 41};
constexpr StTEXTFIELD kLower{41, 41};
constexpr StTEXTFIELD kProperty{82, 21};
constexpr std::size_t kPaymentKind = 103;  // one byte
constexpr std::size_t kPayment = 104;
constexpr std::size_t kRent = 112;
constexpr std::size_t kExpense = 120;
}  // namespace landRent

// A customer or supplier row.
namespace trade {
constexpr std::size_t kSize = 72;
constexpr StTEXTFIELD kName{2, 21};
constexpr StTEXTFIELD kLocation{23, 41};
constexpr std::size_t kAmount = 64;
}  // namespace trade

// A repair row.
namespace repair {
constexpr std::size_t kSize = 128;
constexpr StTEXTFIELD kUpper{5, 41};
constexpr StTEXTFIELD kLower{46, 41};
constexpr StTEXTFIELD kWork{87, 21};
constexpr std::size_t kDate = 108;  // yyyymmdd
constexpr std::size_t kPaid = 112;
constexpr std::size_t kExpense = 120;
}  // namespace repair

// A letting row; the list ends at the row whose marker is kTerminator.
namespace kasituke {
constexpr std::size_t kSize = blocksize::kKasitukeRow;
constexpr std::size_t kMarker = 4;
constexpr std::int32_t kTerminator = -1;
constexpr int kMaxRows = 9999;  // the engine's letting list holds no more
constexpr StTEXTFIELD kLowerAddress{8, 41};
constexpr StTEXTFIELD kLocation{49, 41};
constexpr StTEXTFIELD kUpperAddress{90, 41};
constexpr StTEXTFIELD kHouseOrLand{131, 11};
constexpr StTEXTFIELD kUse{142, 22};
constexpr std::size_t kContractFrom = 164;  // yyyymmdd
constexpr std::size_t kContractTo = 168;
constexpr std::size_t kArea = 172;
constexpr std::size_t kMonthlyRent = 180;
constexpr std::size_t kYearlyRent = 188;
constexpr std::size_t kGratuity = 196;
constexpr std::size_t kPremium = 204;
constexpr std::size_t kRenewalFee = 212;
constexpr std::size_t kOtherFees = 220;
constexpr std::size_t kDeposit = 228;
}  // namespace kasituke

// --- Blocks of the general record ---

namespace ippanGeneral {
constexpr StTEXTFIELD kKanyuuDantaiName{349, 128};
constexpr std::size_t kAoKoujoSentaku = 521;  // one byte
// Filled by the summary collector from the real-estate statement's row 21.
constexpr std::size_t kFudousanRow21Amount = 534;
}  // namespace ippanGeneral

// Bad-debt allowance amounts, then the family-employee rows.
namespace kasidaore {
constexpr std::size_t kKobetuKuriiregaku = 16;
constexpr std::size_t kIkkatuKuriiregoukeigaku = 24;
constexpr std::size_t kIkkatuKuriiregendogaku = 32;
constexpr std::size_t kIkkatuKuriiregaku = 40;
constexpr std::size_t kFamilyFirst = 48;
constexpr int kFamilyRows = 5;
}  // namespace kasidaore

// Wage rows, then the others row (row kPersonRows + 1).
namespace ippanKyuuryou {
constexpr int kPersonRows = 5;
}  // namespace ippanKyuuryou

namespace risiZeirisi {
constexpr int kRisiRows = 2;
constexpr std::size_t kZeirisiFirst = kRisiRows * party::kSize;
constexpr int kZeirisiRows = 2;
}  // namespace risiZeirisi

namespace tidai {
constexpr int kRows = 2;
}  // namespace tidai

// The customers, their others amount, the suppliers and theirs.
namespace uriageSiire {
constexpr std::size_t kCustomersFirst = 0;
constexpr std::size_t kCustomersOthers = 352;
constexpr std::size_t kSuppliersFirst = 360;
constexpr std::size_t kSuppliersOthers = 712;
constexpr int kRows = 4;
}  // namespace uriageSiire

// --- Blocks of the real-estate record ---

namespace fudousanGeneral {
constexpr std::size_t kFusaiRisiAmount = 352;
}  // namespace fudousanGeneral

namespace kariireZeirisi {
constexpr int kKariireRows = 3;
constexpr std::size_t kZeirisiFirst = kKariireRows * party::kSize;
constexpr int kZeirisiRows = 2;
}  // namespace kariireZeirisi

// Two wage rows, the number of persons of the others row, two family rows.
namespace kyuuryouSenjuusya {
constexpr int kWageRows = 2;
constexpr std::size_t kOthersPersons = 160;
constexpr std::size_t kFamilyFirst = 168;
constexpr int kFamilyRows = 2;
}  // namespace kyuuryouSenjuusya

namespace syuuzenhi {
constexpr int kRows = 3;
}  // namespace syuuzenhi

// The numbers of let properties (counts) and their areas (amounts).
namespace kasitukeSuu {
constexpr std::size_t kJuutakuTatemonoIkkodate = 4;
constexpr std::size_t kJuutakuTatemonoIkkodateigai = 8;
constexpr std::size_t kJuutakuTotiKeiyaku = 12;
constexpr std::size_t kJuutakuTotiSoumenseki = 16;
constexpr std::size_t kJuutakuigaiTatemonoIkkodate = 28;
constexpr std::size_t kJuutakuigaiTatemonoIkkodateigai = 32;
constexpr std::size_t kJuutakuigaiTotiKeiyaku = 36;
constexpr std::size_t kJuutakuigaiTotiSoumenseki = 40;
constexpr std::size_t kChuusyajouYanetuki = 48;
constexpr std::size_t kChuusyajouAozora = 52;
}  // namespace kasitukeSuu

}  // namespace savelayout
