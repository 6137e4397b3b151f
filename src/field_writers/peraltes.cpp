#include "field_writers/peraltes.h"

#include "common/buffered_output.h"
#include "common/little_endian.h"
#include "field_writers/info_proyect.h"
#include "platform/files.h"

namespace field_writers {
namespace {

void PutDouble(std::string& out, double v) {
    char b[8];
    LittleEndian::PutDouble(b, v);
    out.append(b, 8);
}

}  // namespace

void Write_Peraltes(const std::string& FicheroSalida, double offset, const std::vector<TPeralte>& Peraltes,
                    TInfoProyecto& Info) {
    BufferedOutput out(FicheroSalida);
    std::string bytes;
    char tag[4];
    LittleEndian::PutInt32(tag, kEtiquetaPeraltes);
    bytes.append(tag, 4);
    PutDouble(bytes, offset);
    out.Write(bytes);
    for (std::size_t i = 1; i < Peraltes.size(); ++i) {
        bytes.clear();
        const TPeralte& p = Peraltes[i];
        Info_Proyect::Info_Peraltes(static_cast<std::int64_t>(i), p.PK, Info);
        PutDouble(bytes, p.PK);
        PutDouble(bytes, p.Izquierda);
        PutDouble(bytes, p.Derecha);
        out.Write(bytes);
    }
    out.Commit();
}

double Tamano_Fichero(const std::string& path) {
    const std::optional<std::uintmax_t> size = platform::FileSize(path);
    return size ? static_cast<double>(*size) : 0;
}

bool Comprueba_Sobrescribir(platform::Desktop& desktop, const std::string& path, const std::string& nombre) {
    if (!platform::FileExists(path)) return false;
    const auto noSePuede = [&] {
        desktop.MsgBox("El fichero " + nombre + " no se puede reemplazar.", platform::mb::Exclamation, "Atencion");
        return true;
    };
    std::FILE* file = platform::OpenFile(path, "rb");
    if (file == nullptr) return noSePuede();
    std::fclose(file);
    const int answer = desktop.MsgBox("El fichero" + nombre + "\rya existe,  ¿Desea reemplazarlo?", platform::mb::YesNo,
                                      "Atencion");
    // A yes keeps the old file until the new one is complete: the writer replaces it
    // then, and a run that stops before (a refusal, the offset dialog closed) loses nothing.
    return answer != platform::answer::Yes;
}

}  // namespace field_writers
