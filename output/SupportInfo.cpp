#include "output/SupportInfo.h"

#include <cstring>
#include <new>
#include <string>
#include <string_view>

#include "common/AppName.h"
#include "common/Sjis.h"
#include "services/MessageBox.h"
#include "services/ReadFile.h"

namespace {
constexpr char kFileName[] = "SUPPORT.INF";
constexpr char kProductNameMarker[] = "[=製品名=]";
constexpr char kProductVersionMarker[] = "[=製品ﾊﾞｰｼﾞｮﾝ=]";
constexpr unsigned char kFiller = 0xFF;
constexpr unsigned char kEndOfFile = 0x1A;

// Copies at most capacity - 1 bytes of text into out, never splitting a
// double-byte character, and terminates it.
template <std::size_t capacity>
void CopyCut(std::string_view text, char (&out)[capacity]) {
    const std::size_t length = sjis::CutLength(text, capacity - 1);
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
}
}  // namespace

ClSupportInfo::~ClSupportInfo() = default;

int ClSupportInfo::Load() {
    if (buffer_) return 1;
    buffer_.reset(new (std::nothrow) unsigned char[kBufferSize]);
    if (!buffer_) {
        // An OK box that names no icon gets the framework's warning icon.
        CurrentMessageBox().Show(0, "ﾒﾓﾘが不足しています。", kAppName, mb::kOk | mb::kIconWarning);
        return 0;
    }
    std::memset(buffer_.get(), kFiller, kBufferSize);

    // The current directory: the run makes the program's folder current.
    const long read = ReadFileHead(kFileName, buffer_.get(), kBufferSize);
    if (read < 0) {
        std::memset(buffer_.get(), kFiller, kBufferSize);  // a failed read may have left bytes
        return 0;
    }
    length_ = static_cast<std::size_t>(read);

    // Line ends and the end-of-file mark become terminators, so a value is
    // the zero-terminated text after its marker.
    unsigned char* data = buffer_.get();
    for (std::size_t i = 0; i < length_; ++i) {
        if (data[i] == '\r' && i + 1 < length_ && data[i + 1] == '\n') {
            data[i] = data[i + 1] = '\0';
            ++i;
        } else if (data[i] == kEndOfFile) {
            data[i] = '\0';
        }
    }
    return 1;
}

const char* ClSupportInfo::GetProductName() { return Lookup(kProductNameMarker, productName_); }

const char* ClSupportInfo::GetProductVersion() { return Lookup(kProductVersionMarker, productVersion_); }

// The value after the first marker that starts a character, up to its
// terminator or the end of the bytes read (never into the filler), cut to
// the value capacity.
const char* ClSupportInfo::Lookup(const char* marker, char (&value)[kValueCapacity]) {
    if (Load() != 1) return "";
    const std::string_view data(reinterpret_cast<const char*>(buffer_.get()), length_);
    const std::string_view key(marker);
    for (std::size_t pos = 0; pos + key.size() <= data.size(); pos += sjis::CharLengthAt(data, pos)) {
        if (data.compare(pos, key.size(), key) != 0) continue;
        std::string_view rest = data.substr(pos + key.size());
        CopyCut(rest.substr(0, rest.find('\0')), value);
        return value;
    }
    return "";
}
