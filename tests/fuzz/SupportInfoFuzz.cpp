// The support-information file "SUPPORT.INF": any content gives a product
// name and version that are terminated, fit their buffers and come from
// the file's own bytes after their marker.
#include <unistd.h>

#include <cstring>

#include "FuzzCheck.h"
#include "output/SupportInfo.h"

namespace {

// True when value occurs in the content right after marker.
bool FollowsMarker(std::string_view content, std::string_view marker, std::string_view value) {
    for (std::size_t at = content.find(marker); at != std::string_view::npos;
         at = content.find(marker, at + 1)) {
        if (content.substr(at + marker.size(), value.size()) == value) return true;
    }
    return false;
}

void CheckValue(std::string_view content, const char* value, const char* marker) {
    const std::size_t length = strnlen(value, ClSupportInfo::kValueCapacity);
    fuzz::Check(length < ClSupportInfo::kValueCapacity, "a value fits its buffer");
    if (length > 0) {
        fuzz::Check(FollowsMarker(content, marker, std::string_view(value, length)),
                    "a value is the text after its marker");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content = fuzz::Bytes(data, size);
    const std::string& folder = fuzz::PrivateFolder();
    fuzz::Check(fuzz::PutFile(folder + "SUPPORT.INF", content), "the input file can be written");

    // The file is read from the current folder, as the program's own folder.
    fuzz::Check(::chdir(folder.c_str()) == 0, "the input folder can be entered");
    ClSupportInfo info;
    const std::string_view read = content.substr(0, ClSupportInfo::kBufferSize);
    CheckValue(read, info.GetProductName(), "[=製品名=]");
    CheckValue(read, info.GetProductVersion(), "[=製品ﾊﾞｰｼﾞｮﾝ=]");
    return 0;
}
