#include "design_readers/section_shape.h"

#include <limits>
#include <string_view>

#include "common/errors.h"
#include "common/line_input.h"
#include "design_readers/estandar.h"
#include "design_readers/listing_lines.h"
#include "design_readers/form_seccion_tipo.h"
#include "field_writers/info_proyect.h"
#include "field_writers/rechazo.h"

namespace design_readers {
namespace {

constexpr const char* kSinSecciones = "No contiene ninguna sección.";

// Whether the input holds nothing but blanks, TABs, form feeds and line ends (or
// nothing at all). Throws ConversionError when it cannot be read.
bool EntradaVacia(const std::string& entrada) {
    LineInput input(entrada);
    std::string_view linea;
    while (input.Next(linea)) {
        if (!LineaVacia(linea)) return false;
    }
    return true;
}

// Asks the layer where the reader's way says so. False when the dialog was closed
// without a choice.
bool ElegirBloque(Context& ctx, CapaSeccion capa, char& bloque) {
    State& s = ctx.state;
    bloque = capa == CapaSeccion::DialogoOSubrasante && s.FormatoCampo == 3 ? 'S' : 'R';
    const bool dialogo = capa == CapaSeccion::SinTaludes ||
                         (s.FormatoCampo == 2 && (capa == CapaSeccion::Dialogo || capa == CapaSeccion::DialogoORecordada ||
                                                  capa == CapaSeccion::DialogoOSubrasante));
    if (dialogo && !PedirCapaSeccion(ctx, capa != CapaSeccion::SinTaludes)) return false;
    if (capa == CapaSeccion::SinTaludes) {
        bloque = s.OpcionSubRasante != 0 ? 'S' : 'R';
    } else if (dialogo || capa == CapaSeccion::DialogoORecordada) {
        bloque = BloqueElegido(s);
    }
    return true;
}

}  // namespace

void AnadirPunto(field_writers::TBloqueSeccion& bloque, double desplazamiento, double cota,
                 std::int64_t numeroLinea, const std::string& codigo) {
    if (bloque.NumPuntos == std::numeric_limits<std::int32_t>::max()) {
        throw ConversionError(EnLinea(numeroLinea, "la sección tiene demasiados puntos."));
    }
    TPuntoSeccion p;
    p.Desplazamiento = desplazamiento;
    p.Cota = cota;
    p.Codigo = codigo;
    bloque.Puntos.push_back(std::move(p));
    ++bloque.NumPuntos;
}

bool Leer_Seccion(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros, CapaSeccion capa,
                  char& bloque, const ParserSeccion& leer, LectorAlzado lectorAlzado) {
    State& s = ctx.state;
    // Nothing to read: said before any question about the layer or the alzado, so
    // that the answer to a question never hides it.
    if (EntradaVacia(ficheros.entrada)) return Rechazar(ctx, ficheros, kTituloSeccion, kSinSecciones);
    if (!ElegirBloque(ctx, capa, bloque)) {
        // Closed without a choice: the request ends, nothing written, no summary.
        s.ErrorFichero = 1;
        return false;
    }
    std::vector<TAlzado> alzado(1);
    if (s.FormatoCampo == 3) {
        const Ficheros deAlzado{ficheros.alzado, {}, ficheros.nombreAlzado, {}, {}};
        // A refused profile has said why; without it there is no axis elevation.
        SoloLectura soloLectura(window);
        if (lectorAlzado == nullptr) lectorAlzado = Estandar_Alzado;
        if (!lectorAlzado(ctx, soloLectura, deAlzado, alzado)) return false;
    }
    Info_Proyect::Inicializa_Info(Info_Proyect::kSeccionTipo, s.InfoProyecto);

    std::string bloques(1, bloque);
    // Layers by code name their three files whatever each receives.
    if (capa == CapaSeccion::Todas || capa == CapaSeccion::SinTaludes) bloques = "TCSR";
    field_writers::SeccionWriter writer(ctx.desktop, ficheros.salida, ficheros.indice, s.FormatoCampo, bloques, alzado);
    std::int64_t secciones = 0;
    double pkInicial = 0;
    double pkFinal = 0;
    try {
        leer(ficheros.entrada, [&](double Pk, field_writers::TSeccion& seccion) {
            std::int32_t puntos = 0;
            for (const auto& b : seccion.Bloques) puntos += b.NumPuntos;
            writer.Write_Seccion_Tipo(puntos, Pk, seccion);
            if (secciones++ == 0) pkInicial = Pk;
            pkFinal = Pk;
        });
        if (secciones == 0) return Rechazar(ctx, ficheros, kTituloSeccion, kSinSecciones);
    } catch (const Rechazo& rechazo) {
        return Rechazar(ctx, ficheros, kTituloSeccion, rechazo.what());
    }
    const bool sinCapasVacias = capa == CapaSeccion::SinTaludes;
    writer.Commit(sinCapasVacias);
    // The summary names each file by the layer it holds, and no file that was left out.
    const auto nombre = [&](char c) {
        if (sinCapasVacias && s.FormatoCampo == 3 && writer.Fichero(c).empty()) return std::string();
        return field_writers::NombreCapa(ficheros.nombreSalida, bloques, c);
    };

    Resumen_Seccion(ctx, ficheros, pkInicial, pkFinal, {nombre('T'), nombre('S'), nombre('R')});
    return true;
}

void Resumen_Seccion(Context& ctx, const Ficheros& ficheros, double pkInicial, double pkFinal,
                     const std::array<std::string, 3>& capas) {
    TInfoProyecto& info = ctx.state.InfoProyecto;
    info.PkInicialSeccion = pkInicial;
    info.PkFinalSeccion = pkFinal;
    info.Entrada = ficheros.nombreEntrada;
    info.Salida = ficheros.nombreSalida;
    info.NombreTaludes = capas[0];
    info.NombreSubRasante = capas[1];
    info.NombreRasante = capas[2];
    field_writers::Muestra_Resumen(ctx.desktop, 0, Info_Proyect::kSeccionTipo, ctx.state.FormatoCampo, info);
}

}  // namespace design_readers
