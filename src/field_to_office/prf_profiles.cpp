#include "field_to_office/prf_profiles.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "common/errors.h"
#include "common/little_endian.h"
#include "common/numbers.h"
#include "field_to_office/tarsel_binary_records.h"
#include "platform/files.h"

namespace {

constexpr std::size_t kCabecera = 52;
constexpr std::size_t kPunto = 42;

std::string ReadWholeFile(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(platform::OpenFile(path, "rb"), &std::fclose);
    if (!file) throw ConversionError("No se puede abrir el fichero de entrada " + path);
    std::string bytes;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
    if (std::ferror(file.get())) throw ConversionError("No se puede leer el fichero de entrada " + path);
    return bytes;
}

const unsigned char* At(std::string_view bytes, std::size_t at) {
    return reinterpret_cast<const unsigned char*>(bytes.data()) + at;
}

double Double(std::string_view bytes, std::size_t at) { return LittleEndian::Double(At(bytes, at)); }

// A value the outputs cannot hold stops the conversion.
double Finite(double value, std::size_t at) {
    if (!std::isfinite(value)) {
        throw ConversionError("El fichero de perfiles tiene un valor que no es un número en el byte " +
                              std::to_string(at + 1) + ".");
    }
    return value;
}

// The whole point records of a group: a cut last record is not a point.
std::size_t PointsOf(const GrupoPRF& g) {
    const std::size_t first = g.Inicio + kCabecera;
    return g.Fin > first ? (g.Fin - first) / kPunto : 0;
}

RegistroPerfil Cabecera(std::string_view bytes, std::size_t at) {
    RegistroPerfil r;
    r.Pk = Finite(Double(bytes, at), at);
    r.X = Finite(Double(bytes, at + 8), at + 8);
    r.Y = Finite(Double(bytes, at + 16), at + 16);
    r.Azimut = RadianesAGrados(Finite(Double(bytes, at + 24), at + 24));
    r.Entero = LittleEndian::Int32(At(bytes, at + 32));
    r.Distancia = Double(bytes, at + 36);
    r.Cota = Double(bytes, at + 44);
    return r;
}

RegistroPerfil Punto(std::string_view bytes, std::size_t at) {
    RegistroPerfil r;
    r.Nombre.assign(bytes.substr(at, 10));
    AddSpacesToString(r.Nombre);
    r.X = Finite(Double(bytes, at + 10), at + 10);
    r.Y = Finite(Double(bytes, at + 18), at + 18);
    r.Cota = Finite(Double(bytes, at + 26), at + 26);
    r.Distancia = Finite(Double(bytes, at + 34), at + 34);
    return r;
}

// The lines of "Estandar", "Modelo Digital" and "Elsamex": every number with three
// decimals and the user's decimal separator, fields joined by one blank.
class PointLines {
public:
    PointLines(ProfileFilter filter, char separator) : filter_(filter), separator_(separator) {}

    void Header(const RegistroPerfil& h, BufferedOutput& out) {
        if (filter_ != ProfileFilter::Estandar) return;
        line_.clear();
        Numbers({h.Pk, h.X, h.Y});
        out.WriteLine(line_);
    }

    void Point(const RegistroPerfil& p, double pk, BufferedOutput& out) {
        switch (filter_) {
        case ProfileFilter::Estandar:
            line_.assign(p.Nombre);
            line_.push_back(' ');
            Numbers({p.Distancia, p.X, p.Y, p.Cota});
            out.WriteLine(line_);
            break;
        case ProfileFilter::ModeloDigital:
            line_.assign(p.Nombre);
            line_.push_back(' ');
            Numbers({p.X, p.Y, p.Cota});
            out.WriteLine(line_);
            break;
        case ProfileFilter::Elsamex:
            out.WriteLine("----");
            for (double v : {pk, p.Distancia, p.Cota, p.X, p.Y}) {
                line_.clear();
                Num::AppendFormat(line_, v, "0.000", separator_);
                out.WriteLine(line_);
            }
            break;
        default: break;
        }
    }

private:
    void Numbers(std::initializer_list<double> values) {
        bool first = true;
        for (double v : values) {
            if (!first) line_.push_back(' ');
            first = false;
            Num::AppendFormat(line_, v, "0.000", separator_);
        }
    }

    ProfileFilter filter_;
    char separator_;
    std::string line_;
};

}  // namespace

std::string DemasiadosPerfiles(std::size_t converted) {
    return "Demasiado perfiles en el fichero de datos.\r\n\r\nSe traducirán los primeros " +
           Num::Str(static_cast<double>(converted)) + " perfiles.";
}

std::vector<GrupoPRF> ScanPRF(std::string_view bytes, bool& truncated) {
    truncated = false;
    std::vector<GrupoPRF> groups;
    const std::size_t size = bytes.size();
    bool previousStar = false;
    std::size_t i = 0;
    while (i < size) {
        const bool star = bytes[i] == '*';
        ++i;  // i: the byte after this one, where a header would start
        if (star && previousStar) {
            // The first pair is a marker; a later one only where a point record of
            // the group before could begin.
            const bool marker = groups.empty() || (i >= groups.back().Inicio + kCabecera + 2 &&
                                                   (i - groups.back().Inicio - kCabecera - 2) % kPunto == 0);
            if (marker) {
                if (!groups.empty()) groups.back().Fin = i - 2;
                if (groups.size() == kMaxGruposPRF) {
                    truncated = true;
                    return groups;
                }
                GrupoPRF g;
                g.Inicio = i;
                if (i + 8 <= size) g.Pk = Finite(Double(bytes, i), i);
                groups.push_back(g);
                // The chainage is read with the marker; the scan goes on after it.
                i = std::min(size, i + 8);
            }
        }
        previousStar = star;
    }
    if (!groups.empty()) groups.back().Fin = size;
    return groups;
}

void ConvertPRFPerfiles(const ProfileRequest& request, const State& state, std::int32_t& contadorVertices,
                        const std::function<void(const std::string&)>& aviso) {
    const std::string bytes = ReadWholeFile(request.entrada);
    ProfileOutput output(request, state, contadorVertices);
    const ProfileFilter filter = output.Filter();

    bool truncated = false;
    std::vector<GrupoPRF> groups = ScanPRF(bytes, truncated);
    // Not one point to convert: the old output stays.
    if (std::none_of(groups.begin(), groups.end(), [](const GrupoPRF& g) { return PointsOf(g) > 0; })) {
        throw ConversionError(kSinRegistros);
    }
    if (truncated) aviso(DemasiadosPerfiles(groups.size()));
    std::stable_sort(groups.begin(), groups.end(), [](const GrupoPRF& a, const GrupoPRF& b) { return a.Pk < b.Pk; });

    const bool profileWriter =
        filter == ProfileFilter::Istram || filter == ProfileFilter::Clip || filter == ProfileFilter::Topcal;
    PointLines lines(filter, request.decimalSeparator);
    PerfilMedido perfil;
    double previousPk = -9999999;
    for (const GrupoPRF& g : groups) {
        const std::size_t first = g.Inicio + kCabecera;
        const std::size_t n = PointsOf(g);
        if (n == 0) continue;
        const RegistroPerfil cabecera = Cabecera(bytes, g.Inicio);
        if (cabecera.Pk != previousPk) {
            if (profileWriter && perfil.NoPuntos() > 0) output.Write(perfil, perfil.CabeceraPerfil.Pk);
            if (filter == ProfileFilter::Estandar) lines.Header(cabecera, output.Text());
            perfil.Clear();
        }
        for (std::size_t k = 0; k < n; ++k) {
            const RegistroPerfil p = Punto(bytes, first + k * kPunto);
            perfil.Add(p.Distancia, p.Cota);
            if (filter == ProfileFilter::DXF) {
                output.Dxf().WriteDXFPoint(p.Nombre, p.X, p.Y, p.Cota, " ");
            } else {
                lines.Point(p, cabecera.Pk, output.Text());
            }
        }
        // Several groups with one chainage make one profile, under the last header.
        perfil.CabeceraPerfil = cabecera;
        previousPk = cabecera.Pk;
    }
    if (profileWriter && perfil.NoPuntos() > 0) output.Write(perfil, perfil.CabeceraPerfil.Pk);
    output.Finish();
}
