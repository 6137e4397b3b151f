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

}  // namespace

std::optional<std::int32_t> GroupCode(std::string_view line) {
    line = Trim(line);
    const bool negative = !line.empty() && line.front() == '-';
    if (negative) line.remove_prefix(1);
    if (line.empty() || line.size() > 10) return std::nullopt;
    std::int64_t code = 0;
    for (const char c : line) {
        if (c < '0' || c > '9') return std::nullopt;
        code = code * 10 + (c - '0');
    }
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
    const std::optional<std::int32_t> code = GroupCode(line);
    if (!code) {
        std::string_view after;
        if (Trim(line).empty() && !input_.Next(after)) {  // a blank last line
            ended_ = true;
            return false;
        }
        throw NotDxfError("El fichero " + path_ + " no es un fichero DXF: la línea " + std::to_string(line_) +
                          " no es un código de grupo");
    }
    if (!input_.Next(line)) {
        ended_ = true;
        return false;
    }
    ++line_;
    if (*code == 0 && IsWord(line, "EOF")) {
        ended_ = true;
        return false;
    }
    pair.code = *code;
    pair.value = line;
    return true;
}

void Entity::Start(std::string_view type) {
    type_.assign(type);
    layer_.clear();
    size_ = 0;
}

void Entity::Add(std::int32_t code, std::string_view value) {
    if (size_ == groups_.size()) groups_.emplace_back();
    groups_[size_].code = code;
    groups_[size_].value.assign(value);
    ++size_;
}

EntityReader::EntityReader(const std::string& path) : pairs_(path) {}

std::string EntityReader::Decode(std::string_view text) const {
    return utf8_ ? std::string(text) : Cp1252::ToUtf8(text);
}

bool EntityReader::FindEntities() {
    Pair pair;
    bool versionDue = false;  // the pair after 9 / $ACADVER holds the version
    bool sectionNameDue = false;
    while (pairs_.Next(pair)) {
        if (inEntities_) {
            if (pair.code != 0) continue;  // stray groups before the first entity
            if (IsWord(pair.value, "ENDSEC")) return false;
            pending_ = std::string(Trim(pair.value));
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
    entity.Start(*pending_);
    pending_.reset();
    Pair pair;
    while (pairs_.Next(pair)) {
        if (pair.code == 0) {
            if (IsWord(pair.value, "ENDSEC")) {
                done_ = true;  // nothing after the entities is read
            } else {
                pending_ = std::string(Trim(pair.value));
            }
            return true;
        }
        if (pair.code == 8) entity.layer_ = Decode(Trim(pair.value));
        entity.Add(pair.code, pair.value);
    }
    done_ = true;
    return true;
}

}  // namespace Dxf
