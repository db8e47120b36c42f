// libxml2 with its SAX interface: no document tree is built, so memory stays
// proportional to what the handler keeps. The file is decoded as code page
// 932, the table the exporter writes (it holds characters such as ㈱ that the
// plain Shift_JIS table lacks).
#include "services/XmlReader.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <algorithm>
#include <unordered_map>

#include "platform/posix/Utf8Table.h"
#include "services/CodePage.h"

namespace {

std::string_view View(const xmlChar* text) { return reinterpret_cast<const char*>(text); }

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

struct ClSaxState {
    ClXmlHandler& handler;
    xmlParserCtxtPtr ctxt = nullptr;
    std::string text;  // UTF-8 character data not yet handed on
    // libxml2 keeps each name once, so a name is converted the first time it is seen.
    std::unordered_map<const xmlChar*, std::string> names;

    // Character data goes on whole, converted once, before the next event;
    // ASCII (the whitespace between elements, figures) is the same in both.
    void FlushText() {
        if (text.empty()) return;
        if (IsAscii(text))
            handler.Text(text);
        else
            handler.Text(Utf8ToSjisLossy(text));
        text.clear();
    }

    const std::string& Name(const xmlChar* name) {
        auto it = names.find(name);
        if (it == names.end()) it = names.emplace(name, Utf8ToSjisLossy(View(name))).first;
        return it->second;
    }
};

ClSaxState& State(void* ctx) { return *static_cast<ClSaxState*>(static_cast<xmlParserCtxtPtr>(ctx)->_private); }

void StartElement(void* ctx, const xmlChar* name, const xmlChar*, const xmlChar*, int, const xmlChar**,
                  int attributeCount, int, const xmlChar** attributes) {
    ClSaxState& s = State(ctx);
    s.FlushText();
    std::vector<StXMLATTRIBUTE> list;
    for (int i = 0; i < attributeCount; ++i) {
        // Five pointers per attribute: name, prefix, URI, value start, value end.
        const xmlChar** a = attributes + 5 * i;
        const std::string value(reinterpret_cast<const char*>(a[3]), static_cast<std::size_t>(a[4] - a[3]));
        list.push_back({Utf8ToSjisLossy(View(a[0])), Utf8ToSjisLossy(value)});
    }
    s.handler.StartElement(s.Name(name), xmlSAX2GetLineNumber(s.ctxt), list);
}

void EndElement(void* ctx, const xmlChar*, const xmlChar*, const xmlChar*) {
    ClSaxState& s = State(ctx);
    s.FlushText();
    s.handler.EndElement();
}

void Characters(void* ctx, const xmlChar* chars, int length) {
    State(ctx).text.append(reinterpret_cast<const char*>(chars), static_cast<std::size_t>(length));
}

void Error(void* ctx, xmlError* error) {
    if (error->level < XML_ERR_ERROR) return;
    ClSaxState& s = State(ctx);
    s.FlushText();
    std::string message = error->message ? error->message : "";
    while (!message.empty() && message.back() == '\n') message.pop_back();
    s.handler.Error(error->line, Utf8ToSjisLossy(message));
}

// libxml2's input conversion: through the learned table, not iconv per piece.
int Cp932ToUtf8(unsigned char* out, int* outlen, const unsigned char* in, int* inlen) {
    const StUTF8PIECE piece =
        SjisToUtf8Piece(std::string_view(reinterpret_cast<const char*>(in), static_cast<std::size_t>(*inlen)),
                        reinterpret_cast<char*>(out), static_cast<std::size_t>(*outlen));
    *inlen = static_cast<int>(piece.used);
    *outlen = static_cast<int>(piece.written);
    return piece.invalid ? -2 : *outlen;
}

xmlCharEncodingHandlerPtr Cp932() {
    static xmlCharEncodingHandlerPtr handler = xmlNewCharEncodingHandler("CP932-table", Cp932ToUtf8, nullptr);
    return handler;
}

}  // namespace

void ReadXml(std::string_view bytes, ClXmlHandler& handler) {
    ClSaxState state{handler, nullptr, {}, {}};
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
    // Pushed in pieces, libxml2 holds one piece and its UTF-8 form at a time,
    // not a copy of the whole file and then a second, converted one.
    xmlParserCtxtPtr ctxt = xmlCreatePushParserCtxt(&sax, nullptr, nullptr, 0, "export.xml");
    if (!ctxt) return;
    ctxt->_private = &state;
    state.ctxt = ctxt;
    xmlCtxtUseOptions(ctxt, XML_PARSE_NONET | XML_PARSE_HUGE | XML_PARSE_IGNORE_ENC);
    if (!Cp932() || xmlSwitchToEncoding(ctxt, Cp932()) != 0) {
        xmlFreeParserCtxt(ctxt);
        handler.Error(0, "no code page 932 decoder");
        return;
    }
    constexpr std::size_t kPiece = 64 * 1024;
    bool failed = false;
    for (std::size_t at = 0; at < bytes.size() && !failed; at += kPiece) {
        const std::size_t size = std::min(kPiece, bytes.size() - at);
        failed = xmlParseChunk(ctxt, bytes.data() + at, static_cast<int>(size), 0) != 0;
    }
    if (!failed) xmlParseChunk(ctxt, nullptr, 0, 1);
    state.FlushText();  // a cut file: what the innermost element read
    xmlFreeDoc(ctxt->myDoc);
    xmlFreeParserCtxt(ctxt);
}
