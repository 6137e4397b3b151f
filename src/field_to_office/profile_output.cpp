#include "field_to_office/profile_output.h"

#include <algorithm>

#include "common/errors.h"

ProfileFilter ProfileFilterOf(std::string_view filtro) {
    if (filtro == "Perfiles Clip") return ProfileFilter::Clip;
    if (filtro == "Topcal") return ProfileFilter::Topcal;
    if (filtro == "Istram Estandar" || filtro == "Istram (EPSA)") return ProfileFilter::Istram;
    if (filtro == "Vial") return ProfileFilter::Vial;
    if (filtro == "DXF") return ProfileFilter::DXF;
    if (filtro == "Estandar") return ProfileFilter::Estandar;
    if (filtro == "Modelo Digital") return ProfileFilter::ModeloDigital;
    if (filtro == "Elsamex") return ProfileFilter::Elsamex;
    return ProfileFilter::Otro;
}

ProfileOutput::ProfileOutput(const ProfileRequest& request, const State& state, std::int32_t& contadorVertices)
    : filter_(ProfileFilterOf(request.filtro)) {
    switch (filter_) {
    case ProfileFilter::DXF:
        dxf_.emplace(request.salida, state, contadorVertices);
        return;
    case ProfileFilter::Clip:
        clip_.emplace(ClipProfileWriter::Header::Clip);
        text_.emplace(request.salida);
        text_->WriteLine("*TER");
        return;
    case ProfileFilter::Topcal:
        clip_.emplace(ClipProfileWriter::Header::Topcal);
        break;
    case ProfileFilter::Istram:
        istram_.emplace(request.tipoLin, request.nDeEje, request.decimalSeparator);
        break;
    case ProfileFilter::Vial:
        break;
    default:
        break;
    }
    text_.emplace(request.salida);
}

void ProfileOutput::Write(PerfilMedido& perfil, double pkDibujo) {
    switch (filter_) {
    case ProfileFilter::Clip:
    case ProfileFilter::Topcal:
        clip_->B_A_Perfiles_Clip(perfil, *text_);
        break;
    case ProfileFilter::Istram:
        istram_->B_A_Perfiles_Istram(perfil, *text_);
        break;
    case ProfileFilter::Vial:
        vial_.B_A_Perfiles_Vial(perfil, *text_);
        break;
    case ProfileFilter::DXF:
        tunnel_.B_A_Perfiles_DXF(perfil, pkDibujo, Centro, *dxf_);
        return;
    default:
        break;
    }
}

void ProfileOutput::Finish() {
    if (dxf_) {
        dxf_->WriteDXFFooter();
    } else {
        text_->Commit();
    }
}

void SortByChainage(std::vector<PerfilLeido>& perfiles) {
    std::stable_sort(perfiles.begin(), perfiles.end(),
                     [](const PerfilLeido& a, const PerfilLeido& b) { return a.Pk < b.Pk; });
}

void WriteProfileRuns(const std::vector<PerfilLeido>& perfiles, const PuntosLeidos& puntos, ProfileOutput& out) {
    PerfilMedido perfil;
    bool nuevo = true;
    const auto count = static_cast<std::int64_t>(puntos.DistanciasLeidas.size());
    for (std::size_t i = 0; i < perfiles.size(); ++i) {
        const PerfilLeido& p = perfiles[i];
        if (p.Primero > 0 && p.Ultimo >= p.Primero) {
            if (p.Ultimo >= count || static_cast<std::int64_t>(puntos.CotasLeidas.size()) <= p.Ultimo) {
                throw ConversionError("Índice de punto fuera de rango en el perfil.");
            }
            if (nuevo) {
                perfil.Clear();
                perfil.CabeceraPerfil = RegistroPerfil{};
                perfil.CabeceraPerfil.Pk = p.Pk;
                perfil.CabeceraPerfil.X = p.X;
                perfil.CabeceraPerfil.Y = p.Y;
                perfil.CabeceraPerfil.Azimut = p.Azimut;
                nuevo = false;
            }
            for (std::int64_t j = p.Primero; j <= p.Ultimo; ++j) {
                perfil.Add(puntos.DistanciasLeidas[static_cast<std::size_t>(j)],
                           puntos.CotasLeidas[static_cast<std::size_t>(j)]);
            }
        }
        const bool endOfRun = i + 1 == perfiles.size() || perfiles[i + 1].Pk != p.Pk;
        if (endOfRun && perfil.NoPuntos() != 0) {
            nuevo = true;
            out.Write(perfil, p.Pk);
            perfil.Clear();
        }
    }
}
