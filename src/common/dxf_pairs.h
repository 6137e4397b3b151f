#pragma once
// Reading a DXF drawing (text form) as its writers lay it out: a stream of
// group-code / value pairs, each one line of code and one line of value, with CR LF
// or LF line ends. Group codes are numbers, whatever blanks pad them; the drawing
// ends at the pair 0 / EOF (or at the end of the file). Only the entities of the
// drawing itself are read: those of the ENTITIES section, never those inside block
// definitions.
//
// Texts: drawings of version R2007 or later ($ACADVER AC1021 and up) hold UTF-8,
// older ones Windows-1252; the layer names given out are UTF-8 either way.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/errors.h"
#include "common/line_input.h"

namespace Dxf {

// A line where a group code is due holds no number: the file is not a DXF drawing.
class NotDxfError : public ConversionError {
public:
    using ConversionError::ConversionError;
};

struct Pair {
    std::int32_t code = 0;
    std::string_view value;  // the value line as written; valid until the next pair
};

class PairReader {
public:
    // Opens the file; throws ConversionError when it cannot.
    explicit PairReader(const std::string& path);

    // The next pair. False after the pair 0 / EOF and at the end of the file (a last
    // code line without its value, or a blank last line, ends the drawing too).
    // Throws NotDxfError for a code line that is not a number.
    bool Next(Pair& pair);
    // Number of lines read so far (the value line of the last pair).
    std::int64_t LineNumber() const { return line_; }

private:
    LineInput input_;
    std::string path_;
    std::int64_t line_ = 0;
    bool ended_ = false;
};

// The group code of a code line: blanks and TABs on either side, an optional "-",
// then digits; nothing when the line holds anything else or a code beyond 32 bits.
std::optional<std::int32_t> GroupCode(std::string_view line);

// One group of an entity: its code and its value text as the file holds it.
struct Group {
    std::int32_t code = 0;
    std::string_view value;  // valid until the entity is read again
};

// One entity: its type (the value of its group 0, "3DFACE", "LWPOLYLINE"), its layer
// (group 8, trimmed of blanks, in UTF-8) and every group after its group 0 in the
// order of the file, group 8 included.
class Entity {
public:
    const std::string& Type() const { return type_; }
    const std::string& Layer() const { return layer_; }
    std::size_t Size() const { return groups_.size(); }
    Group operator[](std::size_t i) const {
        return {groups_[i].code, std::string_view(values_).substr(groups_[i].offset, groups_[i].length)};
    }

private:
    friend class EntityReader;
    void Start(std::string_view type);
    void Add(std::int32_t code, std::string_view value);

    struct Stored {
        std::int32_t code;
        std::uint32_t offset;
        std::uint32_t length;
    };
    std::string type_;
    std::string layer_;
    std::vector<Stored> groups_;
    std::string values_;  // the value texts of all groups, one after the other
};

class EntityReader {
public:
    // Opens the file; throws ConversionError when it cannot.
    explicit EntityReader(const std::string& path);

    // The next entity of the ENTITIES section; false when there is none left (the
    // section ended, the drawing ended, or the drawing has no such section). Throws
    // NotDxfError as PairReader does.
    bool Next(Entity& entity);
    // Whether the drawing's texts are UTF-8 (known once the header has been read).
    bool Utf8Text() const { return utf8_; }
    // Whether the drawing has an ENTITIES section (known once Next returned false).
    bool FoundEntities() const { return inEntities_; }
    std::int64_t LineNumber() const { return pairs_.LineNumber(); }

private:
    // Reads up to the first entity of the ENTITIES section, noting the version on
    // the way; false when the drawing ends first.
    bool FindEntities();
    // The text in UTF-8, into out.
    void Decode(std::string_view text, std::string& out) const;

    PairReader pairs_;
    bool utf8_ = false;
    bool inEntities_ = false;
    bool done_ = false;
    bool pending_ = false;  // the group 0 of the next entity has been read: its type is
    std::string pendingType_;
};

}  // namespace Dxf
