// The parser is libxml2 with its SAX interface, so that no document tree is
// built: memory stays proportional to the elements kept. The file declares
// Shift_JIS but is read as code page 932, the table the exporter writes (it
// holds characters such as ㈱ that the plain Shift_JIS table lacks).
#include <iconv.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "examine/Export.h"

namespace {

// UTF-8 back to code page 932 through one conversion descriptor for the
// whole file: opening one per text would cost more than the parse.
class ClToSjis {
public:
    ClToSjis() : cd_(iconv_open("CP932", "UTF-8")) {}
    ~ClToSjis() {
        if (cd_ != kNone) iconv_close(cd_);
    }
    ClToSjis(const ClToSjis&) = delete;
    ClToSjis& operator=(const ClToSjis&) = delete;

    // Texts are ASCII digits mostly; they need no conversion. A character
    // code page 932 lacks (it cannot come from a code page 932 file) becomes "?".
    std::string operator()(const std::string& utf8) {
        if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) return utf8;
        std::string out(utf8.size(), '\0');  // code page 932 never takes more bytes than UTF-8
        char* src = const_cast<char*>(utf8.data());
        char* dst = out.data();
        std::size_t left = utf8.size(), room = out.size();
        if (cd_ == kNone) return "?";
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (left > 0 && iconv(cd_, &src, &left, &dst, &room) == static_cast<std::size_t>(-1)) {
            if (room == 0) break;
            *dst++ = '?';
            --room;
            ++src;
            --left;
        }
        out.resize(out.size() - room);
        return out;
    }

private:
    static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);
    iconv_t cd_;
};

struct ClSaxState {
    StEXPORT result;
    std::vector<std::size_t> open;  // indexes of the elements not yet ended
    std::string text;               // UTF-8 text of the innermost open element
    xmlParserCtxtPtr ctxt = nullptr;
    ClToSjis toSjis;

    int Line() const { return ctxt ? xmlSAX2GetLineNumber(ctxt) : 0; }
};

ClSaxState& State(void* ctx) {
    return *static_cast<ClSaxState*>(static_cast<xmlParserCtxtPtr>(ctx)->_private);
}

int CountAttribute(int count, const xmlChar** attributes) {
    // libxml2 gives five pointers per attribute: name, prefix, URI, value start, value end.
    for (int i = 0; i < count; ++i) {
        const xmlChar** a = attributes + 5 * i;
        if (std::strcmp(reinterpret_cast<const char*>(a[0]), "COUNT") != 0) continue;
        std::string value(reinterpret_cast<const char*>(a[3]), static_cast<std::size_t>(a[4] - a[3]));
        if (value.empty() || value.size() > 9 || !std::all_of(value.begin(), value.end(), ::isdigit)) return -1;
        return std::stoi(value);
    }
    return 0;
}

void StartElement(void* ctx, const xmlChar* name, const xmlChar*, const xmlChar*, int, const xmlChar**,
                  int attributeCount, int, const xmlChar** attributes) {
    ClSaxState& s = State(ctx);
    if (!s.open.empty()) s.result.elements[s.open.back()].leaf = false;
    StELEMENT e;
    e.name = reinterpret_cast<const char*>(name);
    e.line = s.Line();
    e.depth = static_cast<int>(s.open.size());
    e.count = CountAttribute(attributeCount, attributes);
    if (e.depth == 0 && e.name == "REPORT") s.result.isExport = true;
    s.open.push_back(s.result.elements.size());
    s.result.elements.push_back(std::move(e));
    s.text.clear();
}

void EndElement(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*) {
    ClSaxState& s = State(ctx);
    StELEMENT& e = s.result.elements[s.open.back()];
    if (e.leaf) e.text = s.toSjis(s.text);
    s.open.pop_back();
    s.text.clear();
}

void Characters(void* ctx, const xmlChar* chars, int length) {
    State(ctx).text.append(reinterpret_cast<const char*>(chars), static_cast<std::size_t>(length));
}

void Error(void* ctx, xmlError* error) {
    if (error->level < XML_ERR_ERROR) return;
    auto* parser = static_cast<xmlParserCtxtPtr>(ctx);
    ClSaxState& s = *static_cast<ClSaxState*>(parser->_private);
    if (std::any_of(s.result.findings.begin(), s.result.findings.end(),
                    [](const StFINDING& f) { return f.message.starts_with("XML"); })) return;  // the first error says it
    std::string message = error->message ? error->message : "";
    while (!message.empty() && message.back() == '\n') message.pop_back();
    std::string element = s.open.empty() ? "" : s.result.elements[s.open.back()].name;
    s.result.findings.push_back({error->line, element, "XMLとして読めません: " + s.toSjis(message)});
}

}  // namespace

const StELEMENT* StEXPORT::Find(std::string_view name, int depth) const {
    for (const StELEMENT& e : elements) {
        if (e.name == name && (depth < 0 || e.depth == depth)) return &e;
    }
    return nullptr;
}

std::string StEXPORT::TextOf(std::string_view name) const {
    const StELEMENT* e = Find(name);
    return e ? e->text : std::string();
}

StEXPORT ReadExport(std::string_view bytes) {
    ClSaxState state;
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return state.result;
    xmlSAXHandler sax{};
    xmlSAXVersion(&sax, 2);
    sax.startElementNs = StartElement;
    sax.endElementNs = EndElement;
    sax.characters = Characters;
    sax.serror = Error;
    sax.warning = nullptr;
    sax.error = nullptr;
    sax.fatalError = nullptr;
    sax.internalSubset = nullptr;
    sax.externalSubset = nullptr;
    sax.ignorableWhitespace = Characters;
    xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
    if (!ctxt) return state.result;
    *ctxt->sax = sax;
    ctxt->_private = &state;
    ctxt->userData = ctxt;
    state.ctxt = ctxt;
    xmlDocPtr doc = xmlCtxtReadMemory(ctxt, bytes.data(), static_cast<int>(bytes.size()), "export.xml", "CP932",
                                      XML_PARSE_NONET | XML_PARSE_HUGE);
    xmlFreeDoc(doc);
    xmlFreeParserCtxt(ctxt);
    // Elements still open at the end (a cut file) keep what they read.
    for (std::size_t i : state.open) {
        StELEMENT& e = state.result.elements[i];
        if (e.leaf) e.text = state.toSjis(state.text);
    }
    return state.result;
}
