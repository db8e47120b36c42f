// An export as the inspector reads it, whatever its bytes: the byte check
// keeps the length it repairs, every later step runs to its end, the summary
// and the page are made, and an export compared with itself has no difference.
#include "FuzzCheck.h"
#include "examine/Checks.h"
#include "examine/Diff.h"
#include "examine/Render.h"
#include "examine/View.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::Bytes(data, size);
    const StBYTECHECK scan = CheckBytes(bytes);
    fuzz::Check(scan.repaired.empty() || scan.repaired.size() == bytes.size(), "a repair keeps the length");
    const StEXPORT file = ReadExport(scan.repaired.empty() ? bytes : std::string_view(scan.repaired), scan.startTags);
    const std::vector<StFINDING> findings = CheckExport(scan.findings, file);
    const StVIEW view = BuildView(file, findings, true);
    fuzz::Check(!RenderText(view).empty() && !RenderHtml(view).empty(), "a summary and a page are made");
    fuzz::Check(DiffExports(file, file).empty(), "an export does not differ from itself");
    return 0;
}
