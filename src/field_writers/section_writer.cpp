#include "field_writers/section_writer.h"

#include <limits>
#include <stdexcept>

#include "common/errors.h"
#include "common/gm_section.h"
#include "common/little_endian.h"
#include "field_writers/corvana_sections.h"
#include "field_writers/section_gradients.h"
#include "platform/files.h"

namespace field_writers {
namespace {

constexpr std::size_t kCodigoBytes = 8;

void PutDouble(std::string& out, double v) {
    char b[8];
    LittleEndian::PutDouble(b, v);
    out.append(b, 8);
}

void PutLong(std::string& out, std::int32_t v) {
    char b[4];
    LittleEndian::PutInt32(b, v);
    out.append(b, 4);
}

// A fixed text of eight characters: cut, or padded with blanks.
void PutCodigo(std::string& out, const std::string& codigo) {
    const std::size_t n = std::min(codigo.size(), kCodigoBytes);
    out.append(codigo, 0, n);
    out.append(kCodigoBytes - n, ' ');
}

std::size_t Separador(const std::string& path) { return platform::LastFolderSeparator(path); }

}  // namespace

struct SeccionWriter::Capa {
    char letra;
    std::string path;
    std::vector<std::string> lineas;  // the work lines of every section
};

TBloqueSeccion& TSeccion::Bloque(char codigo) {
    for (TBloqueSeccion& b : Bloques) {
        if (b.Codigo == codigo) return b;
    }
    throw std::invalid_argument("no section block with that code");
}

void TSeccion::Vaciar() {
    for (TBloqueSeccion& b : Bloques) {
        b.NumPuntos = 0;
        b.Puntos.assign(1, TPuntoSeccion{});
    }
}

std::array<std::string, 4> Nombres_Ficheros_Seccion(const std::string& salida) {
    const std::size_t sep = Separador(salida);
    const std::string carpeta = sep == std::string::npos ? std::string() : salida.substr(0, sep + 1);
    const std::string nombre = sep == std::string::npos ? salida : salida.substr(sep + 1);
    return {salida, carpeta + "T" + nombre, carpeta + "S" + nombre, carpeta + "R" + nombre};
}

std::string NombreCapa(const std::string& salida, const std::string& bloques, char capa) {
    const auto escribe = [&](char c) { return bloques.find(c) != std::string::npos; };
    const bool tiene = capa == 'T' ? escribe('T') || escribe('C') : escribe(capa);
    if (!tiene) return {};
    if (bloques.size() == 1) return salida;
    const auto nombres = Nombres_Ficheros_Seccion(salida);
    return capa == 'T' ? nombres[1] : capa == 'S' ? nombres[2] : nombres[3];
}

std::string NombreIndice(const std::string& salida) {
    return salida.substr(0, salida.size() >= 3 ? salida.size() - 3 : 0) + "STD";
}

SeccionWriter::SeccionWriter(platform::Desktop& desktop, std::string salida, std::string indice, std::int16_t Formato,
                             std::string bloques, const std::vector<TAlzado>& Alzado)
    : desktop_(desktop), formato_(Formato), alzado_(Alzado) {
    if (formato_ == 0 || formato_ == 2) {
        if (indice.empty()) indice = NombreIndice(salida);
        sct_ = std::make_unique<BufferedOutput>(salida);
        std_ = std::make_unique<BufferedOutput>(indice);
    } else if (formato_ == 3) {
        for (char capa : {'T', 'S', 'R'}) {
            std::string path = NombreCapa(salida, bloques, capa);
            if (!path.empty()) capas_.push_back(std::make_unique<Capa>(Capa{capa, std::move(path), {}}));
        }
    }
}

SeccionWriter::~SeccionWriter() = default;

std::string SeccionWriter::Fichero(char capa) const {
    for (const auto& c : capas_) {
        if (c->letra == capa) return c->path;
    }
    return {};
}

void SeccionWriter::Write_Seccion_Tipo(std::int32_t NumPuntos, double Pk, TSeccion& seccion) {
    Escribir(NumPuntos, Pk, seccion, std::nullopt);
}

void SeccionWriter::Write_Seccion_Tipo(std::int32_t NumPuntos, double Pk, TSeccion& seccion, double CotaEje) {
    Escribir(NumPuntos, Pk, seccion, CotaEje);
}

void SeccionWriter::Escribir(std::int32_t NumPuntos, double Pk, TSeccion& seccion, std::optional<double> CotaEje) {
    if (sct_) {
        const std::uint64_t posicion = sct_->Size() + 1;
        if (posicion + 12 > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
            throw ConversionError("El fichero de secciones supera el tamaño que su índice puede señalar.");
        }
        registro_.clear();
        PutDouble(registro_, Pk);
        PutLong(registro_, static_cast<std::int32_t>(posicion + 12));
        std_->Write(registro_);
        registro_.clear();
        PutDouble(registro_, Pk);
        PutLong(registro_, NumPuntos);
        for (TBloqueSeccion& b : seccion.Bloques) {
            Normaliza_Tramos(b.NumPuntos, b.Puntos);
            registro_ += b.Codigo;
            PutLong(registro_, b.NumPuntos);
            for (std::int32_t i = 1; i <= b.NumPuntos; ++i) {
                const TPuntoSeccion& p = b.Puntos[static_cast<std::size_t>(i)];
                PutDouble(registro_, p.Desplazamiento);
                PutDouble(registro_, p.Cota);
                PutDouble(registro_, p.Pendiente);
                PutCodigo(registro_, p.Codigo);
            }
        }
        sct_->Write(registro_);
        return;
    }
    if (capas_.empty()) return;
    for (const TBloqueSeccion& b : seccion.Bloques) {
        const char capa = b.Codigo == 'C' ? 'T' : b.Codigo;
        if (b.NumPuntos > 0 && Fichero(capa).empty()) {
            throw std::logic_error("a section block outside the layers of the run");
        }
    }
    const double cota = CotaEje ? *CotaEje : CotaEjeCorvana(alzado_, Pk);
    for (const auto& capa : capas_) {
        std::vector<TPuntoSeccion> puntos(1);
        const auto anadir = [&](char codigo) {
            const TBloqueSeccion& b = seccion.Bloque(codigo);
            puntos.insert(puntos.end(), b.Puntos.begin() + 1, b.Puntos.begin() + 1 + b.NumPuntos);
        };
        anadir(capa->letra);
        if (capa->letra == 'T') anadir('C');
        auto n = static_cast<std::int32_t>(puntos.size() - 1);
        if (n == 0) continue;
        if (capa->letra == 'T') {
            TPuntoSeccion eje;
            eje.Cota = cota;
            puntos.push_back(eje);
            ++n;
            GM::Ordenar_Puntos_Seccion(n, puntos);
        }
        Write_Seccion_Corvana_TMP(capa->lineas, n, cota, Pk, std::move(puntos));
    }
}

void SeccionWriter::Commit(bool sinCapasVacias) {
    if (sct_) {
        sct_->Close();
        std_->Close();
        sct_->Commit();
        std_->Commit();
        return;
    }
    if (sinCapasVacias) {
        std::erase_if(capas_, [](const std::unique_ptr<Capa>& capa) {
            if (!capa->lineas.empty()) return false;
            platform::RemoveFile(capa->path);  // a file that cannot go stays, but the run names it not
            return true;
        });
    }
    std::vector<std::unique_ptr<BufferedOutput>> finales;
    for (const auto& capa : capas_) {
        finales.push_back(std::make_unique<BufferedOutput>(capa->path));
        Write_Seccion_Corvana(desktop_, capa->lineas, *finales.back());
    }
    for (auto& f : finales) f->Close();
    for (auto& f : finales) f->Commit();
}

}  // namespace field_writers
