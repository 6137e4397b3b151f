#include "design_readers/reader_shape.h"

#include <type_traits>

#include "common/gm_continuity.h"
#include "design_readers/listing_lines.h"
#include "field_writers/info_proyect.h"
#include "field_writers/rechazo.h"
#include "field_writers/write_files.h"

namespace design_readers {
bool Rechazar(Context& ctx, const Ficheros& ficheros, const char* titulo, const std::string& motivo) {
    ctx.desktop.MsgBox("El fichero " + ficheros.nombreEntrada + " no se ha transformado.\r\r" + motivo,
                       platform::mb::Exclamation, titulo);
    ctx.state.ErrorFichero = 1;
    return false;
}

namespace {

// An element that runs backwards is degenerate, whichever reader built it: refused
// naming the line that gave it, or the element when the reader does not know it.
template <class Elemento>
void ComprobarLongitudes(const std::vector<Elemento>& elementos, const char* tipo) {
    for (std::size_t i = 1; i < elementos.size(); ++i) {
        const Elemento& e = elementos[i];
        if (!(e.Longitud < 0)) continue;
        if (e.Linea > 0) throw Rechazo(EnLinea(e.Linea, "el elemento tiene longitud negativa."));
        throw Rechazo("El elemento " + std::to_string(i) + " " + tipo + " tiene longitud negativa.");
    }
}

// Reads, refuses an input without elements or with an element of negative length,
// then writes every element through one writer and commits. False after a refusal
// (already said).
template <class Elemento, class Escribir>
bool LeerYEscribir(Context& ctx, const Ficheros& ficheros, const char* titulo, const char* tipo,
                   const Parser<Elemento>& leer, std::vector<Elemento>& elementos, bool escribir,
                   Escribir escribirElemento) {
    try {
        elementos.assign(1, Elemento{});
        leer(ficheros.entrada, elementos);
        if (elementos.size() < 2) {
            return Rechazar(ctx, ficheros, titulo, std::string("No contiene ningún elemento de ") + tipo + ".");
        }
        ComprobarLongitudes(elementos, std::is_same_v<Elemento, TPlanta> ? "de la planta" : "del alzado");
        if (!escribir) return true;
        field_writers::WriteFiles writer(ficheros.salida, ctx.state.FormatoCampo, ctx.state.InfoProyecto,
                                         ficheros.cabecera);
        for (std::size_t i = 1; i < elementos.size(); ++i) escribirElemento(writer, i, elementos);
        writer.Commit();
        return true;
    } catch (const Rechazo& rechazo) {
        return Rechazar(ctx, ficheros, titulo, rechazo.what());
    }
}

void Nombres(Context& ctx, const Ficheros& ficheros) {
    ctx.state.InfoProyecto.Entrada = ficheros.nombreEntrada;
    ctx.state.InfoProyecto.Salida = ficheros.nombreSalida;
}

}  // namespace

void Resumen_Planta(Context& ctx, const Ficheros& ficheros, const std::vector<TPlanta>& Planta,
                    const std::string& eje) {
    GM::Comprobar_Planta(ctx.desktop, Planta, eje);
    Nombres(ctx, ficheros);
    field_writers::Muestra_Resumen(ctx.desktop, 0, Info_Proyect::kPlanta, ctx.state.FormatoCampo,
                                ctx.state.InfoProyecto);
}

void Resumen_Alzado(Context& ctx, const Ficheros& ficheros, const std::vector<TAlzado>& Alzado,
                    const std::string& eje, const std::string& nota) {
    GM::Comprobar_Alzado(ctx.desktop, Alzado, eje);
    Nombres(ctx, ficheros);
    field_writers::Muestra_Resumen(ctx.desktop, 0, Info_Proyect::kAlzado, ctx.state.FormatoCampo,
                                ctx.state.InfoProyecto, nota);
}

bool Leer_Planta(Context& ctx, const Ficheros& ficheros, const Parser<TPlanta>& leer, const std::string& eje) {
    Info_Proyect::Inicializa_Info(Info_Proyect::kPlanta, ctx.state.InfoProyecto);
    std::vector<TPlanta> Planta;
    const bool escrito =
        LeerYEscribir(ctx, ficheros, kTituloPlanta, "planta", leer, Planta, true,
                      [](field_writers::WriteFiles& w, std::size_t i, const std::vector<TPlanta>& v) {
                          w.Write_Planta(i, v);
                      });
    if (!escrito) return false;
    Resumen_Planta(ctx, ficheros, Planta, eje);
    return true;
}

bool Leer_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros, const Parser<TAlzado>& leer,
                 std::vector<TAlzado>& Alzado, const std::string& eje) {
    Info_Proyect::Inicializa_Info(Info_Proyect::kAlzado, ctx.state.InfoProyecto);
    const bool seccionTipo = window.SeccionTipo();
    const bool leido =
        LeerYEscribir(ctx, ficheros, kTituloAlzado, "alzado", leer, Alzado, !seccionTipo,
                      [](field_writers::WriteFiles& w, std::size_t i, const std::vector<TAlzado>& v) {
                          w.Write_Alzado(i, v);
                      });
    if (!leido) {
        Alzado.assign(1, TAlzado{});
        return false;
    }
    if (seccionTipo) return true;
    Resumen_Alzado(ctx, ficheros, Alzado, eje);
    return true;
}

}  // namespace design_readers
