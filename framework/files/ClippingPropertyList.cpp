#include "framework/files/ClippingPropertyList.h"

#include "framework/text/TextEncoding.h"
#include "framework/files/BoundedBytes.h"

#include <QXmlStreamReader>
#include <array>
#include <map>
#include <variant>

namespace {

// The text flavours in order of preference, with how their bytes decode.
const std::array<std::pair<const char*, int32_t>, 3> kTextFlavours = {{
    {"public.utf8-plain-text", EncodingCode::UTF8},
    {"public.utf16-plain-text", EncodingCode::UTF16},
    {"com.apple.traditional-mac-plain-text", EncodingCode::MacRoman},
}};

// A value as far as the clipping needs one: text (already UTF-8), raw bytes,
// or something else.
using Leaf = std::variant<std::monostate, std::string /*text*/, std::vector<char> /*data*/>;

std::optional<std::string> textOfFlavours(const std::map<std::string, Leaf>& flavours) {
    for (const auto& [name, encoding] : kTextFlavours) {
        const auto it = flavours.find(name);
        if (it == flavours.end()) continue;
        if (const auto* text = std::get_if<std::string>(&it->second)) return *text;
        if (const auto* data = std::get_if<std::vector<char>>(&it->second)) {
            const std::string bytes(data->begin(), data->end());
            return encoding == EncodingCode::UTF8 ? TextFromUnknownEncoding(bytes, EncodingCode::MacRoman)
                                                  : DecodeToUTF8(bytes, encoding);
        }
    }
    return std::nullopt;
}

// --- binary property lists ------------------------------------------------

class BinaryPropertyList {
public:
    explicit BinaryPropertyList(std::string_view bytes) : bytes_(bytes) {}

    // Checks the header, trailer and offset table; false when any is broken.
    bool open() {
        const uint64_t size = bytes_.size();
        if (size < 8 + 32 || bytes_.slice(0, 8) != std::string_view("bplist00")) return false;
        const uint64_t trailer = size - 32;
        offsetSize_ = *bytes_.u8(trailer + 6);
        refSize_ = *bytes_.u8(trailer + 7);
        count_ = wide(trailer + 8, 8).value_or(0);
        top_ = wide(trailer + 16, 8).value_or(0);
        table_ = wide(trailer + 24, 8).value_or(0);
        if (offsetSize_ < 1 || offsetSize_ > 8 || refSize_ < 1 || refSize_ > 8) return false;
        if (count_ == 0 || top_ >= count_ || table_ < 8 || table_ > trailer) return false;
        if (count_ > (trailer - table_) / offsetSize_) return false;  // the table must fit before the trailer
        for (uint64_t i = 0; i < count_; ++i) {
            const auto offset = wide(table_ + i * offsetSize_, offsetSize_);
            if (!offset || *offset < 8 || *offset >= table_) return false;
        }
        return true;
    }

    uint64_t top() const { return top_; }

    // The entries of the dictionary object `index`, keyed by their string
    // keys; nothing when the object is not a well-formed dictionary.
    std::optional<std::map<std::string, uint64_t>> dictionary(uint64_t index) const {
        const auto object = header(index);
        if (!object || object->type != 0xD) return std::nullopt;
        // Keys and values are two runs of references, both before the table.
        if (object->length > (table_ - object->body) / (2 * refSize_)) return std::nullopt;
        std::map<std::string, uint64_t> entries;
        for (uint64_t i = 0; i < object->length; ++i) {
            const auto key = ref(object->body + i * refSize_);
            const auto value = ref(object->body + (object->length + i) * refSize_);
            if (!key || !value) return std::nullopt;
            const Leaf keyText = leaf(*key);
            if (const auto* text = std::get_if<std::string>(&keyText)) entries.emplace(*text, *value);
        }
        return entries;
    }

    Leaf leaf(uint64_t index) const {
        const auto object = header(index);
        if (!object) return {};
        if (object->type == 0x4) {  // data
            const auto body = bytes_.slice(object->body, object->length);
            if (body) return std::vector<char>(body->begin(), body->end());
        } else if (object->type == 0x5) {  // ASCII string
            const auto body = bytes_.slice(object->body, object->length);
            if (body) return std::string(*body);
        } else if (object->type == 0x6 && object->length <= UINT64_MAX / 2) {  // UTF-16BE string
            const auto body = bytes_.slice(object->body, object->length * 2);
            if (body) return DecodeToUTF8(std::string(*body), EncodingCode::UTF16BE);
        }
        return {};
    }

private:
    struct Header {
        uint32_t type;
        uint64_t length;  // elements (bytes, characters, entries)
        uint64_t body;
    };

    std::optional<uint64_t> wide(uint64_t offset, unsigned width) const {
        uint64_t value = 0;
        for (unsigned i = 0; i < width; ++i) {
            const auto byte = bytes_.u8(offset + i);
            if (!byte) return std::nullopt;
            value = (value << 8) | *byte;
        }
        return value;
    }

    std::optional<uint64_t> ref(uint64_t at) const {
        const auto index = wide(at, refSize_);
        if (!index || *index >= count_) return std::nullopt;
        return index;
    }

    std::optional<Header> header(uint64_t index) const {
        if (index >= count_) return std::nullopt;
        const uint64_t at = *wide(table_ + index * offsetSize_, offsetSize_);
        const uint32_t marker = *bytes_.u8(at);
        Header h{marker >> 4, marker & 0xFu, at + 1};
        if (h.length == 0xF) {  // the length follows as an integer object
            const auto intMarker = bytes_.u8(h.body);
            if (!intMarker || (*intMarker >> 4) != 0x1 || (*intMarker & 0xF) > 3) return std::nullopt;
            const unsigned width = 1u << (*intMarker & 0xF);
            const auto length = wide(h.body + 1, width);
            if (!length) return std::nullopt;
            h.length = *length;
            h.body += 1 + width;
        }
        // Everything an object holds lies before the offset table.
        if (h.body > table_) return std::nullopt;
        return h;
    }

    BoundedBytes bytes_;
    uint32_t offsetSize_ = 0, refSize_ = 0;
    uint64_t count_ = 0, top_ = 0, table_ = 0;
};

std::optional<std::string> fromBinary(std::string_view bytes) {
    BinaryPropertyList plist(bytes);
    if (!plist.open()) return std::nullopt;
    const auto root = plist.dictionary(plist.top());
    if (!root) return std::nullopt;
    const auto utiData = root->find("UTI-Data");
    if (utiData == root->end()) return std::nullopt;
    const auto flavours = plist.dictionary(utiData->second);
    if (!flavours) return std::nullopt;
    std::map<std::string, Leaf> leaves;
    for (const auto& [name, index] : *flavours) leaves.emplace(name, plist.leaf(index));
    return textOfFlavours(leaves);
}

// --- XML property lists -----------------------------------------------------

std::optional<std::string> fromXml(std::string_view bytes) {
    QXmlStreamReader xml(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    // Only the dictionary two levels down matters: <plist><dict> ...
    // <key>UTI-Data</key><dict> flavours </dict>.
    int depth = 0;
    int flavoursDepth = -1;
    std::string lastKey;
    std::map<std::string, Leaf> leaves;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            const auto name = xml.name();
            if (name == u"key") {
                lastKey = xml.readElementText().toStdString();
                --depth;
            } else if (name == u"dict" && depth == 3 && lastKey == "UTI-Data") {
                flavoursDepth = depth;
            } else if (depth == flavoursDepth + 1 && (name == u"string" || name == u"data")) {
                const QString text = xml.readElementText();
                --depth;
                if (name == u"string")
                    leaves[lastKey] = text.toStdString();
                else {
                    const QByteArray decoded = QByteArray::fromBase64(text.toLatin1());
                    leaves[lastKey] = std::vector<char>(decoded.begin(), decoded.end());
                }
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (depth == flavoursDepth) flavoursDepth = -1;
            --depth;
        }
    }
    if (xml.hasError()) return std::nullopt;
    return textOfFlavours(leaves);
}

}  // namespace

std::optional<std::string> clippingTextFromPropertyList(std::string_view bytes) {
    if (bytes.substr(0, 8) == "bplist00") return fromBinary(bytes);
    if (bytes.substr(0, 5) == "<?xml" || bytes.substr(0, 6) == "<plist") return fromXml(bytes);
    return std::nullopt;
}
