#include "field_writers/info_proyect.h"

#include <limits>
#include <string>

#include "common/numbers.h"

namespace Info_Proyect {
namespace {

void Contar(std::int32_t& counter) {
    if (counter < std::numeric_limits<std::int32_t>::max()) ++counter;
}

}  // namespace

void Inicializa_Info(int Tipo, TInfoProyecto& Info) {
    switch (Tipo) {
    case kPlanta:
        Info.PkInicialPlanta = Info.PkFinalPlanta = 0;
        Info.Rectas = Info.Circulares = Info.Clotoides = 0;
        break;
    case kAlzado:
        Info.PkInicialAlzado = Info.PkFinalAlzado = 0;
        Info.RasantesRectas = Info.AcuerdosVerticales = 0;
        break;
    case kSeccionTipo:
        Info.PkInicialSeccion = Info.PkFinalSeccion = 0;
        break;
    case kPeraltes:
        Info.PkInicialPeraltes = Info.PkFinalPeraltes = 0;
        break;
    default:
        break;
    }
}

void Info_Planta(std::int64_t i, const TPlanta& e, TInfoProyecto& Info) {
    if (i == 1) Info.PkInicialPlanta = e.PK;
    Info.PkFinalPlanta = e.PK + e.Longitud;
    if (e.Parametro != 0) {
        Contar(Info.Clotoides);
    } else if (e.Radio != 0) {
        Contar(Info.Circulares);
    } else {
        Contar(Info.Rectas);
    }
}

void Info_Alzado(std::int64_t i, const TAlzado& e, TInfoProyecto& Info) {
    if (i == 1) Info.PkInicialAlzado = e.PK;
    Info.PkFinalAlzado = e.PK + e.Longitud;
    Contar(e.Kv == 0 ? Info.RasantesRectas : Info.AcuerdosVerticales);
}

void Info_Peraltes(std::int64_t i, double pk, TInfoProyecto& Info) {
    if (i == 1) Info.PkInicialPeraltes = pk;
    Info.PkFinalPeraltes = pk;
}

}  // namespace Info_Proyect

namespace field_writers {

void Muestra_Resumen(platform::Desktop& desktop, int Error, int Tipo, int Formato, const TInfoProyecto& Info,
                     const std::string& nota) {
    if (Error != 0) return;
    const char sep = desktop.DecimalSeparator();
    const auto pk = [sep](double v) { return Num::Format(v, "0.000", sep); };
    // A count follows its label with the blank of its sign: " 12".
    const auto count = [](std::int32_t n) { return Num::Str(n); };
    std::string t = "\r";
    // The files and the range of an alignment box.
    const auto alineacion = [&](double inicial, double final) {
        t += "Fichero de entrada :  " + Info.Entrada + "\rFichero de salida    :  " + Info.Salida;
        t += "\r\rPk Inicial           :  " + pk(inicial);
        t += "\rPk Final             :  " + pk(final);
    };
    switch (Tipo) {
    case Info_Proyect::kPlanta:
        alineacion(Info.PkInicialPlanta, Info.PkFinalPlanta);
        t += "\r\rRectas               :  " + count(Info.Rectas);
        t += "\rCirculares           :  " + count(Info.Circulares);
        t += "\rClotoides            :  " + count(Info.Clotoides);
        desktop.MsgBox(t, platform::mb::OKOnly, "Transformación fichero de Planta");
        return;
    case Info_Proyect::kAlzado:
        alineacion(Info.PkInicialAlzado, Info.PkFinalAlzado);
        t += "\r\rRasantes Rectas      :  " + count(Info.RasantesRectas);
        t += "\rAcuerdos Verticales  :  " + count(Info.AcuerdosVerticales);
        if (!nota.empty()) t += "\r\r" + nota;
        desktop.MsgBox(t, platform::mb::OKOnly, "Transformación fichero de Alzado");
        return;
    case Info_Proyect::kSeccionTipo:
        t += "Fichero de entrada   :  " + Info.Entrada + "\r\r";
        if (Formato == 3) {
            t += "Fichero de Taludes   :  " + Info.NombreTaludes;
            t += "\rFichero de Subrasante:  " + Info.NombreSubRasante;
            t += "\rFichero de Rasante   :  " + Info.NombreRasante;
        } else {
            t += "Fichero de salida   :  " + Info.Salida;
        }
        t += "\r\rPk Inicio            :  " + pk(Info.PkInicialSeccion);
        t += "\rPk Final             :  " + pk(Info.PkFinalSeccion) + "\r";
        desktop.MsgBox(t, platform::mb::OKOnly, "Transformación finalizada");
        return;
    case Info_Proyect::kPeraltes:
        t += "Fichero de entrada   :  " + Info.Entrada + "\r\rFichero de salida   :  " + Info.Salida;
        t += "\r\rPk Inicio            :  " + pk(Info.PkInicialPeraltes);
        t += "\rPk Final             :  " + pk(Info.PkFinalPeraltes) + "\r";
        desktop.MsgBox(t, platform::mb::OKOnly, "Transformación fichero de Peraltes");
        return;
    default:
        return;
    }
}

}  // namespace field_writers
