#pragma once
// Reading an XML document as a stream of events, without building a tree:
// the platform's parser (libxml2 on Linux, the system's XmlLite on Windows).
// The bytes are read as code page 932 whatever the declaration says, the
// table the exporter writes; names, texts and messages arrive in Shift_JIS.
#include <string>
#include <string_view>
#include <vector>

struct StXMLATTRIBUTE {
    std::string name;
    std::string value;
};

class ClXmlHandler {
public:
    virtual ~ClXmlHandler() = default;
    // line: the 1-based line of the start tag.
    virtual void StartElement(std::string_view name, int line, const std::vector<StXMLATTRIBUTE>& attributes) = 0;
    virtual void EndElement() = 0;
    // Character data, whitespace included, all of it before the next event.
    virtual void Text(std::string_view text) = 0;
    // An error that ends well-formed reading, with the line it was found on.
    virtual void Error(int line, std::string_view message) = 0;
};

// Reads the document; the events before a fatal error reach handler, then the error.
void ReadXml(std::string_view bytes, ClXmlHandler& handler);
