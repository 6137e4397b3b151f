#include "field_writers/write_files.h"

#include <cmath>
#include <optional>

#include "common/angle_units.h"
#include "common/gm_continuity.h"
#include "common/numbers.h"
#include "field_writers/corvana_lines.h"
#include "field_writers/element_records.h"
#include "field_writers/info_proyect.h"
#include "field_writers/rechazo.h"
#include "field_writers/tunelix_lines.h"

namespace field_writers {
namespace {

bool Tarsel(std::int16_t formato) { return formato == 0 || formato == 2; }
bool Escribe(std::int16_t formato) { return Tarsel(formato) || formato == 3 || formato == 4; }

// Readers that give the end point as one more, very short element append it last.
constexpr double kElementoDeCierre = 0.01;

}  // namespace

WriteFiles::WriteFiles(std::string path, std::int16_t Formato, TInfoProyecto& Info, std::string_view cabecera)
    : formato_(Formato), info_(Info) {
    if (!Escribe(formato_)) return;
    out_ = std::make_unique<BufferedOutput>(std::move(path));
    if (formato_ == 4 && !cabecera.empty()) out_->WriteLine(cabecera);
}

void WriteFiles::Write_Planta(std::size_t i, const std::vector<TPlanta>& Planta) {
    const TPlanta& e = Planta[i];
    Info_Proyect::Info_Planta(static_cast<std::int64_t>(i), e, info_);
    if (!out_) return;
    if (Tarsel(formato_)) {
        if (e.N < 1) {
            throw Rechazo("El elemento " + std::to_string(i) + " de la planta tiene el número " +
                          std::to_string(e.N) + ": en el fichero de planta solo caben elementos numerados desde 1.");
        }
        const auto record = EncodePlanta(e);
        out_->WriteAt(static_cast<std::uint64_t>(e.N - 1) * kPlantaBytes,
                      std::string_view(record.data(), record.size()));
        return;
    }
    if (formato_ == 3) {
        line_.clear();
        AppendPlantaCorvana(line_, i, Planta);
        line_ += "\r\n";
        out_->Write(line_);
        return;
    }
    // Tunelix lines are written straight into the output's buffer.
    char* const room = out_->Room(kTunelixElementoMaxBytes);
    char* end = room;
    if (i + 1 < Planta.size()) {
        const TPlanta& next = Planta[i + 1];
        end = PutPlantaTunelix(room, static_cast<std::int64_t>(i), next.X, next.Y, next.Radio, e);
    } else if (std::fabs(e.Longitud) <= kElementoDeCierre) {
        end = PutPlantaTunelix(room, static_cast<std::int64_t>(i), 0, 0, 0, e, true);
    } else {
        // The last element states its own end, computed along it, as if a straight
        // followed it.
        TPlanta radianes = e;
        radianes.Acimut = GM::Centesimales_A_Radianes(e.Acimut);
        const std::optional<GM::TPuntoEje> fin = GM::Fin_Elemento(radianes, 0);
        if (!fin) throw ConversionError("No se puede calcular el final del último elemento de la planta.");
        end = PutPlantaTunelix(room, static_cast<std::int64_t>(i), fin->X, fin->Y, 0, e);
    }
    out_->Advance(static_cast<std::size_t>(end - room));
}

void WriteFiles::Write_Alzado(std::size_t i, const std::vector<TAlzado>& Alzado) {
    const TAlzado& e = Alzado[i];
    Info_Proyect::Info_Alzado(static_cast<std::int64_t>(i), e, info_);
    if (!out_) return;
    if (Tarsel(formato_)) {
        const auto record = EncodeAlzado(e);
        out_->WriteAt(static_cast<std::uint64_t>(i - 1) * kAlzadoBytes, std::string_view(record.data(), record.size()));
        return;
    }
    if (formato_ == 3) {
        line_.clear();
        AppendAlzadoCorvana(line_, e);
        line_ += "\r\n";
        out_->Write(line_);
        return;
    }
    char* const room = out_->Room(kTunelixElementoMaxBytes);
    char* const end = PutAlzadoTunelix(room, static_cast<std::int64_t>(i), e, i + 1 == Alzado.size());
    out_->Advance(static_cast<std::size_t>(end - room));
}

void WriteFiles::Commit() {
    if (out_) out_->Commit();
}

}  // namespace field_writers
