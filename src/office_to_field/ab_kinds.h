#pragma once
// The kinds of data of the office-to-field window and what each source program
// makes of them: which kinds it enables and selects, the filters of the open
// dialog, what the save dialog proposes and which output extension a request needs.
// Pure rules over the kind, the program text and the field format, so that every
// combination can be checked without a window.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace office_to_field {

// One option of "Tipo de archivo:" each; None when no option is selected.
enum class Kind {
    None,
    Puntos,             // Option1 "Puntos"
    Bases,              // Option2 "Bases"
    Planta,             // Option3 "Planta / Sec.Túnel"
    Alzado,             // Option4 "Eje en alzado"
    SeccionExcavacion,  // Option5 "Sección de excavación"
    SeccionTipo,        // Option10 "Sección tipo"
    Taludes,            // Option11 "Taludes"
    Peraltes,           // Option12 "Peraltes"
    MDT,                // MDT "MDT Caras3D"
};

const char* KindName(Kind kind);

// Program families that share their readers.
bool IsClip(std::string_view programa);      // "Clip", "Clip Ferrocarril", "Clip Windows"
bool IsTcp(std::string_view programa);       // "TCP", "TCP V4"
bool IsCartomap(std::string_view programa);  // "Cartomap V3.xx", "Cartomap V4.xx"

// The kinds whose enabled state a program choice sets, in window order.
inline constexpr std::array<Kind, 7> kSwitchedKinds = {Kind::Puntos, Kind::Bases, Kind::Planta,
                                                      Kind::Alzado, Kind::SeccionExcavacion,
                                                      Kind::SeccionTipo, Kind::Taludes};

enum class Switch { Unchanged, On, Off };

// What choosing a program in Combo1 does. Every other option keeps its enabled
// state and its selection.
struct ProgramRule {
    std::array<Switch, 7> enable{};  // in the order of kSwitchedKinds
    Kind option = Kind::None;        // the option whose selection changes
    bool select = true;              // true: it becomes selected; false: its selection is cleared
    bool showMdt = false;            // "MDT Caras3D" shown (hidden otherwise)
    bool showLayer = false;          // the layer frame shown and Text_Layer enabled (never hidden here)
    bool showPeraltes = false;       // "Peraltes" shown (hidden otherwise)
    bool operator==(const ProgramRule&) const = default;
};

ProgramRule ProgramRuleFor(std::string_view programa, std::int16_t formatoCampo);

// The open dialog's filter for the input file.
std::string InputFilter(std::string_view programa, Kind kind);

struct SaveDefaults {
    std::string DefaultExt;
    std::string Filter;
    bool operator==(const SaveDefaults&) const = default;
};

// What the save dialog proposes; nullopt leaves it as it was.
std::optional<SaveDefaults> SaveDialogDefaults(Kind kind, std::int16_t formatoCampo);

// The save dialog chooses a folder (the per-axis files are named by the reader).
bool OutputIsFolder(std::string_view programa, Kind kind);

// The extension the output name must end with (upper case, three letters); ""
// when it is not tested.
std::string RequiredExtension(Kind kind, std::string_view programa, std::int16_t formatoCampo);

}  // namespace office_to_field
