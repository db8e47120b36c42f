// The frame of the file: prolog, REPORT with SYSTEM, BASIC and DATA, the
// income element and the order of the sections for each return kind.
#include <cstring>
#include <memory>

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
constexpr std::size_t kNameBytes = 63;      // KOMONSAKINAME lives in a 64-byte field

std::string_view FieldText(const char* field, std::size_t width) {
    return {field, strnlen(field, width)};
}
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
    } catch (...) {
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
    progress_.Advance(static_cast<std::int16_t>(progressBase + 100),
                      static_cast<std::int16_t>(progressBase + 200));
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
                         : incomeKind_ == kIncomeOther ? "SONOTASYOTOKU"
                         : incomeKind_ == kIncomeRealEstate ? "FUDOUSANSYOTOKU"
                                            : nullptr;
    if (!writer.WriteStartTag(line_, "DATA", 1) || !income) return false;
    if (!writer.WriteStartTag(line_, income, 2)) return false;
    bool ok = incomeKind_ == kIncomeRealEstate ? WriteFudousanSections(writer, data) : WriteIppanSections(writer, data);
    if (!ok || !writer.WriteEndTag(line_, income, 2) || !writer.WriteEndTag(line_, "DATA", 1)) return false;
    progress_.Advance(static_cast<std::int16_t>(progressBase + 200), 1000);
    return true;
}

bool ClReportBuilder::WriteIppanSections(ClXmlWriter& w, const StDATAINFO& data) {
    if (data.aoSiroKind == kBlueReturn) {
        return Section(w, "SONEKIKEISANSYO", [&] { return WriteAmountTable(w, TableA()); }) &&
               Section(w, "TUKIBETUURIAGESHIIRE", [&] { return WriteTsukibetsu(w); }) &&
               Section(w, "KYUURYOUTINGIN", [&] { return WriteKyuuryouIppan(w, 5, 1) != 0; }) &&
               Section(w, "SENJUUSYA", [&] { return WriteSenjuusyaIppan(w, data, 5) != 0; }) &&
               Section(w, "KASIDAOREKURIIRE", [&] { return WriteKasidaoreKuriire(w) != 0; }) &&
               Section(w, "AOIROKOUJO", [&] { return WriteAoiroKoujo(w) != 0; }) &&
               Section(w, "RISIWARIBIKIRYOU", [&] { return WriteRisiUtiwake(w, 2) != 0; }) &&
               Section(w, "TIDAIYATIN", [&] { return WriteTidaiIppan(w, 2) != 0; }) &&
               Section(w, "ZEIRISIHOUSYUU", [&] { return WriteZeirisiIppan(w, 2) != 0; }) &&
               Section(w, "TOKUSYUJIJOU", [&] { return WriteTokusyuJijouIppan(w, 60, 5) != 0; }) &&
               Section(w, "TAISYAKUTAISYOUHYO", [&] { return WriteBalanceTable(w, TableF()); }) &&
               Section(w, "SEIZOUGENKA", [&] { return WriteAmountTable(w, TableC()); }) &&
               Section(w, "OTHER", [&] { return WriteKanyuuDantai(w) != 0; });
    }
    if (data.aoSiroKind == kWhiteReturn) {
        return Section(w, "SONEKIKEISANSYO", [&] { return WriteAmountTable(w, TableB()); }) &&
               Section(w, "KYUURYOUTINGIN", [&] { return WriteKyuuryouIppan(w, 3, 1) != 0; }) &&
               Section(w, "SENJUUSYA", [&] { return WriteSenjuusyaIppan(w, data, 3) != 0; }) &&
               Section(w, "RISIWARIBIKIRYOU", [&] { return WriteRisiUtiwake(w, 2) != 0; }) &&
               Section(w, "TIDAIYATIN", [&] { return WriteTidaiIppan(w, 2) != 0; }) &&
               Section(w, "ZEIRISIHOUSYUU", [&] { return WriteZeirisiIppan(w, 2) != 0; }) &&
               Section(w, "TOKUSYUJIJOU", [&] { return WriteTokusyuJijouIppan(w, 60, 9) != 0; }) &&
               Section(w, "URIAGEMEISAI", [&] { return WriteUriageUtiwake(w, 4) != 0; }) &&
               Section(w, "SIIREMEISAI", [&] { return WriteSiireUtiwake(w, 4) != 0; }) &&
               Section(w, "OTHER", [&] { return WriteKanyuuDantai(w) != 0; });
    }
    return true;  // neither return kind: an empty income element
}

bool ClReportBuilder::WriteFudousanSections(ClXmlWriter& w, const StDATAINFO& data) {
    constexpr int kMaxLettings = 9999;
    if (data.aoSiroKind == kBlueReturn) {
        return Section(w, "SONEKIKEISANSYO",
                       [&] {
                           return WriteAmountTable(w, TableD()) && WriteAoiroKoujoSentaku(w) &&
                                  WriteFusaiRisi(w) != 0;
                       }) &&
               Section(w, "FUDOUSANSYUUNYUU", [&] { return WriteFudousanUtiwake(w, kMaxLettings) != 0; }) &&
               Section(w, "KYUURYOUTINGIN", [&] { return WriteKyuuryouFudousan(w, 2, 0) != 0; }) &&
               Section(w, "SENJUUSYA", [&] { return WriteSenjuusyaFudousan(w, data, 1) != 0; }) &&
               Section(w, "TIDAIYATIN", [&] { return WriteTidaiFudousan(w, data, 2) != 0; }) &&
               Section(w, "KARIIREKINRISI", [&] { return WriteKariireUtiwake(w, 3) != 0; }) &&
               Section(w, "ZEIRISIHOUSYUU", [&] { return WriteZeirisiFudousan(w, 2) != 0; }) &&
               Section(w, "TAISYAKUTAISYOUHYO", [&] { return WriteBalanceTable(w, TableG()); }) &&
               Section(w, "TOKUSYUJIJOU", [&] { return WriteTokusyuJijouFudousan(w, 30, 25) != 0; });
    }
    if (data.aoSiroKind == kWhiteReturn) {
        return Section(w, "SONEKIKEISANSYO",
                       [&] { return WriteAmountTable(w, TableE()) && WriteFusaiRisi(w) != 0; }) &&
               Section(w, "FUDOUSANSYUUNYUU", [&] { return WriteFudousanUtiwake(w, kMaxLettings) != 0; }) &&
               Section(w, "KYUURYOUTINGIN", [&] { return WriteKyuuryouFudousan(w, 1, 1) != 0; }) &&
               Section(w, "SENJUUSYA", [&] { return WriteSenjuusyaFudousan(w, data, 2) != 0; }) &&
               Section(w, "TIDAIYATIN", [&] { return WriteTidaiFudousan(w, data, 2) != 0; }) &&
               Section(w, "KARIIREKINRISI", [&] { return WriteKariireUtiwake(w, 2) != 0; }) &&
               Section(w, "ZEIRISIHOUSYUU", [&] { return WriteZeirisiFudousan(w, 2) != 0; }) &&
               Section(w, "TOKUSYUJIJOU", [&] { return WriteTokusyuJijouFudousan(w, 60, 7) != 0; }) &&
               Section(w, "SYUUZENHI", [&] { return WriteSyuuzenhiUtiwake(w, 3) != 0; }) &&
               Section(w, "KASITUKEFUDOUSAN", [&] { return WriteKasitukeFudousan(w) != 0; });
    }
    return true;  // neither return kind: an empty income element
}
