#pragma once
// Writes the report one line at a time: start tags, elements with text, end
// tags, each indented by one TAB per depth and ended with CR LF. Open, Close
// and the Write calls keep the integer results the report builders are
// written against (0 / -1 and 1 / 0); Commit is the program's own and says
// true or false.
#include <cstdint>
#include <string>

#include "services/OutputFile.h"

class ClXmlWriter {
public:
    ClXmlWriter() = default;
    ClXmlWriter(const ClXmlWriter&) = delete;
    ClXmlWriter& operator=(const ClXmlWriter&) = delete;
    ~ClXmlWriter();  // runs Close

    // 0: open; -1: file or path missing, or the file cannot be created.
    std::int16_t Open(ClOutputFile* file, const char* path);
    // 1 written, 0 failed (the writer then stays failed).
    int WriteLine(const char* text);
    // line is the caller's scratch buffer; afterwards it holds the line written.
    int WriteStartTag(std::string& line, const char* name, int depth, const char* attr1Name = nullptr,
                      const char* attr1Value = nullptr, const char* attr2Name = nullptr,
                      const char* attr2Value = nullptr);
    int WriteElement(std::string& line, const char* name, const char* text, int depth, const char* attr1Name = nullptr,
                     const char* attr1Value = nullptr, const char* attr2Name = nullptr,
                     const char* attr2Value = nullptr);
    int WriteEndTag(std::string& line, const char* name, int depth);
    // Puts the file in place at the path (after a complete report); false
    // leaves the target as it was.
    bool Commit();
    // Closes; an uncommitted file is discarded. Always 0.
    std::int16_t Close();

    // The text with & > < " ' replaced by their entities and only whole code
    // page 932 characters kept (see AppendEscaped); no length limit. Empty when
    // there is no memory for it.
    static std::string Escape(const char* text);
    // Appends the escaped text; may throw std::bad_alloc. A first byte at the
    // end of the text (a character cut by its field) is left out; a broken
    // pair's first byte, a byte that is never a character and the control
    // bytes other than TAB, LF and CR are written as a space.
    static void AppendEscaped(std::string& out, const char* text);

private:
    template <typename Format>
    int WriteFormatted(std::string& line, const char* name, Format format);

    ClOutputFile* file_ = nullptr;
    bool failed_ = false;
};
