// The export as the inspector holds it, built from the platform's XML reader's
// events: elements in file order with their depth, line, COUNT and text.
#include <algorithm>
#include <cstring>
#include <utility>

#include "examine/Export.h"
#include "services/XmlReader.h"

namespace {

int CountAttribute(const std::vector<StXMLATTRIBUTE>& attributes) {
    for (const StXMLATTRIBUTE& a : attributes) {
        if (a.name != "COUNT") continue;
        const std::string& value = a.value;
        if (value.empty() || value.size() > 9 || !std::all_of(value.begin(), value.end(), ::isdigit)) return -1;
        return std::stoi(value);
    }
    return 0;
}

class ClExportBuilder final : public ClXmlHandler {
public:
    StEXPORT result;
    std::vector<std::size_t> open;  // indexes of the elements not yet ended
    std::string text;               // text of the innermost open element

    void StartElement(std::string_view name, int line, const std::vector<StXMLATTRIBUTE>& attributes) override {
        if (!open.empty()) result.elements[open.back()].leaf = false;
        StELEMENT e;
        e.name = Name(name);
        e.line = line;
        e.depth = static_cast<int>(open.size());
        e.count = CountAttribute(attributes);
        if (e.depth == 0 && e.name == "REPORT") result.isExport = true;
        open.push_back(result.elements.size());
        result.elements.push_back(std::move(e));
        text.clear();
    }

    void EndElement() override {
        if (open.empty()) return;
        StELEMENT& e = result.elements[open.back()];
        if (e.leaf) e.text = result.texts.Keep(text);
        open.pop_back();
        text.clear();
    }

    void Text(std::string_view chars) override { text += chars; }

    std::string_view Name(std::string_view name) {
        auto it = result.names.find(name);
        if (it == result.names.end()) it = result.names.emplace(name).first;
        return *it;
    }

    void Error(int line, std::string_view message) override {
        if (std::any_of(result.findings.begin(), result.findings.end(),
                        [](const StFINDING& f) { return f.message.starts_with("XML"); }))
            return;  // the first error says it
        const std::string_view element = open.empty() ? std::string_view() : result.elements[open.back()].name;
        result.findings.push_back({line, element, "XMLとして読めません: " + std::string(message)});
    }
};

}  // namespace

ClTextStore::ClTextStore(ClTextStore&& other) noexcept
    : blocks_(std::move(other.blocks_)),
      next_(std::exchange(other.next_, nullptr)),
      left_(std::exchange(other.left_, 0)) {}

ClTextStore& ClTextStore::operator=(ClTextStore&& other) noexcept {
    blocks_ = std::move(other.blocks_);
    next_ = std::exchange(other.next_, nullptr);
    left_ = std::exchange(other.left_, 0);
    return *this;
}

std::string_view ClTextStore::Keep(std::string_view text) {
    constexpr std::size_t kBlock = 64 * 1024;
    if (text.empty()) return {};
    if (text.size() > left_) {  // a new block, large enough for a long text
        left_ = std::max(kBlock, text.size());
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(left_));
        next_ = blocks_.back().get();
    }
    char* to = next_;
    std::memcpy(to, text.data(), text.size());
    next_ += text.size();
    left_ -= text.size();
    return {to, text.size()};
}

const StELEMENT* StEXPORT::Find(std::string_view name, int depth) const {
    for (const StELEMENT& e : elements) {
        if (e.name == name && (depth < 0 || e.depth == depth)) return &e;
    }
    return nullptr;
}

std::string StEXPORT::TextOf(std::string_view name) const {
    const StELEMENT* e = Find(name);
    return e ? std::string(e->text) : std::string();
}

StEXPORT ReadExport(std::string_view bytes, std::size_t startTags) {
    ClExportBuilder builder;
    builder.result.elements.reserve(startTags);
    ReadXml(bytes, builder);
    // Elements still open at the end (a cut file) keep what they read.
    for (std::size_t i : builder.open) {
        StELEMENT& e = builder.result.elements[i];
        if (e.leaf) e.text = builder.result.texts.Keep(builder.text);
    }
    return std::move(builder.result);
}
