#pragma once
// What every typical-section reader does around its parsing: ask the layer in
// Tarsel v3.00 runs, read the vertical alignment of a Corvana run, clear the
// section statistics, write each section through one SeccionWriter, refuse an input
// that gives no section, commit, and show the summary with the files by the layer
// they hold.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/context.h"
#include "common/records.h"
#include "design_readers/reader_shape.h"
#include "design_readers/window_services.h"
#include "field_writers/section_writer.h"

namespace design_readers {

// The files of a section request.
struct FicherosSeccion : Ficheros {
    std::string indice;        // the .STD index of a Tarsel run; "" to name it from salida
    std::string alzado;        // the vertical alignment of a Corvana run, as chosen
    std::string nombreAlzado;  // its name as the boxes show it
};

// The title of a refusal box of a section reader.
inline constexpr const char* kTituloSeccion = "Sección tipo";

// Hands each section to the writer; `escribir(Pk, seccion)` is called once per
// section, in order.
using EscribirSeccion = std::function<void(double Pk, field_writers::TSeccion& seccion)>;

// The window as a section job sees it: a vertical alignment read for the sections
// only fills its array, whatever kind the window shows.
class SoloLectura : public WindowServices {
public:
    explicit SoloLectura(WindowServices& window) : window_(window) {}
    bool SeccionTipo() const override { return true; }
    std::string Programa() const override { return window_.Programa(); }
    void Progreso(const std::string& text) override { window_.Progreso(text); }
    std::string TextoRTF(const std::string& path) override { return window_.TextoRTF(path); }
    std::optional<std::string> GuardarComo(const std::string& title, const std::string& suggested) override {
        return window_.GuardarComo(title, suggested);
    }
    std::string Capa() const override { return window_.Capa(); }

private:
    WindowServices& window_;
};

// The parsing of a section reader: reads the input and calls escribir for every
// section it gives.
using ParserSeccion = std::function<void(const std::string& entrada, const EscribirSeccion& escribir)>;

// How a reader chooses the block of its points:
//   Rasante            block R, no question
//   Dialogo            Form_Seccion_Tipo in Tarsel v3.00 runs (2); block R otherwise
//   DialogoORecordada  the same dialog in Tarsel v3.00 runs; in the other formats the
//                      choice the last dialog of the program run left in the flags
//   Todas              the lines carry every layer: all four blocks are written
//   SinTaludes         the points carry their layer by code: T and C, and R or S as
//                      Form_Seccion_Tipo, shown in every format without its taludes
//                      option, chooses; a Corvana layer that receives nothing is no file
//   DialogoOSubrasante the dialog in Tarsel v3.00 runs; block S in Corvana runs and
//                      block R in the others
enum class CapaSeccion { Rasante, Dialogo, DialogoORecordada, Todas, SinTaludes, DialogoOSubrasante };

// The vertical-alignment reader of the program, for the axis elevation of Corvana runs.
using LectorAlzado = bool (*)(Context& ctx, WindowServices& window, const Ficheros& ficheros,
                              std::vector<TAlzado>& Alzado);

// Appends a point to a block and counts it; a block that would pass the largest count
// is a failure naming the line.
void AnadirPunto(field_writers::TBloqueSeccion& bloque, double desplazamiento, double cota,
                 std::int64_t numeroLinea, const std::string& codigo = "xxxxxxxx");

// The shape. `bloque` is filled with the block the reader's points go to (R, or
// the layer chosen); the parser puts its points there. `alzado` reads the vertical
// alignment of a Corvana run (Estandar_Alzado when null). True after a completed run
// (summary shown); false when the user cancelled the layer dialog, the vertical
// alignment was refused or the input gave no section (said in a box, ErrorFichero
// 1; an input with nothing in it before any question). Other failures propagate,
// and no old output is touched.
bool Leer_Seccion(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros, CapaSeccion capa,
                  char& bloque, const ParserSeccion& leer, LectorAlzado alzado = nullptr);

// The summary of a completed section run: the chainages of the first and the last
// section written, the files, and the Corvana files of the layers T, S and R.
void Resumen_Seccion(Context& ctx, const Ficheros& ficheros, double pkInicial, double pkFinal,
                     const std::array<std::string, 3>& capas);

}  // namespace design_readers
