#include "design_readers/sierrasoft.h"

#include <filesystem>
#include <functional>
#include <optional>

#include "common/file_names.h"
#include "design_readers/sierrasoft_dialogs.h"
#include "design_readers/sierrasoft_gdx.h"
#include "field_writers/info_proyect.h"
#include "field_writers/peraltes.h"
#include "field_writers/rechazo.h"
#include "field_writers/tunelix_header.h"
#include "platform/files.h"

namespace design_readers {
namespace {

constexpr const char* kTitulo = "Transformación";

// The chosen folder with its separator at the end.
std::string Carpeta(const std::string& salida) {
    if (salida.empty() || platform::IsFolderSeparator(salida.back())) return salida;
    return salida + static_cast<char>(std::filesystem::path::preferred_separator);
}

// An axis whose name would leave the folder or cannot name a file is said in a box
// and skipped; the run goes on with the next axis.
bool NombreDeEjeValido(Context& ctx, const std::string& eje) {
    if (ValidFileName(eje)) return true;
    ctx.desktop.MsgBox("El nombre del eje \"" + eje +
                           "\" no es válido como nombre de fichero. Este eje no se ha transformado.",
                       platform::mb::Exclamation, kTitulo);
    return false;
}

struct Guardar {
    const char* extension;
    const char* filtro;
};

// What the save dialog proposes for an output kind in a field format.
Guardar GuardarDe(std::int16_t formato, int tipo) {
    if (tipo == kSalidaPeraltes) return {"PER", "Fichero de peraltes (*.PER)|*.per"};
    const bool planta = tipo == kSalidaPlanta;
    switch (formato) {
    case 3: return planta ? Guardar{"PTC", "Fichero de planta (*.PTC)|*.ptc"} : Guardar{"LON", "Fichero de alzado (*.LON)|*.lon"};
    case 4: return planta ? Guardar{"KTW", "Fichero de planta (*.KTW)|*.ktw"} : Guardar{"KTW", "Fichero de alzado (*.KTW)|*.ktw"};
    default: return planta ? Guardar{"PLA", "Fichero de planta (*.PLA)|*.pla"} : Guardar{"ALZ", "Fichero de alzado (*.ALZ)|*.alz"};
    }
}

// The file an output of an axis goes to: its own name, or, when that file exists
// and the user keeps it, the name chosen in the save dialog. "" for none.
std::string FicheroDeSalida(Context& ctx, WindowServices& window, int tipo, const std::string& carpeta,
                            const std::string& eje) {
    const std::int16_t formato = ctx.state.FormatoCampo;
    const std::string nombre = NombreFicheroSalida(formato, tipo, carpeta, eje);
    if (nombre.empty() || !field_writers::Comprueba_Sobrescribir(ctx.desktop, nombre, UpperFileName(nombre))) {
        return nombre;
    }
    const Guardar guardar = GuardarDe(formato, tipo);
    return window.GuardarEje(nombre, guardar.extension, guardar.filtro).value_or(std::string());
}

// The files of one output of an axis; a Tunelix file starts with its own header.
Ficheros FicherosDeEje(const Context& ctx, const Ficheros& ficheros, const std::string& salida, bool planta) {
    return {ficheros.entrada, salida, ficheros.nombreEntrada, UpperFileName(salida),
            ctx.state.FormatoCampo == 4 ? field_writers::TunelixHeader(salida, planta) : std::string()};
}

// The elements already read, handed to the reader shape as its parsing.
template <class Elemento>
Parser<Elemento> Copia(const std::vector<Elemento>& leidos) {
    return [&leidos](const std::string&, std::vector<Elemento>& destino) {
        destino.insert(destino.end(), leidos.begin() + 1, leidos.end());
    };
}

// Writes the planta and the alzado of one axis. False when a writer refused (said).
bool EscribirAlineaciones(Context& ctx, WindowServices& window, const Ficheros& ficheros,
                          const std::string& carpeta, EjeSierraSoft& eje) {
    if (eje.planta.size() > 1) {
        const std::string salida = FicheroDeSalida(ctx, window, kSalidaPlanta, carpeta, eje.nombre);
        if (!salida.empty() &&
            !Leer_Planta(ctx, FicherosDeEje(ctx, ficheros, salida, true), Copia(eje.planta), eje.nombre)) {
            return false;
        }
    }
    if (eje.alzado.size() > 1) {
        const std::string salida = FicheroDeSalida(ctx, window, kSalidaAlzado, carpeta, eje.nombre);
        std::vector<TAlzado> alzado;
        if (!salida.empty() && !Leer_Alzado(ctx, window, FicherosDeEje(ctx, ficheros, salida, false),
                                            Copia(eje.alzado), alzado, eje.nombre)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string NombreFicheroSalida(std::int16_t formato, int tipo, const std::string& carpeta,
                                const std::string& eje) {
    // Tunelix keeps an axis's planta and alzado apart; its superelevation is binary.
    static constexpr const char* kExtensiones[5][4] = {
        {".PLA", ".ALZ", ".SCT", ".PER"},
        {"", "", "", ""},
        {".PLA", ".ALZ", ".SCT", ".PER"},
        {".PTC", ".LON", ".PRO", ""},
        {"_PLA.KTW", "_ALZ.KTW", ".KTW", ".PER"},
    };
    if (formato < 0 || formato > 4 || tipo < kSalidaPlanta || tipo > kSalidaPeraltes) return {};
    const std::string extension = kExtensiones[formato][tipo - 1];
    if (extension.empty()) return {};
    return carpeta + eje + extension;
}

namespace {

// What a run does with an axis that has something of its kind: false to end the run
// (after saying why, or after a refusal of a writer); true to go on.
using EscribirEje = std::function<bool(const std::string& carpeta, EjeSierraSoft& eje)>;

// Every axis of the file in turn: read, skipped when it has nothing of the run's kind
// or its name can name no file, handed to `escribir` otherwise. A file in which no
// axis has anything of that kind is refused with `vacio`.
bool RecorrerEjes(Context& ctx, const Ficheros& ficheros, LecturaEje que, const char* vacio,
                  const EscribirEje& escribir) {
    const std::string carpeta = Carpeta(ficheros.salida);
    LectorSierraSoft lector(ficheros.entrada);
    EjeSierraSoft eje;
    bool conDatos = false;
    try {
        while (lector.LeeEje(eje)) {
            lector.LeeCuerpo(que, eje);
            const bool datos = que == LecturaEje::Peraltes ? eje.peraltes.size() > 1
                                                           : eje.planta.size() > 1 || eje.alzado.size() > 1;
            if (!datos) continue;
            conDatos = true;
            if (!NombreDeEjeValido(ctx, eje.nombre)) continue;
            if (!escribir(carpeta, eje)) return false;
        }
    } catch (const Rechazo& rechazo) {
        return Rechazar(ctx, ficheros, kTitulo, rechazo.what());
    }
    if (!conDatos) return Rechazar(ctx, ficheros, kTitulo, vacio);
    return true;
}

}  // namespace

bool SierraSoft_Planta_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros) {
    return RecorrerEjes(ctx, ficheros, LecturaEje::Alineaciones,
                        "No contiene ningún eje con elementos de planta o de alzado.",
                        [&](const std::string& carpeta, EjeSierraSoft& eje) {
                            return EscribirAlineaciones(ctx, window, ficheros, carpeta, eje);
                        });
}

bool SierraSoft_Peraltes(Context& ctx, WindowServices& window, const Ficheros& ficheros) {
    return RecorrerEjes(ctx, ficheros, LecturaEje::Peraltes, "No contiene ningún eje con peraltes.",
                        [&](const std::string& carpeta, EjeSierraSoft& eje) {
        const std::string salida = FicheroDeSalida(ctx, window, kSalidaPeraltes, carpeta, eje.nombre);
        if (salida.empty()) return true;
        const std::optional<double> offset = PedirOffsetAlzado(ctx, eje.nombre);
        if (!offset) {
            // Closed without an offset: the run ends before this axis.
            ctx.state.ErrorFichero = 1;
            return false;
        }
        TInfoProyecto& info = ctx.state.InfoProyecto;
        Info_Proyect::Inicializa_Info(Info_Proyect::kPeraltes, info);
        field_writers::Write_Peraltes(salida, *offset, eje.peraltes, info);
        info.Entrada = ficheros.nombreEntrada;
        info.Salida = UpperFileName(salida);
        field_writers::Muestra_Resumen(ctx.desktop, 0, Info_Proyect::kPeraltes, ctx.state.FormatoCampo, info);
        return true;
    });
}

bool SierraSoft_ElegirEje(Context& ctx, const std::string& fichero, const std::string& nombreFichero,
                          std::vector<TAlzado>& Alzado) {
    const Ficheros deAlzado{fichero, {}, nombreFichero, {}, {}};
    try {
        const std::vector<std::string> ejes = SierraSoft_ListaEjes(fichero);
        std::size_t elegido = 0;
        if (ejes.size() > 1) {
            ctx.desktop.SetMousePointer(platform::kDefaultPointer);
            const std::optional<std::size_t> eleccion = ElegirEjeAlzado(ctx, ejes);
            if (!eleccion) {
                ctx.state.ErrorFichero = 1;
                return false;
            }
            elegido = *eleccion;
            ctx.desktop.SetMousePointer(platform::kHourglass);
        }
        LectorSierraSoft lector(fichero);
        EjeSierraSoft eje;
        for (std::size_t k = 0; k <= elegido; ++k) {
            if (!lector.LeeEje(eje)) return Rechazar(ctx, deAlzado, kTituloSeccion, "No contiene ningún eje.");
        }
        lector.LeeCuerpo(LecturaEje::Alzado, eje);
        if (eje.alzado.size() < 2) {
            return Rechazar(ctx, deAlzado, kTituloSeccion, "El eje \"" + eje.nombre + "\" no tiene alzado.");
        }
        Alzado = std::move(eje.alzado);
        return true;
    } catch (const Rechazo& rechazo) {
        return Rechazar(ctx, deAlzado, kTituloSeccion, rechazo.what());
    }
}

namespace {

// The axis elevations of a Corvana section run: `alzado` names the alignment file.
bool AlzadoDeEje(Context& ctx, WindowServices&, const Ficheros& alzado, std::vector<TAlzado>& Alzado) {
    return SierraSoft_ElegirEje(ctx, alzado.entrada, alzado.nombreEntrada, Alzado);
}

}  // namespace

bool SierraSoft_Seccion_Tipo(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros) {
    char bloque = 'R';
    return Leer_Seccion(
        ctx, window, ficheros, CapaSeccion::DialogoOSubrasante, bloque,
        [&bloque](const std::string& entrada, const EscribirSeccion& escribir) {
            LeerSeccionesSierraSoft(entrada, bloque, escribir);
        },
        AlzadoDeEje);
}

}  // namespace design_readers
