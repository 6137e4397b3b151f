#pragma once
// The Clip programs ("Clip", "Clip Ferrocarril", "Clip Windows") export each kind of
// data in several forms; the file itself says which: an RTF listing by its extension
// ("rtf" in any letter case), a native file by its header on the first line that
// holds text ("*PLT", "*ALZ", "*TRV"), a printed listing otherwise.

#include <string>
#include <string_view>
#include <vector>

#include "app/context.h"
#include "common/records.h"
#include "design_readers/reader_shape.h"
#include "design_readers/window_services.h"

namespace EntryClipWindows {

enum class LectorClip {
    Ninguno,
    Planta_RTF,
    Planta_PLT,
    Alzado_RTF,
    Alzado_ALZ,
    Alzado_Listado,
    Seccion_Tipo_RTF,
    Seccion_Tipo_TRV,
    Seccion_Tipo_Listado,
};

// The data kinds, as the window's dispatcher numbers them.
inline constexpr int kTipoPlanta = 1;
inline constexpr int kTipoAlzado = 2;
inline constexpr int kTipoSeccion = 3;

// Whether the name's extension, the text after its last ".", is "RTF" in any letter
// case. A name without "." is never an RTF listing.
bool ExtensionRTF(std::string_view nombre);

// The reader of the file for a kind (Tipo 1 planta, 2 alzado, 3 typical sections;
// Ninguno for any other). Reads the file's first lines when its name is not that of
// an RTF listing; throws ConversionError when it cannot be read.
LectorClip ClipWin_Lector(const std::string& fichero, int Tipo);

// The parsing of a Clip alzado file by the reader chosen (Alzado_RTF, Alzado_ALZ or
// Alzado_Listado); an RTF listing is turned into text by the window.
design_readers::Parser<TAlzado> ParserAlzado(design_readers::WindowServices& window, LectorClip lector);

// Reads a Clip planta (Tipo 1) or alzado (Tipo 2) with the reader the file asks for,
// through the shape every design reader shares (write, check, summary). Alzado
// receives the vertical alignment. True after a completed run; false when the input
// was refused (said in a box, ErrorFichero 1). Typical sections have their own entry.
bool ClipWin_Leer_Fichero(Context& ctx, design_readers::WindowServices& window,
                          const design_readers::Ficheros& ficheros, int Tipo, std::vector<TAlzado>& Alzado);

}  // namespace EntryClipWindows
