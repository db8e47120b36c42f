#pragma once
// Turns the summary model into the file the income-tax application imports:
// the frame (ReportFrame.cpp), the statement sections (StatementSections.cpp),
// the itemised lists (WageLists.cpp, PartyLists.cpp, KasitukeList.cpp) and the
// deductions and special entries (Deductions.cpp, with the line splitting of
// TokusyuJijou.cpp). ClAmount, the value texts, the mapping tables, the marks
// and the full-width mapping have files of their own.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/ProgressDlg.h"
#include "editions/Edition.h"
#include "engine/SaveBlocks.h"
#include "engine/SumModel.h"
#include "engine/VkRecords.h"
#include "output/XmlWriter.h"
#include "report/MappingTables.h"

struct StREPORTSECTION;

class ClReportBuilder {
public:
    ClReportBuilder(ClProgressDlg& progress, StSUMMODEL& model, std::int16_t incomeKind, const StEDITION& edition)
        : progress_(progress), model_(model), incomeKind_(incomeKind), edition_(edition) {}
    ClReportBuilder(const ClReportBuilder&) = delete;
    ClReportBuilder& operator=(const ClReportBuilder&) = delete;
    virtual ~ClReportBuilder() = default;

    // Progress position at which the report phase starts (after the collector).
    std::int16_t progressBase = 500;

    // Writes the whole file at path; true only when every section was written
    // and the file was put in place. A failed report leaves the target as it was.
    bool WriteReport(const char* path, std::int16_t functionId, const StDATAINFO& data);

    // Frame.
    bool WriteSystem(ClXmlWriter& writer, std::int16_t functionId);
    bool WriteBasic(ClXmlWriter& writer, const StDATAINFO& data);
    bool WriteData(ClXmlWriter& writer, const StDATAINFO& data);
    bool WriteIppanSections(ClXmlWriter& writer, const StDATAINFO& data);
    bool WriteFudousanSections(ClXmlWriter& writer, const StDATAINFO& data);
    // The company name in full width, at most 63 bytes, never ending inside a character.
    static std::string ToFullWidthName(std::string_view name);

    // Statement sections.
    bool WriteAmountTable(ClXmlWriter& writer, std::span<const StAMOUNTROW> table);
    bool WriteBalanceTable(ClXmlWriter& writer, std::span<const StBALANCEROW> table);
    bool WriteTsukibetsu(ClXmlWriter& writer);
    bool WriteAoiroKoujoSentaku(ClXmlWriter& writer);

    // Itemised lists: 1 written, 0 a write failed or a row beyond the block's capacity.
    int WriteFudousanUtiwake(ClXmlWriter& writer, int maxRows);
    int WriteKyuuryouIppan(ClXmlWriter& writer, int rows, int others);
    int WriteKyuuryouFudousan(ClXmlWriter& writer, int rows, int others);
    int WriteSenjuusyaIppan(ClXmlWriter& writer, const StDATAINFO& data, int rows);
    int WriteSenjuusyaFudousan(ClXmlWriter& writer, const StDATAINFO& data, int rows);
    int WriteRisiUtiwake(ClXmlWriter& writer, int rows);
    int WriteKariireUtiwake(ClXmlWriter& writer, int rows);
    int WriteZeirisiIppan(ClXmlWriter& writer, int rows);
    int WriteZeirisiFudousan(ClXmlWriter& writer, int rows);
    int WriteTidaiIppan(ClXmlWriter& writer, int rows);
    int WriteTidaiFudousan(ClXmlWriter& writer, const StDATAINFO& data, int rows);
    int WriteUriageUtiwake(ClXmlWriter& writer, int rows);
    int WriteSiireUtiwake(ClXmlWriter& writer, int rows);
    int WriteSyuuzenhiUtiwake(ClXmlWriter& writer, int rows);
    // At most limit bytes of text, never splitting a double-byte character.
    static std::string CopyBounded(std::string_view text, std::size_t limit);

    // Deductions and special entries: 1 written, 0 a write failed or unusable data.
    int WriteKasidaoreKuriire(ClXmlWriter& writer);
    int WriteAoiroKoujo(ClXmlWriter& writer);
    int WriteTokusyuJijouIppan(ClXmlWriter& writer, int width, int lines);
    int WriteTokusyuJijouFudousan(ClXmlWriter& writer, int width, int lines);
    int WriteKanyuuDantai(ClXmlWriter& writer);
    int WriteKasitukeFudousan(ClXmlWriter& writer);
    int WriteFusaiRisi(ClXmlWriter& writer);
    // The area as text with the given decimals (half away from zero) into
    // dest when it fits in size bytes with its terminator; else dest unchanged.
    static bool FormatArea(std::int64_t value, char* dest, std::size_t size, int decimals);

private:
    static constexpr int kSectionDepth = 3;
    static constexpr int kItemDepth = 4;
    static constexpr int kFieldDepth = 5;

    // One element line with text; the line buffer is the builder's.
    bool Put(ClXmlWriter& writer, const char* tag, const std::string& text, int depth = kItemDepth) {
        return writer.WriteElement(line_, tag, text.c_str(), depth) != 0;
    }
    bool WriteSections(ClXmlWriter& writer, const StDATAINFO& data, std::span<const StREPORTSECTION> order);
    // A section element at depth 3 around content.
    template <typename Content>
    bool Section(ClXmlWriter& writer, const char* name, Content&& content);
    // The row pattern of the itemised lists: rows 1..count, each wrapped in
    // listTag with COUNT; a row beyond capacity fails after its start tag.
    template <typename Row>
    int Rows(ClXmlWriter& writer, const char* listTag, int count, int capacity, Row&& row);
    int WriteTokusyuJijou(ClXmlWriter& writer, const void* textBlock, int width, int lines);
    int WriteOthersWages(ClXmlWriter& writer, std::int32_t persons, const ClBlockView& row);
    int WriteWagePerson(ClXmlWriter& writer, const ClBlockView& row, int depth);
    int WriteFamilyEmployee(ClXmlWriter& writer, const ClBlockView& row, bool blue, int depth);
    int WritePartyAddress(ClXmlWriter& writer, const ClBlockView& row);
    int WriteTidaiPayments(ClXmlWriter& writer, const ClBlockView& row);
    int WriteZeirisi(ClXmlWriter& writer, const void* block, std::size_t firstRow, int rows);
    struct StTRADELIST {
        const char* rowTag;
        const char* nameTag;
        const char* amountTag;
        const char* othersTag;
        std::size_t firstRow;
        std::size_t othersOffset;
    };
    int WriteTradeList(ClXmlWriter& writer, int rows, const StTRADELIST& list);

    ClProgressDlg& progress_;
    StSUMMODEL& model_;
    std::int16_t incomeKind_;
    const StEDITION& edition_;
    std::string line_;  // the line buffer every element line is built in
};

template <typename Content>
bool ClReportBuilder::Section(ClXmlWriter& writer, const char* name, Content&& content) {
    return writer.WriteStartTag(line_, name, kSectionDepth) && content() &&
           writer.WriteEndTag(line_, name, kSectionDepth);
}

template <typename Row>
int ClReportBuilder::Rows(ClXmlWriter& writer, const char* listTag, int count, int capacity, Row&& row) {
    for (int i = 1; i <= count; ++i) {
        std::string number = std::to_string(i);
        if (!writer.WriteStartTag(line_, listTag, kItemDepth, "COUNT", number.c_str())) return 0;
        if (i > capacity || !row(i)) return 0;
        if (!writer.WriteEndTag(line_, listTag, kItemDepth)) return 0;
    }
    return 1;
}
