#include "office_to_field/ab_converters.h"

#include "design_readers/dxf_mdt.h"
#include "office_to_field/a_b_estandar.h"
#include "office_to_field/ab_readers.h"
#include "office_to_field/ascii_ktw.h"
#include "office_to_field/dxf_points.h"
#include "office_to_field/ab_program_converters.h"
#include "office_to_field/ab_vextor.h"

namespace office_to_field {

void AbConverterTable::Set(AbConverter converter, AbConverterFn run) {
    if (converter == AbConverter::None) return;
    converters_[converter] = std::move(run);
}

bool AbConverterTable::Has(AbConverter converter) const {
    const auto found = converters_.find(converter);
    return found != converters_.end() && static_cast<bool>(found->second);
}

bool AbConverterTable::Run(AbConverter converter, Context& ctx, design_readers::WindowServices& window,
                           const AbRequest& request) const {
    return converters_.at(converter)(ctx, window, request);
}

void InstallAbConverters(AbConverterTable& table) {
    // One line per built converter.
    table.Set(AbConverter::A_B_Puntos_Bases_Estandar, A_B_Puntos_Bases_Estandar);
    table.Set(AbConverter::A_B_Seccion_Estandar, A_B_Seccion_Estandar);
    table.Set(AbConverter::Estandar_Planta, Estandar_Planta);
    table.Set(AbConverter::Estandar_Alzado, Estandar_Alzado);
    table.Set(AbConverter::DXF_MDT, [](Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
        return EntryDxf::DXF_MDT(request.InPath, request.OutPath, request.Layer, window, ctx.desktop) != 0;
    });
    table.Set(AbConverter::ASCII_KTW, ASCII_KTW);
    table.Set(AbConverter::DXF_KTW, DXF_KTW);
    table.Set(AbConverter::DXF_Bin, DXF_Bin);
    table.Set(AbConverter::Istram_Planta, Istram_Planta);
    table.Set(AbConverter::ClipWin_Planta, ClipWin_Planta);
    table.Set(AbConverter::Istram_Alzado, Istram_Alzado);
    table.Set(AbConverter::ClipWin_Alzado, ClipWin_Alzado);
    table.Set(AbConverter::InRoads_Planta, InRoads_Planta);
    table.Set(AbConverter::InRoads_Alzado, InRoads_Alzado);
    table.Set(AbConverter::Cartomap_Planta, Cartomap_Planta);
    table.Set(AbConverter::Cartomap_Alzado, Cartomap_Alzado);
    table.Set(AbConverter::TCP_Planta, TCP_Planta);
    table.Set(AbConverter::TCP_Alzado, TCP_Alzado);
    table.Set(AbConverter::Trazado_Planta, Trazado_Planta);
    table.Set(AbConverter::Trazado_Alzado, Trazado_Alzado);
    table.Set(AbConverter::Estandar_Seccion_Tipo, Estandar_Seccion_Tipo);
    table.Set(AbConverter::ModeloDigital_Seccion_Tipo, ModeloDigital_Seccion_Tipo);
    table.Set(AbConverter::Ispol_Seccion_Tipo, Ispol_Seccion_Tipo);
    table.Set(AbConverter::InRoads_Seccion_Tipo, InRoads_Seccion_Tipo);
    table.Set(AbConverter::Cartomap_Seccion_Tipo, Cartomap_Seccion_Tipo);
    table.Set(AbConverter::TCP_Seccion_Tipo, TCP_Seccion_Tipo);
    table.Set(AbConverter::ClipWin_Seccion_Tipo, ClipWin_Seccion_Tipo);
    table.Set(AbConverter::Vextor_Planta, Vextor_Planta);
    table.Set(AbConverter::Vextor_Alzado, Vextor_Alzado);
    table.Set(AbConverter::Vextor_Seccion_Tipo, Vextor_Seccion_Tipo);
    table.Set(AbConverter::SDR_Planta_Alzado, SDR_Planta_Alzado);
    table.Set(AbConverter::SDR_Seccion_Tipo, SDR_Seccion_Tipo);
    table.Set(AbConverter::SierraSoft_Planta_Alzado, SierraSoft_Planta_Alzado);
    table.Set(AbConverter::SierraSoft_Peraltes, SierraSoft_Peraltes);
    table.Set(AbConverter::SierraSoft_Seccion_Tipo, SierraSoft_Seccion_Tipo);
}

}  // namespace office_to_field
