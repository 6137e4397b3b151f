#include "design_readers/section_shape.h"

#include "design_readers/estandar.h"
#include "design_readers/form_seccion_tipo.h"
#include "field_writers/info_proyect.h"
#include "field_writers/rechazo.h"

namespace design_readers {
namespace {

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

}  // namespace

bool Leer_Seccion(Context& ctx, WindowServices& window, const FicherosSeccion& ficheros, CapaSeccion capa,
                  char& bloque, const ParserSeccion& leer) {
    State& s = ctx.state;
    bloque = 'R';
    if (capa == CapaSeccion::Dialogo && s.FormatoCampo == 2) {
        if (!PedirCapaSeccion(ctx)) {
            // Closed without a choice: the request ends, nothing written, no summary.
            s.ErrorFichero = 1;
            return false;
        }
        bloque = BloqueElegido(s);
    }
    std::vector<TAlzado> alzado(1);
    if (s.FormatoCampo == 3) {
        const Ficheros deAlzado{ficheros.alzado, {}, ficheros.nombreAlzado, {}, {}};
        // A refused profile has said why; without it there is no axis elevation.
        SoloLectura soloLectura(window);
        if (!Estandar_Alzado(ctx, soloLectura, deAlzado, alzado)) return false;
    }
    Info_Proyect::Inicializa_Info(Info_Proyect::kSeccionTipo, s.InfoProyecto);

    const std::string bloques = capa == CapaSeccion::Todas ? std::string("TCSR") : std::string(1, bloque);
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
        if (secciones == 0) return Rechazar(ctx, ficheros, kTituloSeccion, "No contiene ninguna sección.");
    } catch (const Rechazo& rechazo) {
        return Rechazar(ctx, ficheros, kTituloSeccion, rechazo.what());
    }
    writer.Commit();

    TInfoProyecto& info = s.InfoProyecto;
    info.PkInicialSeccion = pkInicial;
    info.PkFinalSeccion = pkFinal;
    info.Entrada = ficheros.nombreEntrada;
    info.Salida = ficheros.nombreSalida;
    info.NombreTaludes = field_writers::NombreCapa(ficheros.nombreSalida, bloques, 'T');
    info.NombreSubRasante = field_writers::NombreCapa(ficheros.nombreSalida, bloques, 'S');
    info.NombreRasante = field_writers::NombreCapa(ficheros.nombreSalida, bloques, 'R');
    field_writers::Muestra_Resumen(ctx.desktop, 0, Info_Proyect::kSeccionTipo, s.FormatoCampo, info);
    return true;
}

}  // namespace design_readers
