#pragma once
// Summary models for the report tests: rows and saved-settings blocks as the
// engine would deliver them, released like the exit step does.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/SumModel.h"
#include "engine/VkRecords.h"

constexpr std::int64_t Yen(std::int64_t yen) { return yen * 10000; }

class ReportFixture {
public:
    StSUMMODEL model;
    StDATAINFO data{};

    ReportFixture(std::uint8_t aoSiroKind = 3);
    ~ReportFixture();
    ReportFixture(const ReportFixture&) = delete;
    ReportFixture& operator=(const ReportFixture&) = delete;

    void AddRow(std::int32_t key, std::string_view name, std::int64_t kisyuAmount, std::int64_t amount);
    // Allocates a zeroed engine block of size bytes into member (released by the destructor).
    void* Block(void*& member, std::size_t size);
};

void PutText(void* block, std::size_t offset, std::string_view text);
void PutAmount(void* block, std::size_t offset, std::int64_t value);
void PutCount(void* block, std::size_t offset, std::int32_t value);
void PutByte(void* block, std::size_t offset, std::uint8_t value);

// The data sets of the golden reports.
void FillBlueGeneral(ReportFixture& f);
void FillWhiteGeneral(ReportFixture& f);
void FillBlueRealEstate(ReportFixture& f);
void FillWhiteRealEstate(ReportFixture& f);
