// The file's bytes, read before the parser sees them: every byte that is no
// code page 932 character is reported with its line and element and replaced
// in a copy of the same length (a pair by a full-width space, a byte by "?"),
// so that lines stay where they were and reading goes on after it. Markup the
// exporter never writes (comments, CDATA, processing instructions,
// attributes other than a row's COUNT) is reported here too.
#include <array>

#include "examine/Checks.h"
#include "common/Sjis.h"

namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";
constexpr std::string_view kFullWidthSpace = "\x81\x40";

std::string Hex(unsigned char b) {
    const char* digits = "0123456789ABCDEF";
    return std::string("0x") + digits[b >> 4] + digits[b & 15];
}

bool IsNameByte(char c) { return c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '>' && c != '/'; }

class ClByteScan {
public:
    explicit ClByteScan(std::string_view bytes) : b_(bytes) {}

    StBYTECHECK Run() {
        if (!b_.starts_with(kDeclaration))
            Find("1行目が宣言 <?xml version=\"1.0\" encoding=\"Shift_JIS\"?> ではありません");
        std::size_t i = b_.starts_with("<?xml") ? Skip(0, "?>") : 0;
        while (i < b_.size()) {
            i = PastPlainText(i, b_.size());
            if (i < b_.size()) i = b_[i] == '<' ? Markup(i) : Char(i, true);
        }
        if (!b_.empty() && b_.back() != '\n') Find("ファイルが行の途中で終わっています");
        return std::move(result_);
    }

private:
    void Find(std::string message) { result_.findings.push_back({line_, element_, std::move(message)}); }

    void Repair(std::size_t at, std::string_view with) {
        if (result_.repaired.empty()) result_.repaired.assign(b_);
        result_.repaired.replace(at, with.size(), with);
    }

    // Printable ASCII other than "<" needs no look; most of a file is such.
    static constexpr auto kPlain = [] {
        std::array<bool, 256> plain{};
        for (int c = 0x20; c < 0x7F; ++c) plain[c] = c != '<';
        return plain;
    }();

    std::size_t PastPlainText(std::size_t i, std::size_t end) const {
        while (i < end && kPlain[static_cast<unsigned char>(b_[i])]) ++i;
        return i;
    }

    // One character at i; returns the position after it. TAB, CR and LF in a
    // text are the value check's; elsewhere lines end with CR LF.
    std::size_t Char(std::size_t i, bool inText) {
        const auto c = static_cast<unsigned char>(b_[i]);
        if (c == '\n' || c == '\r') return LineBreak(i, inText);
        if (c == '\t') return i + 1;
        if (c < 0x20 || c == 0x7F) return Bad(i, 1, "制御文字 " + Hex(c) + " があります");
        if (sjis::IsLeadByte(c)) {
            if (i + 1 >= b_.size() || !sjis::IsTrailByte(static_cast<unsigned char>(b_[i + 1]))) {
                return Bad(i, 1, "文字の途中で切れたバイト " + Hex(c) + " があります");
            }
            const auto t = static_cast<unsigned char>(b_[i + 1]);
            if (!sjis::IsAssignedPair(c, t))
                return Bad(i, 2, "コードページ932にない文字 " + Hex(c) + " " + Hex(t) + " があります");
            return i + 2;
        }
        if (sjis::IsNeverChar(c)) return Bad(i, 1, "コードページ932にないバイト " + Hex(c) + " があります");
        return i + 1;
    }

    std::size_t Bad(std::size_t i, std::size_t length, std::string message) {
        Find(std::move(message));
        Repair(i, length == 2 ? kFullWidthSpace : "?");
        return i + length;
    }

    std::size_t LineBreak(std::size_t i, bool inText) {
        const bool crlf = b_[i] == '\n' ? i > 0 && b_[i - 1] == '\r' : i + 1 < b_.size() && b_[i + 1] == '\n';
        if (!crlf) {
            if (inText)
                pendingBreaks_.push_back(line_);
            else
                Find("行末が CR LF ではありません");
        }
        if (b_[i] == '\n') ++line_;
        return i + 1;
    }

    // Text ends at a "<". A leaf's own text is the value check's; the line
    // ends between tags are the file's layout and must be CR LF.
    void EndText(bool leafText) {
        if (!leafText) {
            for (int line : pendingBreaks_) result_.findings.push_back({line, element_, "行末が CR LF ではありません"});
        }
        pendingBreaks_.clear();
    }

    std::size_t Markup(std::size_t i) {
        const std::string_view rest = b_.substr(i);
        EndText(afterStartTag_ && rest.starts_with("</"));
        afterStartTag_ = false;
        if (rest.starts_with("<!--")) return Other(i, "-->", "コメントは書き出されません");
        if (rest.starts_with("<![CDATA[")) return Other(i, "]]>", "CDATA セクションは書き出されません");
        if (rest.starts_with("<?")) return Other(i, "?>", "処理命令は書き出されません");
        if (rest.starts_with("<!")) return Other(i, ">", "文書型宣言は書き出されません");
        const bool end = rest.starts_with("</");
        std::size_t k = i + (end ? 2 : 1);
        const std::size_t name = k;
        while (k < b_.size() && IsNameByte(b_[k])) ++k;
        element_.assign(b_.substr(name, k - name));
        const std::size_t close = b_.find('>', k);
        const std::size_t stop = close == std::string_view::npos ? b_.size() : close;
        std::string_view attributes = b_.substr(k, stop - k);
        const bool empty = attributes.ends_with('/');
        if (empty) attributes.remove_suffix(1);
        Attributes(attributes);
        for (std::size_t p = PastPlainText(k, stop); p < stop; p = PastPlainText(Char(p, false), stop)) {
        }
        afterStartTag_ = !end && !empty;
        return stop == b_.size() ? stop : stop + 1;
    }

    // A row's COUNT="n" is the one attribute written (the structure check
    // knows the rows); its number has no leading zero.
    void Attributes(std::string_view text) {
        const std::size_t first = text.find_first_not_of(" \t\r\n");
        if (first == std::string_view::npos) return;
        text = text.substr(first);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
        if (text.starts_with("COUNT=\"") && text.ends_with('"') && text.size() > 8) {
            const std::string_view digits = text.substr(7, text.size() - 8);
            if (digits.find_first_not_of("0123456789") == std::string_view::npos) {
                if (digits[0] == '0') Find("COUNT の数の先頭に 0 があります: " + std::string(digits));
                return;
            }
        }
        Find("書き出されない属性があります");
    }

    std::size_t Other(std::size_t i, std::string_view terminator, std::string message) {
        Find(std::move(message));
        return Skip(i, terminator);
    }

    // Past the terminator, the bytes on the way checked.
    std::size_t Skip(std::size_t i, std::string_view terminator) {
        const std::size_t at = b_.find(terminator, i);
        const std::size_t stop = at == std::string_view::npos ? b_.size() : at + terminator.size();
        while (i < stop) i = Char(i, false);
        return stop;
    }

    std::string_view b_;
    StBYTECHECK result_;
    int line_ = 1;
    std::string element_;
    bool afterStartTag_ = false;
    std::vector<int> pendingBreaks_;
};

}  // namespace

StBYTECHECK CheckBytes(std::string_view bytes) { return ClByteScan(bytes).Run(); }
