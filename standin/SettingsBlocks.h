#pragma once
// The saved-settings blocks of a data set laid out at the engine's offsets.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>
#include <string_view>

#include "standin/DatasetJson.h"
#include "standin/StandinDataset.h"

enum class EnFieldType : std::uint8_t { Text, Amount, Count, Byte };

struct StFIELDLAYOUT {
    std::string_view name;
    std::size_t offset;
    EnFieldType type;
    std::size_t width;  // texts only; the others take their type's size
};

struct StROWLAYOUT {
    std::size_t size;
    std::span<const StFIELDLAYOUT> fields;
    std::span<const std::string_view> names;  // of the fields, in their order
};

struct StLISTLAYOUT {
    std::string_view name;
    const StROWLAYOUT* row;
    std::size_t offset;
    std::size_t maxRows;
};

// How a block is given in the data set.
enum class EnBlockForm : std::uint8_t {
    Fields,        // an object of named fields and row lists
    Rows,          // the rows themselves, as an array
    Text,          // one text
    KasitukeRows,  // up to the list's capacity of letting rows, ended by a terminator row
};

struct StBLOCKLAYOUT {
    std::string_view name;
    std::size_t size;  // Lettings: the size of one row
    EnBlockForm form;
    std::span<const StFIELDLAYOUT> fields;
    std::span<const StLISTLAYOUT> lists;  // Rows: exactly one, at 0
};

std::span<const StBLOCKLAYOUT> IppanLayout();     // the 7 blocks of StAOSIROSAVEINFO_IPPAN
std::span<const StBLOCKLAYOUT> FudousanLayout();  // the 8 blocks of StAOSIROSAVEINFO_FUDOUSAN

// Lays out the blocks of one record (ippan or fudousan) from its data-set
// member as it is read; blocks not given stay empty.
class ClSettingsRecordReader {
public:
    ClSettingsRecordReader(std::span<const StBLOCKLAYOUT> layout, std::string_view recordName,
                           std::span<StandinBlock> blocks, std::vector<StSTANDINLISTCOUNT>& counts);
    // The record's object, at the reader.
    void Read(ClJsonReader& in);
    // Adds the rows each list was given with to counts, under recordName + "."
    // + the block's (and list's) name, in the order of the layout.
    void Finish();

private:
    void ReadBlock(ClJsonReader& in, std::size_t index);

    std::span<const StBLOCKLAYOUT> layout_;
    std::string recordName_;
    std::span<StandinBlock> blocks_;
    std::vector<StSTANDINLISTCOUNT>& counts_;
    std::vector<std::array<std::optional<std::size_t>, 2>> listRows_;  // by block, then list
};
