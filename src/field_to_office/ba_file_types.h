#pragma once
// Which file types a filter offers in the field-to-office window, and what the
// open and save dialogs propose for them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "field_to_office/ba_dispatch.h"

// The options in window order: points, bases, observations, analysis, profiles.
inline constexpr std::array<FileType, 5> kFileTypes = {FileType::Points, FileType::Bases, FileType::Observations,
                                                      FileType::Analysis, FileType::Profiles};

struct FileTypeRule {
    std::array<bool, 5> enabled{};  // in the order of kFileTypes
    FileType option = FileType::None;
    // true: `option` becomes selected (even when disabled); false: its selection is cleared.
    bool select = true;
};

// The rule a filter sets; nullopt for a field format that changes no option.
std::optional<FileTypeRule> FileTypeRuleFor(std::int16_t formatoCampo, std::string_view filtro);

// The caption of the first option for this filter.
const char* FirstOptionCaption(std::string_view filtro);

struct DialogDefaults {
    std::string DefaultExt;
    std::string Filter;
    bool operator==(const DialogDefaults&) const = default;
};

// What the open dialog proposes for the selected file type; nullopt leaves the
// dialog as it was.
std::optional<DialogDefaults> OpenDialogDefaults(std::int16_t formatoCampo, FileType type, std::string_view filtro);

// What the save dialog proposes: it depends on the filter alone.
DialogDefaults SaveDialogDefaults(std::string_view filtro);
