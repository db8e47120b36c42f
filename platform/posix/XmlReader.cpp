// libxml2 with its SAX interface: no document tree is built, so memory stays
// proportional to what the handler keeps. The file is decoded as code page
// 932, the table the exporter writes (it holds characters such as ㈱ that the
// plain Shift_JIS table lacks).
#include "services/XmlReader.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <climits>

#include "services/CodePage.h"

namespace {

std::string_view View(const xmlChar* text) { return reinterpret_cast<const char*>(text); }

struct ClSaxState {
    ClXmlHandler& handler;
    xmlParserCtxtPtr ctxt = nullptr;
    std::string text;  // UTF-8 character data not yet handed on

    // Character data goes on whole, converted once, before the next event.
    void FlushText() {
        if (text.empty()) return;
        handler.Text(Utf8ToSjisLossy(text));
        text.clear();
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
    s.handler.StartElement(Utf8ToSjisLossy(View(name)), xmlSAX2GetLineNumber(s.ctxt), list);
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

}  // namespace

void ReadXml(std::string_view bytes, ClXmlHandler& handler) {
    ClSaxState state{handler, nullptr, {}};
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return;  // no events: no document
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
    if (!ctxt) return;
    *ctxt->sax = sax;
    ctxt->_private = &state;
    ctxt->userData = ctxt;
    state.ctxt = ctxt;
    xmlDocPtr doc = xmlCtxtReadMemory(ctxt, bytes.data(), static_cast<int>(bytes.size()), "export.xml", "CP932",
                                      XML_PARSE_NONET | XML_PARSE_HUGE);
    state.FlushText();  // a cut file: what the innermost element read
    xmlFreeDoc(doc);
    xmlFreeParserCtxt(ctxt);
}
