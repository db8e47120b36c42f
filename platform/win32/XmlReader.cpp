// The system's XmlLite (xmllite.dll, part of Windows since Vista). MinGW-w64
// has its header but no import library, so the two functions are bound at
// run time. XmlLite knows no code page 932 of its own: the bytes are decoded
// here, with the program's table, and handed over in a Unicode form.
#include "services/XmlReader.h"

#include "platform/win32/WinApi.h"
#include <ole2.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <algorithm>
#include <climits>
#include <cstdio>

#include "common/Sjis.h"
#include "platform/win32/WideText.h"

namespace {

using CreateReaderCall = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);
using CreateInputCall = HRESULT(WINAPI*)(IUnknown*, IMalloc*, LPCWSTR, BOOL, LPCWSTR, IXmlReaderInput**);

struct StXMLLITE {
    CreateReaderCall createReader = nullptr;
    CreateInputCall createInput = nullptr;
};

// Bound once; the library stays loaded for the program's life.
const StXMLLITE& XmlLite() {
    static const StXMLLITE bound = [] {
        StXMLLITE calls;
        HMODULE library = LoadLibraryW(L"xmllite.dll");
        if (!library) return calls;
        calls.createReader =
            reinterpret_cast<CreateReaderCall>(reinterpret_cast<void*>(GetProcAddress(library, "CreateXmlReader")));
        calls.createInput = reinterpret_cast<CreateInputCall>(
            reinterpret_cast<void*>(GetProcAddress(library, "CreateXmlReaderInputWithEncodingName")));
        return calls;
    }();
    return bound;
}

// A COM pointer released when it goes.
template <typename T>
class ClCom {
public:
    ClCom() = default;
    ~ClCom() {
        if (p_) p_->Release();
    }
    ClCom(const ClCom&) = delete;
    ClCom& operator=(const ClCom&) = delete;
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    T** out() { return &p_; }
    void** outVoid() { return reinterpret_cast<void**>(&p_); }

private:
    T* p_ = nullptr;
};

// What went wrong, in words where XmlLite's code is one a broken export gives.
std::string ErrorText(HRESULT code) {
    struct StKNOWN {
        HRESULT code;
        const char* text;
    };
    static const StKNOWN kKnown[] = {
        {static_cast<HRESULT>(MX_E_INPUTEND), "the file ends inside the document"},
        {static_cast<HRESULT>(WC_E_ELEMENTMATCH), "an end tag does not match its start tag"},
        {static_cast<HRESULT>(WC_E_XMLCHARACTER), "a character XML does not allow"},
        {static_cast<HRESULT>(WC_E_NAMECHARACTER), "a character no name may hold"},
        {static_cast<HRESULT>(WC_E_GREATERTHAN), "'>' expected"},
        {static_cast<HRESULT>(WC_E_QUOTE), "a quote expected"},
        {static_cast<HRESULT>(WC_E_SYNTAX), "a syntax error"},
        {static_cast<HRESULT>(WC_E_DTDPROHIBITED), "a document type declaration"},
    };
    char code8[16];
    std::snprintf(code8, sizeof code8, "0x%08lX", static_cast<unsigned long>(code));
    for (const StKNOWN& k : kKnown) {
        if (k.code == code) return std::string(k.text) + " (XmlLite " + code8 + ")";
    }
    return std::string("XmlLite ") + code8;
}

int Line(IXmlReader* reader) {
    UINT line = 0;
    reader->GetLineNumber(&line);
    return static_cast<int>(line);
}

std::string Sjis(const WCHAR* text, UINT length) {
    return WideToCodePageLossy(kCodePage932, std::wstring_view(text, length));
}

void StartElement(IXmlReader* reader, ClXmlHandler& handler) {
    const int line = Line(reader);
    const bool empty = reader->IsEmptyElement();
    const WCHAR* name = nullptr;
    UINT nameLength = 0;
    reader->GetLocalName(&name, &nameLength);
    const std::string elementName = Sjis(name, nameLength);
    std::vector<StXMLATTRIBUTE> attributes;
    for (HRESULT at = reader->MoveToFirstAttribute(); at == S_OK; at = reader->MoveToNextAttribute()) {
        const WCHAR* value = nullptr;
        UINT valueLength = 0;
        reader->GetLocalName(&name, &nameLength);
        reader->GetValue(&value, &valueLength);
        attributes.push_back({Sjis(name, nameLength), Sjis(value, valueLength)});
    }
    reader->MoveToElement();
    handler.StartElement(elementName, line, attributes);
    if (empty) handler.EndElement();  // <A/> has no end tag of its own
}

void ReadEvents(IXmlReader* reader, ClXmlHandler& handler) {
    XmlNodeType type = XmlNodeType_None;
    HRESULT result = S_OK;
    while ((result = reader->Read(&type)) == S_OK) {
        switch (type) {
            case XmlNodeType_Element:
                StartElement(reader, handler);
                break;
            case XmlNodeType_EndElement:
                handler.EndElement();
                break;
            case XmlNodeType_Text:
            case XmlNodeType_CDATA:
            case XmlNodeType_Whitespace: {
                const WCHAR* value = nullptr;
                UINT length = 0;
                reader->GetValue(&value, &length);
                if (length == 0) {
                    // Wine's XmlLite, in text that a cut file ends, answers
                    // S_OK with an empty text for ever instead of an error.
                    handler.Error(Line(reader), ErrorText(static_cast<HRESULT>(MX_E_INPUTEND)));
                    return;
                }
                handler.Text(Sjis(value, length));
                break;
            }
            default:
                break;
        }
    }
    if (FAILED(result)) handler.Error(Line(reader), ErrorText(result));
}

// The text handed over is UTF-8, decoded with the program's table already;
// the declaration's encoding (Shift_JIS) would have XmlLite switch to a
// decoder of its own (Wine refuses the name outright). Its value is made
// "UTF-8"; the line numbers stay.
void DeclareUtf8(std::string& text) {
    if (!text.starts_with("<?xml")) return;
    const std::size_t end = text.find("?>");
    const std::size_t name = text.find("encoding", 5);
    if (end == std::string::npos || name == std::string::npos || name > end) return;
    const std::size_t open = text.find_first_of("\"'", name);
    if (open == std::string::npos || open > end) return;
    const std::size_t close = text.find(text[open], open + 1);
    if (close == std::string::npos || close > end) return;
    text.replace(open + 1, close - open - 1, "UTF-8");
}

// The text for XmlLite with every non-ASCII character of a text or an
// attribute value written as a character reference: Wine's XmlLite garbles a
// multi-byte character that straddles its read buffer (in UTF-16 past 16 KiB
// as in UTF-8), and ASCII has none. Lines stay where they were. The file is
// decoded a piece at a time, so that no Unicode copy of all of it is held;
// a tag or a quoted value may run on into the next piece.
class ClAsciiXml {
public:
    void Add(std::wstring_view wide) {
        for (std::size_t i = 0; i < wide.size(); ++i) {
            const wchar_t c = wide[i];
            if (c < 0x80) {
                if (inTag_ && quote_ == 0 && (c == L'"' || c == L'\'')) {
                    quote_ = c;
                } else if (quote_ != 0 && c == quote_) {
                    quote_ = 0;
                } else if (c == L'<' && !inTag_) {
                    inTag_ = true;
                } else if (c == L'>' && inTag_ && quote_ == 0) {
                    inTag_ = false;
                }
                out += static_cast<char>(c);
                continue;
            }
            std::size_t units = 1;
            unsigned long code = c;
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] < 0xE000) {
                code = 0x10000ul + ((c - 0xD800ul) << 10) + (wide[i + 1] - 0xDC00ul);
                units = 2;
            }
            if (!inTag_ || quote_ != 0) {
                char reference[16];
                std::snprintf(reference, sizeof reference, "&#x%lX;", code);
                out += reference;
            } else {
                out += WideToCodePageLossy(kCodePageUtf8, wide.substr(i, units));  // a name: no references there
            }
            i += units - 1;
        }
    }

    std::string out;

private:
    bool inTag_ = false;
    wchar_t quote_ = 0;
};

std::string AsciiXml(std::string_view bytes) {
    constexpr std::size_t kPiece = 64 * 1024;
    ClAsciiXml ascii;
    ascii.out.reserve(bytes.size() + bytes.size() / 2);
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = std::max<std::size_t>(1, sjis::CutLength(bytes.substr(at), kPiece));
        ascii.Add(CodePageToWideLossy(kCodePage932, bytes.substr(at, length)));
        at += length;
    }
    return std::move(ascii.out);
}

}  // namespace

void ReadXml(std::string_view bytes, ClXmlHandler& handler) {
    const StXMLLITE& calls = XmlLite();
    if (!calls.createReader || !calls.createInput) {
        handler.Error(0, "xmllite.dll cannot be loaded");
        return;
    }
    // A character of two bytes may become a reference of eight: past this
    // no document is read (no events).
    if (bytes.size() > static_cast<std::size_t>(INT_MAX / 4)) return;
    ClCom<IStream> stream;
    {
        std::string utf8 = AsciiXml(bytes);
        DeclareUtf8(utf8);
        // The stream keeps a copy of its own; this one goes before the reading.
        *stream.out() = SHCreateMemStream(reinterpret_cast<const BYTE*>(utf8.data()), static_cast<UINT>(utf8.size()));
    }
    ClCom<IXmlReaderInput> input;
    ClCom<IXmlReader> reader;
    if (!stream.get() || FAILED(calls.createInput(stream.get(), nullptr, L"UTF-8", FALSE, nullptr, input.out())) ||
        FAILED(calls.createReader(__uuidof(IXmlReader), reader.outVoid(), nullptr)) ||
        FAILED(reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit)) ||
        FAILED(reader->SetInput(input.get()))) {
        handler.Error(0, "XmlLite cannot be started");
        return;
    }
    ReadEvents(reader.get(), handler);
}
