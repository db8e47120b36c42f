#include "examine/Shape.h"

#include <cstring>

#include "editions/Edition.h"
#include "engine/SaveBlocks.h"
#include "services/OutputFile.h"
#include "services/TaskMemory.h"
#include "report/ReportBuilder.h"

namespace {

class ClStringFile final : public ClOutputFile {
public:
    std::string bytes;
    bool Create(const char*) override { return true; }
    bool Write(const void* data, std::size_t size) override {
        bytes.append(static_cast<const char*>(data), size);
        return true;
    }
    bool Commit() override { return true; }
    void Close() override {}
};

// Every block the engine delivers, zeroed; the letting list holds one row
// and its terminator; the summary list has the rows the deduction reads.
void FillEmptyModel(StSUMMODEL& model) {
    using namespace blocksize;
    StAOSIROSAVEINFO_IPPAN& i = model.ippan;
    i.generalBlock = TaskMemAlloc(kIppanGeneral);
    i.kasidaoreBlock = TaskMemAlloc(kKasidaore);
    i.kyuuryouBlock = TaskMemAlloc(kKyuuryou);
    i.risiZeirisiBlock = TaskMemAlloc(kRisiZeirisi);
    i.tidaiBlock = TaskMemAlloc(kTidai);
    i.tokusyuJijouText = TaskMemAlloc(kTokusyuJijou);
    i.uriageSiireBlock = TaskMemAlloc(kUriageSiire);
    StAOSIROSAVEINFO_FUDOUSAN& f = model.fudousan;
    f.generalBlock = TaskMemAlloc(kFudousanGeneral);
    f.kasitukeList = TaskMemAlloc(2 * kKasitukeRow);
    f.kariireZeirisiBlock = TaskMemAlloc(kKariireZeirisi);
    f.kyuuryouSenjuusyaBlock = TaskMemAlloc(kKyuuryouSenjuusya);
    f.tidaiBlock = TaskMemAlloc(kTidai);
    f.tokusyuJijouText = TaskMemAlloc(kTokusyuJijou);
    f.syuuzenhiBlock = TaskMemAlloc(kSyuuzenhi);
    f.kasitukeSuuBlock = TaskMemAlloc(kKasitukeSuu);
    if (f.kasitukeList) {
        const std::int32_t terminator = -1;
        std::memcpy(static_cast<char*>(f.kasitukeList) + kKasitukeRow + 4, &terminator, sizeof terminator);
    }
    model.sumList.resize(43);
}

}  // namespace

StEXPORT ExpectedShape(std::uint8_t aoSiroKind, std::int16_t incomeKind) {
    if ((aoSiroKind != kBlueReturn && aoSiroKind != kWhiteReturn) || incomeKind < kIncomeBusiness ||
        incomeKind > kIncomeRealEstate)
        return {};
    StSUMMODEL model;
    FillEmptyModel(model);
    StDATAINFO data{};
    data.aoSiroKind = aoSiroKind;
    ClSilentProgressView view;
    ClProgressDlg progress(view);
    ClStringFile file;
    bool written = false;
    {
        ClReportBuilder builder(progress, model, incomeKind, kOrbek17Plus);
        ClXmlWriter writer;
        std::string line;
        written = writer.Open(&file, "shape.xml") == 0 &&
                  writer.WriteLine("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n") &&
                  writer.WriteStartTag(line, "REPORT", 0) && builder.WriteSystem(writer, 1) &&
                  builder.WriteBasic(writer, data) && builder.WriteData(writer, data) &&
                  writer.WriteEndTag(line, "REPORT", 0);
        writer.Close();
    }
    FreeSumModel(model);
    return written ? ReadExport(file.bytes) : StEXPORT{};
}
