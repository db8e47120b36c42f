// The engine data set the stand-in reads: any text is either a data set or
// refused with the member and the problem named, never a fault.
#include "FuzzCheck.h"
#include "standin/StandinDataset.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StSTANDINDATASET dataset;
    StDATASETERROR error;
    if (ParseDataset(fuzz::Bytes(data, size), dataset, error)) return 0;
    fuzz::Check(!error.problem.empty(), "a refusal says what is wrong");
    fuzz::Check(!DatasetErrorLine("fuzz.json", error).empty(), "a refusal makes its line");
    return 0;
}
