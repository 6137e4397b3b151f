#include "common/dxf_pairs.h"

#include "common/cp1252.h"
#include "common/utf8_case.h"

namespace Dxf {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Section names, entity names and the end marker, in any case and padding.
bool IsWord(std::string_view value, std::string_view word) { return Utf8::EqualIgnoringCase(Trim(value), word); }

// "AC1021" (R2007) and later versions write their texts in UTF-8.
bool VersionIsUtf8(std::string_view value) {
    value = Trim(value);
    if (value.size() < 3 || (value[0] != 'A' && value[0] != 'a') || (value[1] != 'C' && value[1] != 'c')) return false;
    long number = 0;
    for (const char c : value.substr(2)) {
        if (c < '0' || c > '9' || number > 100000) return false;
        number = number * 10 + (c - '0');
    }
    return number >= 1021;
}

// The code lines writers make: up to four characters, blanks then digits.
inline bool ShortCode(std::string_view line, std::int32_t& code) {
    if (line.empty() || line.size() > 4) return false;
    std::size_t i = 0;
    while (i < line.size() && line[i] == ' ') ++i;
    if (i == line.size()) return false;
    std::int32_t value = 0;
    for (; i < line.size(); ++i) {
        const auto digit = static_cast<unsigned>(static_cast<unsigned char>(line[i])) - '0';
        if (digit > 9) return false;
        value = value * 10 + static_cast<std::int32_t>(digit);
    }
    code = value;
    return true;
}

}  // namespace

std::optional<std::int32_t> GroupCode(std::string_view line) {
    // One pass: blanks, an optional "-", at most ten digits, blanks.
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i < n && IsBlank(line[i])) ++i;
    const bool negative = i < n && line[i] == '-';
    if (negative) ++i;
    const std::size_t digitsFrom = i;
    std::int64_t code = 0;
    while (i < n && line[i] >= '0' && line[i] <= '9' && i - digitsFrom < 10) code = code * 10 + (line[i++] - '0');
    if (i == digitsFrom) return std::nullopt;
    while (i < n && IsBlank(line[i])) ++i;
    if (i != n) return std::nullopt;
    if (negative) code = -code;
    if (code < INT32_MIN || code > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(code);
}

PairReader::PairReader(const std::string& path) : input_(path), path_(path) {}

bool PairReader::Next(Pair& pair) {
    if (ended_) return false;
    std::string_view line;
    if (!input_.Next(line)) {
        ended_ = true;
        return false;
    }
    ++line_;
    if (line_ == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);  // a byte-order mark
    std::int32_t code = 0;
    if (!ShortCode(line, code)) {
        const std::optional<std::int32_t> other = GroupCode(line);
        std::string_view after;
        if (!other && Trim(line).empty() && !input_.Next(after)) {  // a blank last line
            ended_ = true;
            return false;
        }
        if (!other) {
            throw NotDxfError("El fichero " + path_ + " no es un fichero DXF: la línea " + std::to_string(line_) +
                              " no es un código de grupo");
        }
        code = *other;
    }
    if (!input_.Next(line)) {
        ended_ = true;
        return false;
    }
    ++line_;
    if (code == 0 && IsWord(line, "EOF")) {
        ended_ = true;
        return false;
    }
    pair.code = code;
    pair.value = line;
    return true;
}

void Entity::Start(std::string_view type) {
    type_.assign(type);
    layer_.clear();
    groups_.clear();
    values_.clear();
}

void Entity::Add(std::int32_t code, std::string_view value) {
    // An entity beyond 4 GB of text would be no drawing a program writes.
    if (values_.size() + value.size() > UINT32_MAX) throw NotDxfError("Entidad DXF demasiado larga");
    groups_.push_back({code, static_cast<std::uint32_t>(values_.size()), static_cast<std::uint32_t>(value.size())});
    values_.append(value);
}

EntityReader::EntityReader(const std::string& path) : pairs_(path) {}

void EntityReader::Decode(std::string_view text, std::string& out) const {
    bool ascii = true;
    for (const char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (utf8_ || ascii) {
        out.assign(text);
    } else {
        out = Cp1252::ToUtf8(text);
    }
}

bool EntityReader::FindEntities() {
    Pair pair;
    bool versionDue = false;  // the pair after 9 / $ACADVER holds the version
    bool sectionNameDue = false;
    while (pairs_.Next(pair)) {
        if (inEntities_) {
            if (pair.code != 0) continue;  // stray groups before the first entity
            if (IsWord(pair.value, "ENDSEC")) return false;
            pendingType_.assign(Trim(pair.value));
            pending_ = true;
            return true;
        }
        if (versionDue && pair.code == 1) utf8_ = VersionIsUtf8(pair.value);
        versionDue = pair.code == 9 && IsWord(pair.value, "$ACADVER");
        if (sectionNameDue && pair.code == 2) inEntities_ = IsWord(pair.value, "ENTITIES");
        sectionNameDue = pair.code == 0 && IsWord(pair.value, "SECTION");
    }
    return false;
}

bool EntityReader::Next(Entity& entity) {
    if (done_) return false;
    if (!pending_ && !FindEntities()) {
        done_ = true;
        return false;
    }
    entity.Start(pendingType_);
    pending_ = false;
    Pair pair;
    while (pairs_.Next(pair)) {
        if (pair.code == 0) {
            if (IsWord(pair.value, "ENDSEC")) {
                done_ = true;  // nothing after the entities is read
            } else {
                pendingType_.assign(Trim(pair.value));
                pending_ = true;
            }
            return true;
        }
        if (pair.code == 8) Decode(Trim(pair.value), entity.layer_);
        entity.Add(pair.code, pair.value);
    }
    done_ = true;
    return true;
}

}  // namespace Dxf
