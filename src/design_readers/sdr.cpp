#include "design_readers/sdr.h"

#include <optional>

#include "common/errors.h"
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

// The old planta at the chosen name of a run that writes none: after this run it
// would pass for this road's planta. It is moved aside beside itself before the
// run's files take their names, removed once they have, and put back when the run
// stops before.
class PlantaAntigua {
public:
    explicit PlantaAntigua(const Ficheros& ficheros) : path_(ficheros.salida) {
        if (!platform::FileExists(path_) || platform::IsFolder(path_)) return;
        for (int intento = 0; intento < 100 && apartada_.empty(); ++intento) {
            const std::string nombre = path_ + ".~tarsel" + std::to_string(intento);
            if (platform::FileExists(nombre)) continue;
            if (!platform::RenameFile(path_, nombre)) break;
            apartada_ = nombre;
        }
        if (apartada_.empty()) throw ConversionError("No se puede borrar el fichero " + ficheros.nombreSalida);
    }
    PlantaAntigua(const PlantaAntigua&) = delete;
    PlantaAntigua& operator=(const PlantaAntigua&) = delete;
    ~PlantaAntigua() {
        if (!apartada_.empty()) platform::RenameFile(apartada_, path_);
    }
    // A copy that cannot go stays aside, never under the planta's name.
    void Borrar() {
        if (!apartada_.empty()) platform::RemoveFile(apartada_);
        apartada_.clear();
    }

private:
    std::string path_;
    std::string apartada_;
};

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
    if (l.Planta.size() < 2 && l.Vertices.empty()) return Rechazar(ctx, ficheros, titulo, "El fichero no es de tipo SDR");
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
    std::optional<PlantaAntigua> antigua;
    if (conPlanta && !planta) antigua.emplace(ficheros);
    if (escritorPlanta) escritorPlanta->Commit();
    if (escritorAlzado) escritorAlzado->Commit();
    if (antigua) antigua->Borrar();

    if (planta) Resumen_Planta(ctx, ficheros, l.Planta);
    // A planta request that wrote no planta says so.
    const std::string nota = conPlanta && !planta ? "No contiene ningún elemento de planta: no se ha escrito el fichero " +
                                                        ficheros.nombreSalida + "."
                                                  : std::string();
    if (perfil) Resumen_Alzado(ctx, deAlzado, Alzado, {}, nota);
    return true;
}

}  // namespace design_readers
