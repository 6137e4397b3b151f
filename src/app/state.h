#pragma once
// The process-wide variables the windows and converters share, under their own
// names. One object, made by main.cpp or by a test, handed to everyone by reference.

#include <array>
#include <cstdint>
#include <string>

#include "common/field.h"
#include "common/info_proyecto.h"

struct State {
    // The files of the current conversion (upper-cased copies of the chosen names).
    std::string InFile;
    std::string OutFile;
    std::string OutFile2;
    // The vertical-alignment file and the Vextor template-assignment file picked for a
    // typical-section request (upper-cased); they keep their value until the next pick.
    std::string AlzadoFile;
    std::string AsignacionFile;

    // 0 "Tarsel v2.27 o anterior", 1 KTW, 2 "Tarsel v3.00 o posterior", 3 Corvana, 4 Tunelix.
    std::int16_t FormatoCampo = 0;
    // 0 "Campo => Oficina", 1 "Oficina => Campo".
    std::int16_t Transformacion = 0;
    // Set to 1 by a reader that rejected its input and already said so.
    std::int16_t ErrorFichero = 0;
    // Filter-editor mode.
    std::int16_t ModoFiltro = 0;

    // Pieces of the line being read, used from element 1.
    TFields Campos = TFields(1);
    TFields Campos2 = TFields(1);

    // Field-to-office window.
    std::int16_t NumFiltrosEstandar = 0;
    std::int16_t NumFiltrosUsuario = 0;
    std::int16_t CancelarDXF = 0;
    // Set by the FieldWorks options form: also write coordinate records.
    bool OpcionFieldWorks = false;

    // User filters: the definition being built or applied, the name last stored,
    // the editor's eight boxes (header, comments, tab, semicolon, comma, spaces,
    // other, right-justified; 1 ticked) and the comment line of the dialog
    // "Comentario", which says whether it was accepted or closed by its close box.
    std::string FiltroActual;
    std::string NombreFiltro;
    std::array<std::int16_t, 8> OpcionesFiltro{};
    std::string Comentario;
    bool ComentarioAceptado = false;

    // Both conversion windows: the input and output files under the names the file
    // dialogs returned. InFile and OutFile are their upper-cased copies, used to
    // compare and show; the converters open these (file names are case-sensitive).
    std::string InFilePath;
    std::string OutFilePath;

    // The answer of the small dialogs that ask before a conversion: Number 0 after
    // "Aceptar", another number when the dialog was left in any other way.
    struct TEstadoDialogo {
        std::int32_t Number = 0;
        std::string Description;
        std::string Source;
    };
    TEstadoDialogo EstadoDialogo;

    // How the ISPOL field book tells bases among the names (dialog "Observaciones"):
    // True, names that are numbers greater than IdentBasesValor; False, names that
    // begin with the prefix IdentBasesValor (either letter case).
    bool IdentBasesNumerico = false;
    std::string IdentBasesValor;

    // DXF options, set by the dialog "Parámetros DXF" (Form_DXF) from the section
    // "DXF" of the settings and read by the DXF writer. DosTresD: 2 = 2D, 3 = 3D,
    // 4 = tunnel profiles (any other value draws 2D). Colours are 1 to 7.
    std::int16_t Escala = 1000;
    std::int16_t DosTresD = 3;
    std::int16_t Layer1Activo = 1;
    std::string Layer1Nombre = "No_Punto";
    std::int16_t Layer1Color = 1;
    std::int16_t Layer2Activo = 1;
    std::string Layer2Nombre = "Coords_XY";
    std::int16_t Layer2Color = 2;
    std::int16_t Layer2Decimales = 3;
    std::int16_t Layer3Activo = 1;
    std::string Layer3Nombre = "Coord_Z";
    std::int16_t Layer3Color = 3;
    std::int16_t Layer3Decimales = 3;
    std::int16_t Layer4Activo = 1;
    std::string Layer4Nombre = "Codigo";
    std::int16_t Layer4Color = 4;

    // Office-to-field window: the KTW point options. KtwFormat "KTW 8" or "KTW16",
    // AnchoPalabra the data width (8 or 16), RestarConstante "Y" or "N", Dimensiones
    // "2" or "3"; the constants are whole numbers subtracted from X and Y.
    std::string KtwFormat = "KTW16";
    std::int16_t AnchoPalabra = 16;
    std::string RestarConstante = "N";
    std::string Dimensiones = "3";
    double ConstanteX = 0;
    double ConstanteY = 0;

    // The layer of a typical section, as the last layer dialog chose it (True = -1).
    // Kept for the whole program run: a section reader that shows no dialog uses it.
    std::int16_t OpcionTaludes = 0;
    std::int16_t OpcionSubRasante = 0;
    std::int16_t OpcionRasante = 0;

    // The transversal offset of the vertical-alignment axis from the tunnel axis, as
    // typed for the last superelevation file (Form_Offset_Alzado).
    double OffsetAlzado = 0;

    // Office-to-field runs: the statistics shown in the summary of the last run.
    TInfoProyecto InfoProyecto;
};
