#pragma once
// The element structure the exporter writes for one return kind and income
// kind, taken from the report builder itself run on an empty summary model,
// so that it can never drift from what the exporter writes.
#include <cstdint>
#include <string>

#include "engine/SaveLayout.h"
#include "examine/Export.h"

// The letting list is the one list whose length varies (up to the engine's capacity).
constexpr int kMaxLettingRows = savelayout::kasituke::kMaxRows;

// The export the builder writes for aoSiroKind (3 blue, 4 white) and
// incomeKind (1, 2, 3), read back: every element with one letting row.
// Empty when the kinds are not ones the exporter writes.
StEXPORT ExpectedShape(std::uint8_t aoSiroKind, std::int16_t incomeKind);
