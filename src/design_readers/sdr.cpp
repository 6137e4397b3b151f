#include "design_readers/sdr.h"

#include <optional>

#include "field_writers/info_proyect.h"
#include "field_writers/rechazo.h"
#include "field_writers/write_files.h"
#include "platform/files.h"

namespace design_readers {

std::string SegundoFicheroSDR(std::string_view salida, std::int16_t formato) {
    if (formato == 4) {
        const std::size_t carpeta = platform::LastFolderSeparator(salida);
        const std::size_t punto = salida.find_last_of('.');
        const bool conExtension = punto != std::string_view::npos && (carpeta == std::string_view::npos || punto > carpeta);
        const std::size_t corte = conExtension ? punto : salida.size();
        return std::string(salida.substr(0, corte)) + "_ALZ" + std::string(salida.substr(corte));
    }
    const std::string_view base = salida.substr(0, salida.size() < 3 ? 0 : salida.size() - 3);
    return std::string(base) + (formato == 3 ? "LON" : "ALZ");
}

namespace {

template <class Elemento, class Escribir>
void EscribirTodos(field_writers::WriteFiles& writer, const std::vector<Elemento>& v, Escribir escribir) {
    for (std::size_t i = 1; i < v.size(); ++i) (writer.*escribir)(i, v);
}

}  // namespace

bool SDR_Planta_Alzado(Context& ctx, const Ficheros& ficheros, const Ficheros& alzado, bool conPlanta) {
    State& s = ctx.state;
    Info_Proyect::Inicializa_Info(Info_Proyect::kPlanta, s.InfoProyecto);
    Info_Proyect::Inicializa_Info(Info_Proyect::kAlzado, s.InfoProyecto);
    const char* titulo = conPlanta ? kTituloPlanta : kTituloAlzado;
    const Ficheros& deAlzado = conPlanta ? alzado : ficheros;

    LecturaSDR l;
    std::vector<TAlzado> Alzado;
    try {
        l = LeerSDR(ficheros.entrada);
        Alzado = AlzadoSDR(l.Vertices);
    } catch (const Rechazo& rechazo) {
        return Rechazar(ctx, ficheros, titulo, rechazo.what());
    }
    const bool planta = conPlanta && l.Planta.size() > 1;
    const bool perfil = Alzado.size() > 1;
    if (!l.registros) return Rechazar(ctx, ficheros, titulo, "El fichero no es de tipo SDR");
    if (!conPlanta && !perfil) return Rechazar(ctx, ficheros, titulo, "No contiene ningún elemento de alzado.");
    if (!planta && !perfil) {
        return Rechazar(ctx, ficheros, titulo, "No contiene ningún elemento de planta ni de alzado.");
    }

    // Both files are complete before either replaces an old one.
    std::optional<field_writers::WriteFiles> escritorPlanta;
    std::optional<field_writers::WriteFiles> escritorAlzado;
    if (planta) {
        escritorPlanta.emplace(ficheros.salida, s.FormatoCampo, s.InfoProyecto, ficheros.cabecera);
        EscribirTodos(*escritorPlanta, l.Planta, &field_writers::WriteFiles::Write_Planta);
    }
    if (perfil) {
        escritorAlzado.emplace(deAlzado.salida, s.FormatoCampo, s.InfoProyecto, deAlzado.cabecera);
        EscribirTodos(*escritorAlzado, Alzado, &field_writers::WriteFiles::Write_Alzado);
    }
    if (escritorPlanta) escritorPlanta->Commit();
    if (escritorAlzado) escritorAlzado->Commit();

    if (planta) Resumen_Planta(ctx, ficheros, l.Planta);
    if (perfil) Resumen_Alzado(ctx, deAlzado, Alzado);
    return true;
}

}  // namespace design_readers
