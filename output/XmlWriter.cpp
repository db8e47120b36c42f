#include "output/XmlWriter.h"

#include <cstring>

namespace {

void AppendIndent(std::string& line, int depth) {
    line.clear();
    if (depth > 0) line.append(static_cast<std::size_t>(depth), '\t');
}

// " name="value"" for each attribute given with both name and value; the
// second only when the first was written.
void AppendAttributes(std::string& line, const char* name1, const char* value1,
                      const char* name2, const char* value2) {
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
void AppendStartTag(std::string& line, const char* name, int depth, const char* attr1Name,
                    const char* attr1Value, const char* attr2Name, const char* attr2Value) {
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

int ClXmlWriter::WriteStartTag(std::string& line, const char* name, int depth,
                               const char* attr1Name, const char* attr1Value,
                               const char* attr2Name, const char* attr2Value) {
    return WriteFormatted(line, name, [&] {
        AppendStartTag(line, name, depth, attr1Name, attr1Value, attr2Name, attr2Value);
        line += "\r\n";
    });
}

int ClXmlWriter::WriteElement(std::string& line, const char* name, const char* text, int depth,
                              const char* attr1Name, const char* attr1Value,
                              const char* attr2Name, const char* attr2Value) {
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
    } catch (...) {
        // A line that cannot even be formatted (no memory) fails like a write.
        if (file_ && !failed_) file_->Close();
        failed_ = true;
        return 0;
    }
    return WriteLine(line.c_str()) ? 1 : 0;
}

int ClXmlWriter::Commit() {
    if (!file_ || failed_) return 0;
    if (file_->Commit()) return 1;
    file_->Close();
    failed_ = true;
    return 0;
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
    } catch (...) {
        out.clear();
    }
    return out;
}

void ClXmlWriter::AppendEscaped(std::string& out, const char* text) {
    if (!text) return;
    // Byte by byte is right for Shift_JIS: none of the five bytes can be the
    // second byte of a double-byte character.
    for (const char* p = text; *p; ++p) {
        switch (*p) {
            case '&': out += "&amp;"; break;
            case '>': out += "&gt;"; break;
            case '<': out += "&lt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default: out += *p; break;
        }
    }
}
