#include "output/XmlWriter.h"

#include <cstring>
#include <new>
#include <string_view>

#include "common/Sjis.h"

namespace {

// The control bytes XML 1.0 does not allow in a document; TAB, LF and CR it does.
constexpr bool IsRefusedControl(unsigned char b) {
    return (b >= 0x01 && b <= 0x08) || b == 0x0B || b == 0x0C || (b >= 0x0E && b <= 0x1F);
}

void AppendIndent(std::string& line, int depth) {
    line.clear();
    if (depth > 0) line.append(static_cast<std::size_t>(depth), '\t');
}

// " name="value"" for each attribute given with both name and value; the
// second only when the first was written.
void AppendAttributes(std::string& line, const char* name1, const char* value1, const char* name2, const char* value2) {
    const char* names[] = {name1, name2};
    const char* values[] = {value1, value2};
    for (int i = 0; i < 2; ++i) {
        if (!names[i] || !values[i]) return;
        line += ' ';
        line += names[i];
        line += "=\"";
        ClXmlWriter::AppendEscaped(line, values[i]);
        line += '"';
    }
}

// Indentation, "<", the name and its attributes, ">".
void AppendStartTag(std::string& line, const char* name, int depth, const char* attr1Name, const char* attr1Value,
                    const char* attr2Name, const char* attr2Value) {
    AppendIndent(line, depth);
    line += '<';
    line += name;
    AppendAttributes(line, attr1Name, attr1Value, attr2Name, attr2Value);
    line += '>';
}

}  // namespace

ClXmlWriter::~ClXmlWriter() { Close(); }

std::int16_t ClXmlWriter::Open(ClOutputFile* file, const char* path) {
    if (!file || !path || !*path) return -1;
    file_ = file;
    failed_ = !file_->Create(path);
    // A file that cannot be created leaves the writer failed, so the first
    // write reports the failure to the report frame.
    return failed_ ? -1 : 0;
}

int ClXmlWriter::WriteLine(const char* text) {
    if (!file_ || failed_ || !text) return 0;
    if (file_->Write(text, std::strlen(text))) return 1;
    // The temporary file goes; the target keeps whatever stood there.
    file_->Close();
    failed_ = true;
    return 0;
}

int ClXmlWriter::WriteStartTag(std::string& line, const char* name, int depth, const char* attr1Name,
                               const char* attr1Value, const char* attr2Name, const char* attr2Value) {
    return WriteFormatted(line, name, [&] {
        AppendStartTag(line, name, depth, attr1Name, attr1Value, attr2Name, attr2Value);
        line += "\r\n";
    });
}

int ClXmlWriter::WriteElement(std::string& line, const char* name, const char* text, int depth, const char* attr1Name,
                              const char* attr1Value, const char* attr2Name, const char* attr2Value) {
    return WriteFormatted(line, name, [&] {
        AppendStartTag(line, name, depth, attr1Name, attr1Value, attr2Name, attr2Value);
        AppendEscaped(line, text);
        line += "</";
        line += name;
        line += ">\r\n";
    });
}

int ClXmlWriter::WriteEndTag(std::string& line, const char* name, int depth) {
    return WriteFormatted(line, name, [&] {
        AppendIndent(line, depth);
        line += "</";
        line += name;
        line += ">\r\n";
    });
}

template <typename Format>
int ClXmlWriter::WriteFormatted(std::string& line, const char* name, Format format) {
    if (!name) return 0;
    try {
        format();
    } catch (const std::bad_alloc&) {
        // A line that cannot even be formatted (no memory) fails like a write.
        if (file_ && !failed_) file_->Close();
        failed_ = true;
        return 0;
    }
    return WriteLine(line.c_str()) ? 1 : 0;
}

bool ClXmlWriter::Commit() {
    if (!file_ || failed_) return false;
    if (file_->Commit()) return true;
    file_->Close();
    failed_ = true;
    return false;
}

std::int16_t ClXmlWriter::Close() {
    if (file_) file_->Close();
    file_ = nullptr;
    failed_ = false;
    return 0;
}

std::string ClXmlWriter::Escape(const char* text) {
    std::string out;
    try {
        AppendEscaped(out, text);
    } catch (const std::bad_alloc&) {
        out.clear();
    }
    return out;
}

void ClXmlWriter::AppendEscaped(std::string& out, const char* text) {
    if (!text) return;
    const std::string_view view(text);
    for (std::size_t i = 0; i < view.size();) {
        // A whole double-byte character passes unchanged; none of the five
        // escaped bytes can be its second byte. A pair code page 932 leaves
        // unassigned would make a reader refuse the whole file: one space.
        if (sjis::CharLengthAt(view, i) == 2) {
            if (sjis::IsAssignedPair(static_cast<unsigned char>(view[i]), static_cast<unsigned char>(view[i + 1]))) {
                out.append(view, i, 2);
            } else {
                out += ' ';
            }
            i += 2;
            continue;
        }
        const auto b = static_cast<unsigned char>(view[i++]);
        // A first byte whose second byte the field's width cut off is left out.
        if (sjis::IsLeadByte(b) && i == view.size()) break;
        // Only whole characters reach the file, and no control byte that a
        // strict parser refuses: a broken pair, a byte that is never a
        // character or such a control byte becomes a space.
        if (sjis::IsLeadByte(b) || sjis::IsNeverChar(b) || IsRefusedControl(b)) {
            out += ' ';
            continue;
        }
        switch (b) {
            case '&':
                out += "&amp;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                out += static_cast<char>(b);
                break;
        }
    }
}
