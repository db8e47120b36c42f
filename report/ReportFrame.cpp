// The frame of the file: prolog, REPORT with SYSTEM, BASIC and DATA, the
// income element and the order of the sections for each return kind.
#include <cstring>
#include <memory>
#include <new>

#include "common/Sjis.h"
#include "output/SupportInfo.h"
#include "services/FullWidth.h"
#include "services/OutputFile.h"
#include "services/ResourceString.h"
#include "report/ReportBuilder.h"
#include "resources/StringTable.h"

namespace {
constexpr const char* kProlog = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";
constexpr const char* kDefaultProductVersion = "17.00.0X";
constexpr std::size_t kNameBytes = 63;  // KOMONSAKINAME lives in a 64-byte field

std::string_view FieldText(const char* field, std::size_t width) { return {field, strnlen(field, width)}; }
}  // namespace

bool ClReportBuilder::WriteReport(const char* path, std::int16_t functionId, const StDATAINFO& data) {
    try {
        std::unique_ptr<ClOutputFile> file = NewOutputFile();
        ClXmlWriter writer;
        if (!file || writer.Open(file.get(), path) != 0) return false;
        bool ok = writer.WriteLine(kProlog) && writer.WriteStartTag(line_, "REPORT", 0);
        progress_.Pulse();
        ok = ok && WriteSystem(writer, functionId);
        if (ok) {
            progress_.Pulse();
            ok = WriteBasic(writer, data);
        }
        if (ok) {
            progress_.Pulse();
            ok = WriteData(writer, data);
        }
        if (ok) progress_.Pulse();
        // The root element is closed even after a failure, as far as the file goes.
        ok = writer.WriteEndTag(line_, "REPORT", 0) && ok;
        ok = ok && writer.Commit();
        writer.Close();
        return ok;
    } catch (const std::bad_alloc&) {
        return false;  // out of memory: the uncommitted file is discarded
    }
}

bool ClReportBuilder::WriteSystem(ClXmlWriter& writer, std::int16_t functionId) {
    // SUPPORT.INF of the current directory (the program's folder), read for this section only.
    ClSupportInfo support;
    std::string name = support.GetProductName();
    std::string version = support.GetProductVersion();
    if (name.empty()) name = edition_.defaultProductName;
    if (version.empty()) version = kDefaultProductVersion;
    const std::pair<const char*, std::string> elements[] = {
        {"GYOUMUPREFIX", "QL14"},
        {"VERSION", "1"},
        {"FUNCTIONID", std::to_string(functionId)},
        {"CONNECTEDPROGRAMVER", LoadResourceString(IDS_CONNECTEDPROGRAMVER)},
        {"PROGRAMNAME", name},
        {"PROGRAMVER", version},
    };
    if (!writer.WriteStartTag(line_, "SYSTEM", 1)) return false;
    for (const auto& [tag, text] : elements) {
        if (!Put(writer, tag, text, 2)) return false;
        progress_.Pulse();
    }
    if (!writer.WriteEndTag(line_, "SYSTEM", 1)) return false;
    progress_.Advance(progressBase, static_cast<std::int16_t>(progressBase + 100));
    return true;
}

bool ClReportBuilder::WriteBasic(ClXmlWriter& writer, const StDATAINFO& data) {
    const std::pair<const char*, std::string> elements[] = {
        {"KOMONSAKINAME", ToFullWidthName(FieldText(data.companyName, sizeof data.companyName))},
        {"AOSIROKUBUN", data.aoSiroKind == kWhiteReturn ? "2" : "1"},
        {"JIGYOUNENDOFROM", std::to_string(data.fiscalFrom)},
        {"JIGYOUNENDOTO", std::to_string(data.fiscalTo)},
        {"SYOTOKUSYURUI", std::to_string(incomeKind_)},
    };
    if (!writer.WriteStartTag(line_, "BASIC", 1)) return false;
    for (const auto& [tag, text] : elements) {
        if (!Put(writer, tag, text, 2)) return false;
        progress_.Pulse();
    }
    if (!writer.WriteEndTag(line_, "BASIC", 1)) return false;
    progress_.Advance(static_cast<std::int16_t>(progressBase + 100), static_cast<std::int16_t>(progressBase + 200));
    return true;
}

std::string ClReportBuilder::ToFullWidthName(std::string_view name) {
    std::string wide = MapFullWidth(name);
    // Names of up to 30 bytes always fit: their full-width form is below 64 bytes.
    if ((name.size() + 1) * 2 < 64) return wide;
    std::size_t n = sjis::CutLength(wide, kNameBytes);
    // A stray lead byte (no valid trail) must not end the name either.
    if (n > 0 && sjis::IsLeadByte(static_cast<unsigned char>(wide[n - 1])) && !sjis::IsTrailAt(wide, n - 1)) {
        --n;
    }
    return wide.substr(0, n);
}

bool ClReportBuilder::WriteData(ClXmlWriter& writer, const StDATAINFO& data) {
    const char* income = incomeKind_ == kIncomeBusiness     ? "EIGYOUSYOTOKU"
                         : incomeKind_ == kIncomeOther      ? "SONOTASYOTOKU"
                         : incomeKind_ == kIncomeRealEstate ? "FUDOUSANSYOTOKU"
                                                            : nullptr;
    if (!writer.WriteStartTag(line_, "DATA", 1) || !income) return false;
    if (!writer.WriteStartTag(line_, income, 2)) return false;
    bool ok = incomeKind_ == kIncomeRealEstate ? WriteFudousanSections(writer, data) : WriteIppanSections(writer, data);
    if (!ok || !writer.WriteEndTag(line_, income, 2) || !writer.WriteEndTag(line_, "DATA", 1)) return false;
    progress_.Advance(static_cast<std::int16_t>(progressBase + 200), 1000);
    return true;
}

// How many rows a section's list takes: rows (lines of text for the special
// circumstances), others (the wages' "others" row) and width (bytes per line).
struct StLISTSHAPE {
    int rows = 0;
    int others = 0;
    int width = 0;
};

// One section of a return kind's order: its element, its writer and the
// shape of its list.
struct StREPORTSECTION {
    const char* tag;
    bool (*write)(ClReportBuilder& b, ClXmlWriter& w, const StDATAINFO& data, const StLISTSHAPE& shape);
    StLISTSHAPE shape;
};

namespace {

using B = ClReportBuilder;
using W = ClXmlWriter;
using D = StDATAINFO;
using S = StLISTSHAPE;

// The section writers, each in the one signature the tables hold.
bool PlBlueIppan(B& b, W& w, const D&, const S&) { return b.WriteAmountTable(w, TableA()); }
bool PlWhiteIppan(B& b, W& w, const D&, const S&) { return b.WriteAmountTable(w, TableB()); }
bool Seizougenka(B& b, W& w, const D&, const S&) { return b.WriteAmountTable(w, TableC()); }
bool PlBlueFudousan(B& b, W& w, const D&, const S&) {
    return b.WriteAmountTable(w, TableD()) && b.WriteAoiroKoujoSentaku(w) && b.WriteFusaiRisi(w) != 0;
}
bool PlWhiteFudousan(B& b, W& w, const D&, const S&) {
    return b.WriteAmountTable(w, TableE()) && b.WriteFusaiRisi(w) != 0;
}
bool BsIppan(B& b, W& w, const D&, const S&) { return b.WriteBalanceTable(w, TableF()); }
bool BsFudousan(B& b, W& w, const D&, const S&) { return b.WriteBalanceTable(w, TableG()); }
bool Tsukibetsu(B& b, W& w, const D&, const S&) { return b.WriteTsukibetsu(w); }
bool KyuuryouIppan(B& b, W& w, const D&, const S& s) { return b.WriteKyuuryouIppan(w, s.rows, s.others) != 0; }
bool KyuuryouFudousan(B& b, W& w, const D&, const S& s) { return b.WriteKyuuryouFudousan(w, s.rows, s.others) != 0; }
bool SenjuusyaIppan(B& b, W& w, const D& d, const S& s) { return b.WriteSenjuusyaIppan(w, d, s.rows) != 0; }
bool SenjuusyaFudousan(B& b, W& w, const D& d, const S& s) { return b.WriteSenjuusyaFudousan(w, d, s.rows) != 0; }
bool KasidaoreKuriire(B& b, W& w, const D&, const S&) { return b.WriteKasidaoreKuriire(w) != 0; }
bool AoiroKoujo(B& b, W& w, const D&, const S&) { return b.WriteAoiroKoujo(w) != 0; }
bool RisiUtiwake(B& b, W& w, const D&, const S& s) { return b.WriteRisiUtiwake(w, s.rows) != 0; }
bool TidaiIppan(B& b, W& w, const D&, const S& s) { return b.WriteTidaiIppan(w, s.rows) != 0; }
bool TidaiFudousan(B& b, W& w, const D& d, const S& s) { return b.WriteTidaiFudousan(w, d, s.rows) != 0; }
bool ZeirisiIppan(B& b, W& w, const D&, const S& s) { return b.WriteZeirisiIppan(w, s.rows) != 0; }
bool ZeirisiFudousan(B& b, W& w, const D&, const S& s) { return b.WriteZeirisiFudousan(w, s.rows) != 0; }
bool KariireUtiwake(B& b, W& w, const D&, const S& s) { return b.WriteKariireUtiwake(w, s.rows) != 0; }
bool TokusyuJijouIppan(B& b, W& w, const D&, const S& s) { return b.WriteTokusyuJijouIppan(w, s.width, s.rows) != 0; }
bool TokusyuJijouFudousan(B& b, W& w, const D&, const S& s) {
    return b.WriteTokusyuJijouFudousan(w, s.width, s.rows) != 0;
}
bool UriageUtiwake(B& b, W& w, const D&, const S& s) { return b.WriteUriageUtiwake(w, s.rows) != 0; }
bool SiireUtiwake(B& b, W& w, const D&, const S& s) { return b.WriteSiireUtiwake(w, s.rows) != 0; }
bool SyuuzenhiUtiwake(B& b, W& w, const D&, const S& s) { return b.WriteSyuuzenhiUtiwake(w, s.rows) != 0; }
bool FudousanUtiwake(B& b, W& w, const D&, const S& s) { return b.WriteFudousanUtiwake(w, s.rows) != 0; }
bool KanyuuDantai(B& b, W& w, const D&, const S&) { return b.WriteKanyuuDantai(w) != 0; }
bool KasitukeFudousan(B& b, W& w, const D&, const S&) { return b.WriteKasitukeFudousan(w) != 0; }

constexpr int kMaxKasitukeRows = savelayout::kasituke::kMaxRows;

// Business and other income, blue return.
constexpr StREPORTSECTION kBlueIppan[] = {
    {"SONEKIKEISANSYO", PlBlueIppan, {}},
    {"TUKIBETUURIAGESHIIRE", Tsukibetsu, {}},
    {"KYUURYOUTINGIN", KyuuryouIppan, {.rows = 5, .others = 1}},
    {"SENJUUSYA", SenjuusyaIppan, {.rows = 5}},
    {"KASIDAOREKURIIRE", KasidaoreKuriire, {}},
    {"AOIROKOUJO", AoiroKoujo, {}},
    {"RISIWARIBIKIRYOU", RisiUtiwake, {.rows = 2}},
    {"TIDAIYATIN", TidaiIppan, {.rows = 2}},
    {"ZEIRISIHOUSYUU", ZeirisiIppan, {.rows = 2}},
    {"TOKUSYUJIJOU", TokusyuJijouIppan, {.rows = 5, .width = 60}},
    {"TAISYAKUTAISYOUHYO", BsIppan, {}},
    {"SEIZOUGENKA", Seizougenka, {}},
    {"OTHER", KanyuuDantai, {}},
};

// Business and other income, white return.
constexpr StREPORTSECTION kWhiteIppan[] = {
    {"SONEKIKEISANSYO", PlWhiteIppan, {}},
    {"KYUURYOUTINGIN", KyuuryouIppan, {.rows = 3, .others = 1}},
    {"SENJUUSYA", SenjuusyaIppan, {.rows = 3}},
    {"RISIWARIBIKIRYOU", RisiUtiwake, {.rows = 2}},
    {"TIDAIYATIN", TidaiIppan, {.rows = 2}},
    {"ZEIRISIHOUSYUU", ZeirisiIppan, {.rows = 2}},
    {"TOKUSYUJIJOU", TokusyuJijouIppan, {.rows = 9, .width = 60}},
    {"URIAGEMEISAI", UriageUtiwake, {.rows = 4}},
    {"SIIREMEISAI", SiireUtiwake, {.rows = 4}},
    {"OTHER", KanyuuDantai, {}},
};

// Real-estate income, blue return.
constexpr StREPORTSECTION kBlueFudousan[] = {
    {"SONEKIKEISANSYO", PlBlueFudousan, {}},
    {"FUDOUSANSYUUNYUU", FudousanUtiwake, {.rows = kMaxKasitukeRows}},
    {"KYUURYOUTINGIN", KyuuryouFudousan, {.rows = 2, .others = 0}},
    {"SENJUUSYA", SenjuusyaFudousan, {.rows = 1}},
    {"TIDAIYATIN", TidaiFudousan, {.rows = 2}},
    {"KARIIREKINRISI", KariireUtiwake, {.rows = 3}},
    {"ZEIRISIHOUSYUU", ZeirisiFudousan, {.rows = 2}},
    {"TAISYAKUTAISYOUHYO", BsFudousan, {}},
    {"TOKUSYUJIJOU", TokusyuJijouFudousan, {.rows = 25, .width = 30}},
};

// Real-estate income, white return.
constexpr StREPORTSECTION kWhiteFudousan[] = {
    {"SONEKIKEISANSYO", PlWhiteFudousan, {}},
    {"FUDOUSANSYUUNYUU", FudousanUtiwake, {.rows = kMaxKasitukeRows}},
    {"KYUURYOUTINGIN", KyuuryouFudousan, {.rows = 1, .others = 1}},
    {"SENJUUSYA", SenjuusyaFudousan, {.rows = 2}},
    {"TIDAIYATIN", TidaiFudousan, {.rows = 2}},
    {"KARIIREKINRISI", KariireUtiwake, {.rows = 2}},
    {"ZEIRISIHOUSYUU", ZeirisiFudousan, {.rows = 2}},
    {"TOKUSYUJIJOU", TokusyuJijouFudousan, {.rows = 7, .width = 60}},
    {"SYUUZENHI", SyuuzenhiUtiwake, {.rows = 3}},
    {"KASITUKEFUDOUSAN", KasitukeFudousan, {}},
};

}  // namespace

bool ClReportBuilder::WriteIppanSections(ClXmlWriter& w, const StDATAINFO& data) {
    if (data.aoSiroKind == kBlueReturn) return WriteSections(w, data, kBlueIppan);
    if (data.aoSiroKind == kWhiteReturn) return WriteSections(w, data, kWhiteIppan);
    return true;  // neither return kind: an empty income element
}

bool ClReportBuilder::WriteFudousanSections(ClXmlWriter& w, const StDATAINFO& data) {
    if (data.aoSiroKind == kBlueReturn) return WriteSections(w, data, kBlueFudousan);
    if (data.aoSiroKind == kWhiteReturn) return WriteSections(w, data, kWhiteFudousan);
    return true;  // neither return kind: an empty income element
}

// Each section in order; the first that fails ends the income element.
bool ClReportBuilder::WriteSections(ClXmlWriter& w, const StDATAINFO& data, std::span<const StREPORTSECTION> order) {
    for (const StREPORTSECTION& section : order) {
        if (!Section(w, section.tag, [&] { return section.write(*this, w, data, section.shape); })) return false;
    }
    return true;
}
