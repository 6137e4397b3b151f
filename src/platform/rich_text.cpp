#include "platform/rich_text.h"

#include <cstdint>
#include <iterator>
#include <vector>

#include "platform/code_page.h"
#include "platform/files.h"

namespace platform {

namespace {

// What a group does with the text inside it.
enum class Destination : std::uint8_t {
    Text,          // ordinary document text
    Skip,          // a table, picture or ignorable group: nothing of it is text
    NestedRowEnd,  // the properties of a nested row: only its row end counts
};

struct Group {
    Destination destination = Destination::Text;
    int unicodeSkip = 1;  // \ucN: how many fallback characters follow a \uN
};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// What a control word does. Words not listed (formatting) do nothing to the text.
enum class Action : std::uint8_t {
    SkipGroup, Rtf, Bin, UnicodeSkip, Unicode, NestedProps, NestedRow, Paragraph, SectionEnd, Line, Tab,
    Cell, Row, InTable, ParagraphDefaults, Symbol,
};

struct KnownWord {
    std::string_view word;
    Action action;
    char symbol = '\0';
};

// Sorted by word, so that the words of one first letter stand together.
constexpr KnownWord kKnownWords[] = {
    {"annotation", Action::SkipGroup},
    {"author", Action::SkipGroup},
    {"bin", Action::Bin},
    {"bkmkend", Action::SkipGroup},
    {"bkmkstart", Action::SkipGroup},
    {"bullet", Action::Symbol, '\x95'},
    {"cell", Action::Cell},
    {"colorschememapping", Action::SkipGroup},
    {"colortbl", Action::SkipGroup},
    {"datastore", Action::SkipGroup},
    {"docvar", Action::SkipGroup},
    {"emdash", Action::Symbol, '\x97'},
    {"emspace", Action::Symbol, ' '},
    {"endash", Action::Symbol, '\x96'},
    {"enspace", Action::Symbol, ' '},
    {"filetbl", Action::SkipGroup},
    {"fldinst", Action::SkipGroup},
    {"fonttbl", Action::SkipGroup},
    {"footer", Action::SkipGroup},
    {"footerf", Action::SkipGroup},
    {"footerl", Action::SkipGroup},
    {"footerr", Action::SkipGroup},
    {"footnote", Action::SkipGroup},
    {"generator", Action::SkipGroup},
    {"header", Action::SkipGroup},
    {"headerf", Action::SkipGroup},
    {"headerl", Action::SkipGroup},
    {"headerr", Action::SkipGroup},
    {"info", Action::SkipGroup},
    {"intbl", Action::InTable},
    {"latentstyles", Action::SkipGroup},
    {"ldblquote", Action::Symbol, '\x93'},
    {"line", Action::Line},
    {"listoverridetable", Action::SkipGroup},
    {"listtable", Action::SkipGroup},
    {"listtext", Action::SkipGroup},
    {"lquote", Action::Symbol, '\x91'},
    {"mmathPr", Action::SkipGroup},
    {"nestcell", Action::Cell},
    {"nestrow", Action::NestedRow},
    {"nesttableprops", Action::NestedProps},
    {"nonesttables", Action::SkipGroup},
    {"nonshppict", Action::SkipGroup},
    {"objdata", Action::SkipGroup},
    {"object", Action::SkipGroup},
    {"operator", Action::SkipGroup},
    {"page", Action::SectionEnd},
    {"par", Action::Paragraph},
    {"pard", Action::ParagraphDefaults},
    {"pgdsctbl", Action::SkipGroup},
    {"pict", Action::SkipGroup},
    {"pntext", Action::SkipGroup},
    {"pntxta", Action::SkipGroup},
    {"pntxtb", Action::SkipGroup},
    {"qmspace", Action::Symbol, ' '},
    {"rdblquote", Action::Symbol, '\x94'},
    {"revtbl", Action::SkipGroup},
    {"row", Action::Row},
    {"rquote", Action::Symbol, '\x92'},
    {"rsidtbl", Action::SkipGroup},
    {"rtf", Action::Rtf},
    {"sect", Action::SectionEnd},
    {"shpinst", Action::SkipGroup},
    {"stylesheet", Action::SkipGroup},
    {"subject", Action::SkipGroup},
    {"tab", Action::Tab},
    {"tc", Action::SkipGroup},
    {"template", Action::SkipGroup},
    {"themedata", Action::SkipGroup},
    {"title", Action::SkipGroup},
    {"txe", Action::SkipGroup},
    {"u", Action::Unicode},
    {"uc", Action::UnicodeSkip},
    {"userprops", Action::SkipGroup},
    {"xe", Action::SkipGroup},
    {"xmlnstbl", Action::SkipGroup},
};

constexpr bool SortedByWord() {
    for (std::size_t k = 1; k < std::size(kKnownWords); ++k)
        if (!(kKnownWords[k - 1].word < kKnownWords[k].word)) return false;
    return true;
}
static_assert(SortedByWord(), "the known control words must stay sorted");

// Where the words of each first letter begin in the table (one past the end for 'z' + 1).
struct LetterRanges {
    std::uint8_t first[27] = {};
};

constexpr LetterRanges MakeLetterRanges() {
    LetterRanges ranges;
    std::size_t k = 0;
    for (int letter = 0; letter <= 26; ++letter) {
        while (k < std::size(kKnownWords) && kKnownWords[k].word[0] - 'a' < letter) ++k;
        ranges.first[letter] = static_cast<std::uint8_t>(k);
    }
    return ranges;
}

constexpr LetterRanges kLetterRanges = MakeLetterRanges();

// Most words of a document are formatting words the table lacks: the first letter
// and the length turn them away before any bytes are compared.
const KnownWord* Find(std::string_view word) {
    const int letter = word[0] - 'a';
    if (letter < 0 || letter >= 26) return nullptr;
    for (std::size_t k = kLetterRanges.first[letter]; k < kLetterRanges.first[letter + 1]; ++k)
        if (kKnownWords[k].word == word) return &kKnownWords[k];
    return nullptr;
}

constexpr std::size_t kMaxDepth = 4096;

class Converter {
public:
    explicit Converter(std::string_view rtf) : in_(rtf) {
        out_.reserve(rtf.size() / 2);
        groups_.push_back(Group{});
    }

    std::string Run() {
        while (pos_ < in_.size() && !finished_) Step();
        if (!out_.empty() && out_.back() != '\n') EndLine();
        return std::move(out_);
    }

private:
    Group& Current() { return groups_.back(); }
    bool Skipping() const { return groups_.back().destination != Destination::Text; }

    void Step() {
        const char c = in_[pos_];
        switch (c) {
            case '{':
                ++pos_;
                fallback_ = 0;
                // Nesting deeper than any document needs only counts its braces, so
                // that a file of nothing but "{" costs no memory.
                if (groups_.size() < kMaxDepth) groups_.push_back(groups_.back());
                else ++extraDepth_;
                return;
            case '}':
                ++pos_;
                fallback_ = 0;
                if (extraDepth_ > 0) --extraDepth_;
                else if (groups_.size() > 1) groups_.pop_back();
                // The document's own group closed: what follows is not part of it.
                if (groups_.size() == 1 && started_) finished_ = true;
                return;
            case '\\':
                ControlSequence();
                return;
            case '\r':
            case '\n':
                ++pos_;
                return;
            default:
                PlainRun();
        }
    }

    // Bytes up to the next brace, backslash or line end are text as they stand.
    void PlainRun() {
        const std::size_t start = pos_;
        while (pos_ < in_.size()) {
            const char c = in_[pos_];
            if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n') break;
            ++pos_;
        }
        std::string_view run = in_.substr(start, pos_ - start);
        while (fallback_ > 0 && !run.empty()) {
            run.remove_prefix(1);
            --fallback_;
        }
        if (Skipping() || run.empty()) return;
        // Control bytes other than TAB are not text (a binary blob read as text).
        for (char c : run)
            if (c == '\t' || static_cast<unsigned char>(c) >= 0x20) Emit(c);
    }

    void ControlSequence() {
        ++pos_;  // the backslash
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (!IsLetter(c)) {
            ++pos_;
            Symbol(c);
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < in_.size() && IsLetter(in_[pos_]) && pos_ - start < 32) ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);
        bool hasValue = false;
        bool negative = false;
        std::int64_t value = 0;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && IsDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        std::size_t digits = 0;
        while (pos_ < in_.size() && IsDigit(in_[pos_])) {
            // Longer numbers than any writer uses only keep their first digits.
            if (digits < 10) value = value * 10 + (in_[pos_] - '0');
            ++digits;
            ++pos_;
            hasValue = true;
        }
        if (negative) value = -value;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        Word(word, hasValue, value);
    }

    void Symbol(char c) {
        switch (c) {
            case '\'': {
                // Two hexadecimal digits make the byte; fewer make nothing.
                int byte = 0;
                int digits = 0;
                while (digits < 2 && pos_ < in_.size() && HexValue(in_[pos_]) >= 0) {
                    byte = byte * 16 + HexValue(in_[pos_]);
                    ++pos_;
                    ++digits;
                }
                if (digits < 2) return;
                if (ConsumedAsFallback() || Skipping()) return;
                Emit(static_cast<char>(byte));
                return;
            }
            case '*':
                Current().destination = Destination::Skip;
                return;
            case '\\':
            case '{':
            case '}':
                if (ConsumedAsFallback() || Skipping()) return;
                Emit(c);
                return;
            case '~':
                if (ConsumedAsFallback() || Skipping()) return;
                Emit('\xA0');
                return;
            case '_':
                if (ConsumedAsFallback() || Skipping()) return;
                Emit('-');
                return;
            case '\r':
            case '\n':
                // A backslash ending a line is a paragraph mark.
                fallback_ = 0;
                if (!Skipping()) Paragraph();
                return;
            case '\t':
                fallback_ = 0;
                if (!Skipping()) Emit('\t');
                return;
            default:
                ConsumedAsFallback();  // \- \| \: and the like carry no text
                return;
        }
    }

    // One fallback character after \uN is passed over instead of written.
    bool ConsumedAsFallback() {
        if (fallback_ == 0) return false;
        --fallback_;
        return true;
    }

    void Word(std::string_view word, bool hasValue, std::int64_t value) {
        fallback_ = 0;
        const KnownWord* known = Find(word);
        if (known == nullptr) return;
        switch (known->action) {
            case Action::Rtf:
                started_ = true;
                return;
            case Action::Bin: {
                // Binary data: its bytes are skipped whatever they are.
                const std::uint64_t count = hasValue && value > 0 ? static_cast<std::uint64_t>(value) : 0;
                pos_ += count < in_.size() - pos_ ? count : in_.size() - pos_;
                return;
            }
            case Action::UnicodeSkip:
                if (hasValue && value >= 0) Current().unicodeSkip = value > 16 ? 16 : static_cast<int>(value);
                return;
            case Action::NestedProps:
                if (Current().destination == Destination::Skip) Current().destination = Destination::NestedRowEnd;
                return;
            case Action::NestedRow:
                if (Current().destination != Destination::Skip) EndRow();
                return;
            case Action::SkipGroup:
                Current().destination = Destination::Skip;
                return;
            default:
                break;
        }
        if (Skipping()) return;
        switch (known->action) {
            case Action::Unicode:
                if (!hasValue) return;
                Unicode(static_cast<std::int32_t>(value));
                fallback_ = Current().unicodeSkip;
                return;
            case Action::Paragraph:
            case Action::Line:
                Paragraph();
                return;
            case Action::SectionEnd:
                if (!LineEmpty()) Paragraph();
                return;
            case Action::Tab:
                Emit('\t');
                return;
            case Action::Cell:
                Emit('\t');
                cellTab_ = out_.size();
                return;
            case Action::Row:
                EndRow();
                return;
            case Action::InTable:
                inTable_ = true;
                return;
            case Action::ParagraphDefaults:
                inTable_ = false;
                return;
            case Action::Symbol:
                Emit(known->symbol);
                return;
            default:
                return;
        }
    }

    void Unicode(std::int32_t value) {
        if (value < 0) value += 65536;
        const auto unit = static_cast<char32_t>(value & 0xFFFF);
        if (unit >= 0xD800 && unit < 0xDC00) {
            highSurrogate_ = true;  // the pair's second half writes the one character
            return;
        }
        if (unit >= 0xDC00 && unit < 0xE000) {
            if (highSurrogate_) Emit('?');
            highSurrogate_ = false;
            return;
        }
        highSurrogate_ = false;
        Emit(Cp1252Byte(unit));
    }

    // A paragraph inside a table cell does not end the row: its text stays in the
    // cell, parted from what follows by a blank.
    void Paragraph() {
        if (!inTable_) {
            EndLine();
            return;
        }
        if (!out_.empty() && out_.back() != '\t' && out_.back() != '\n' && out_.back() != ' ') Emit(' ');
    }

    // The TAB written after the row's last cell would part it from nothing.
    void EndRow() {
        if (cellTab_ != 0 && cellTab_ == out_.size()) out_.pop_back();
        EndLine();
        inTable_ = false;
    }

    bool LineEmpty() const { return out_.empty() || out_.back() == '\n'; }

    void EndLine() {
        out_.append("\r\n");
        cellTab_ = 0;
    }

    void Emit(char c) { out_.push_back(c); }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::string out_;
    std::vector<Group> groups_;
    std::size_t extraDepth_ = 0;
    int fallback_ = 0;
    std::size_t cellTab_ = 0;  // the output size just after the last cell's TAB
    bool inTable_ = false;
    bool started_ = false;
    bool finished_ = false;
    bool highSurrogate_ = false;
};

}  // namespace

std::string RtfToText(std::string_view rtf) { return Converter(rtf).Run(); }

bool LooksLikeRtf(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size() && (bytes[pos] == ' ' || bytes[pos] == '\r' || bytes[pos] == '\n' || bytes[pos] == '\t'))
        ++pos;
    return bytes.substr(pos, 5) == "{\\rtf";
}

std::optional<std::string> LoadRtfText(const std::string& path) {
    const std::optional<std::string> bytes = ReadFile(path);
    if (!bytes || !LooksLikeRtf(*bytes)) return std::nullopt;
    return RtfToText(*bytes);
}

}  // namespace platform
