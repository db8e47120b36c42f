#pragma once
// The saved-settings blocks of a data set laid out at the engine's offsets.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
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
};

struct StLISTLAYOUT {
    std::string_view name;
    const StROWLAYOUT* row;
    std::size_t offset;
    std::size_t maxRows;
};

// How a block is given in the data set.
enum class EnBlockForm : std::uint8_t {
    Fields,    // an object of named fields and row lists
    Rows,      // the rows themselves, as an array
    Text,      // one text
    Lettings,  // any number of letting rows, ended by a terminator row
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

// Lays out the blocks of a record from its data-set member (absent: all
// empty); the rows each list was given with are added to counts under
// recordName + "." + the block's (and list's) name.
void ReadSettingsBlocks(const std::optional<ClJsonNode>& record, std::string_view recordName,
                        std::span<const StBLOCKLAYOUT> layout, std::span<StandinBlock> blocks,
                        std::vector<StStandinListCount>& counts);
