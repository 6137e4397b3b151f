// Typical sections from Vextor templates: one section per assigned station, the
// template's points raised onto the profile's elevation at the station.

#include <unordered_map>

#include "common/gm_vertical.h"
#include "common/numbers.h"
#include "design_readers/form_seccion_tipo.h"
#include "design_readers/vextor.h"
#include "field_writers/corvana_sections.h"
#include "field_writers/info_proyect.h"

namespace EntryVextor {
namespace {

using Errors::ErrorVextor;

// A point carries no code of its own.
const std::string kSinCodigo(8, ' ');

}  // namespace

bool Vextor_Asignacion(Context& ctx, Modulo& m, const std::string& path, const std::string& nombre) {
    m.AsignacionesVextor.assign(1, TAsignacionVextor{});
    try {
        if (!Es_Fichero_STA(m, path)) throw ErrorVextor(Errors::kAsignacionNoValida);
        LeerLineas(m, path, [&m](const LineaVextor& l) {
            // Unidades_STA: the station is always in millimetres.
            m.AsignacionesVextor.push_back({l.Texto(1), l.Numero(2) / 1000, 0});
        });
    } catch (...) {
        return Manejar(ctx, m, Errors::kAsignacionNoValida, nombre);
    }
    if (m.AsignacionesVextor.size() < 2) {
        const design_readers::Ficheros ficheros{path, {}, nombre, {}, {}};
        return design_readers::Rechazar(ctx, ficheros, design_readers::kTituloSeccion,
                                        "No contiene ninguna asignación de sección tipo.");
    }
    return true;
}

bool Vextor_Seccion_Tipo(Context& ctx, Modulo& m, const design_readers::FicherosSeccion& ficheros) {
    Info_Proyect::Inicializa_Info(Info_Proyect::kSeccionTipo, ctx.state.InfoProyecto);
    m.PlantillasVextor.assign(1, TPlantillaVextor{});
    try {
        if (!Es_Fichero_CRS(m, ficheros.entrada)) throw ErrorVextor(Errors::kSeccionNoValida);
        LeerLineas(m, ficheros.entrada, [&m](const LineaVextor& l) {
            // Unidades_CRS: the unit digit of the offset serves both numbers.
            m.UnidadVextor = l.Unidad(2);
            const double f = FactorUnidad(m.UnidadVextor, l.NumeroLinea());
            TPlantillaVextor p;
            p.Nombre = l.Texto(1);
            p.Desplazamiento = l.Numero(2) / f;
            p.Altura = l.Numero(3) / f;
            m.PlantillasVextor.push_back(std::move(p));
        });
    } catch (...) {
        return Manejar(ctx, m, Errors::kSeccionNoValida, ficheros.nombreEntrada);
    }
    return Genera_Secciones_Vextor(ctx, m, ficheros);
}

bool Vextor_Write_Seccion(field_writers::SeccionWriter& writer, const State& state,
                          const std::vector<TPlantillaVextor>& copias, double z) {
    if (copias.size() < 2) return false;
    const auto n = static_cast<std::int32_t>(copias.size() - 1);
    const double pk = copias[1].Estacion;
    std::vector<TPuntoSeccion> PuntosSeccion(1);
    for (std::size_t k = 1; k < copias.size(); ++k) {
        PuntosSeccion.push_back({copias[k].Desplazamiento, copias[k].Cota, kSinCodigo, 0});
    }
    field_writers::TSeccion seccion;
    const auto llenar = [&](char codigo) {
        field_writers::TBloqueSeccion& b = seccion.Bloque(codigo);
        b.Puntos = PuntosSeccion;
        b.NumPuntos = n;
    };
    if (state.FormatoCampo == 3) {
        // One Corvana file holds every point; the axis is the profile's elevation.
        llenar('R');
        writer.Write_Seccion_Tipo(n, pk, seccion, field_writers::MilimetroInferior(z));
        return true;
    }
    if (state.OpcionTaludes != 0) llenar('T');
    if (state.OpcionSubRasante != 0) llenar('S');
    if (state.OpcionRasante != 0) llenar('R');
    writer.Write_Seccion_Tipo(n, pk, seccion);
    return true;
}

bool Genera_Secciones_Vextor(Context& ctx, Modulo& m, const design_readers::FicherosSeccion& ficheros) {
    State& s = ctx.state;
    if (s.FormatoCampo != 3 && !design_readers::PedirCapasClip(ctx)) {
        // Closed without a choice: nothing written, no summary.
        s.ErrorFichero = 1;
        return false;
    }
    // The points of every template, in file order, found once for all stations.
    std::unordered_map<std::string, std::vector<std::size_t>> puntos;
    for (std::size_t k = 1; k < m.PlantillasVextor.size(); ++k) puntos[m.PlantillasVextor[k].Nombre].push_back(k);

    const std::vector<TAlzado> sinAlzado(1);
    field_writers::SeccionWriter writer(ctx.desktop, ficheros.salida, ficheros.indice, s.FormatoCampo, "R", sinAlzado);
    std::int64_t secciones = 0;
    double pkInicial = 0;
    double pkFinal = 0;
    double estacion = 0;
    std::vector<TPlantillaVextor> copias;
    try {
        for (std::size_t k = 1; k < m.AsignacionesVextor.size(); ++k) {
            TAsignacionVextor& a = m.AsignacionesVextor[k];
            estacion = a.Estacion;
            std::int16_t fuera = 0;
            const double z = GM::Cota_Rasante_Pk(a.Estacion, m.AlzadoVextor, fuera);
            if (fuera != 0) throw ErrorVextor(Errors::kPkFueraDeAlzado);
            a.Cota = z;
            copias.assign(1, TPlantillaVextor{});
            const auto found = puntos.find(a.Nombre);
            if (found != puntos.end()) {
                for (std::size_t i : found->second) {
                    TPlantillaVextor c = m.PlantillasVextor[i];
                    c.Usado = true;
                    c.Estacion = a.Estacion;
                    c.Cota = z + c.Altura;
                    copias.push_back(std::move(c));
                }
            }
            if (!Vextor_Write_Seccion(writer, s, copias, z)) continue;
            if (secciones++ == 0) pkInicial = a.Estacion;
            pkFinal = a.Estacion;
        }
    } catch (...) {
        const ErrorVextor error = Errors::ErrorActual();
        const std::string pk = Num::Format(estacion, "#####.####", ctx.desktop.DecimalSeparator());
        // The sections of the stations before this one stay written.
        if (secciones > 0) writer.Commit();
        if (m.MensajesError.Tiene(error.Numero)) {
            Errors::MostrarError(ctx.desktop, m.MensajesError, error, error.Numero, pk, ficheros.nombreAlzado);
        } else {
            Errors::MostrarError(ctx.desktop, m.MensajesError, error, error.Numero, "Pk: " + pk);
        }
        s.ErrorFichero = 1;
        return false;
    }
    if (secciones == 0) {
        return design_readers::Rechazar(ctx, ficheros, design_readers::kTituloSeccion,
                                        "Ninguna asignación lleva el nombre de una plantilla de sección tipo.");
    }
    writer.Commit();

    // One file holds the points, shown as the subrasante.
    design_readers::Resumen_Seccion(ctx, ficheros, pkInicial, pkFinal, {"", ficheros.nombreSalida, ""});
    return true;
}

bool Secciones_Vextor(Context& ctx, design_readers::WindowServices& window, Modulo& m,
                      const design_readers::FicherosSeccion& ficheros, const std::string& asignacion,
                      const std::string& nombreAsignacion) {
    const design_readers::Ficheros alzado{ficheros.alzado, {}, ficheros.nombreAlzado, {}, {}};
    design_readers::SoloLectura soloLectura(window);
    return Vextor_Alzado(ctx, soloLectura, m, alzado) && Vextor_Asignacion(ctx, m, asignacion, nombreAsignacion) &&
           Vextor_Seccion_Tipo(ctx, m, ficheros);
}

}  // namespace EntryVextor
