#include "field_to_office/profile_converters.h"

#include <stdexcept>
#include <vector>

#include "common/errors.h"
#include "common/numbers.h"
#include "common/file_names.h"
#include "field_to_office/ba_form.h"
#include "field_to_office/ktw_profiles.h"
#include "field_to_office/prf_profiles.h"
#include "field_to_office/text_profiles.h"

namespace {

constexpr const char* kIstram = "Perfiles Istram";

// One input box; nothing when the answer is empty.
std::optional<std::int16_t> AskNumber(platform::Desktop& desktop, const std::string& prompt,
                                      const std::string& defaultValue, const std::string& missing,
                                      const std::string& outOfRange) {
    const std::string answer = desktop.InputBox(prompt, kIstram, defaultValue);
    if (answer.empty()) {
        desktop.MsgBox(missing, 16, kIstram);
        desktop.SetMousePointer(platform::kDefaultPointer);
        return std::nullopt;
    }
    try {
        return Num::CInt(Num::Val(answer));
    } catch (const std::overflow_error&) {
        throw ConversionError(outOfRange);
    }
}

ProfileRequest RequestOf(ba_form& form) {
    Context& ctx = form.ctx();
    ProfileRequest request;
    request.entrada = ctx.state.InFilePath;
    request.salida = ctx.state.OutFilePath;
    request.filtro = form.Combo1.Text();
    request.formatoCampo = ctx.state.FormatoCampo;
    request.decimalSeparator = ctx.desktop.DecimalSeparator();
    return request;
}

// Asks the Istram boxes when the filter needs them; false when the user left one
// empty (the conversion then ends without output and without the end box).
bool AskIstramIfNeeded(ba_form& form, ProfileRequest& request) {
    if (ProfileFilterOf(request.filtro) != ProfileFilter::Istram) return true;
    const auto parametros = AskIstramParametros(form.ctx().desktop);
    if (!parametros) {
        form.ctx().state.ErrorFichero = 1;
        return false;
    }
    request.tipoLin = parametros->tipoLin;
    request.nDeEje = parametros->nDeEje;
    return true;
}

}  // namespace

std::optional<IstramParametros> AskIstramParametros(platform::Desktop& desktop) {
    IstramParametros p;
    const auto tipo = AskNumber(desktop, "Introduzca el tipo de línea", "26", "No ha introducido el tipo de línea",
                                "El tipo de línea no es un número entre -32768 y 32767.");
    if (!tipo) return std::nullopt;
    p.tipoLin = *tipo;
    const auto eje = AskNumber(desktop, "Introduzca el número de eje", "1", "No ha introducido un número de eje",
                               "El número de eje no es un número entre -32768 y 32767.");
    if (!eje) return std::nullopt;
    p.nDeEje = *eje;
    return p;
}

void B_A_Perfiles(ba_form& form) {
    ProfileRequest request = RequestOf(form);
    const std::string name = form.ctx().state.InFile;
    if (name.size() < 3 || name.compare(name.size() - 3, 3, "PRF") != 0) {
        throw ConversionError("El fichero de entrada no es un fichero de perfiles (*.PRF).");
    }
    if (!AskIstramIfNeeded(form, request)) return;
    platform::Desktop& desktop = form.ctx().desktop;
    ConvertPRFPerfiles(request, form.ctx().state, form.ContadorVertices,
                       [&desktop](const std::string& text) { desktop.MsgBox(text, 16, "Aviso"); });
}

void KTW_A_Perfiles(ba_form& form) {
    ProfileRequest request = RequestOf(form);
    if (!AskIstramIfNeeded(form, request)) return;
    ConvertKTWPerfiles(request, form.ctx().state, form.ContadorVertices);
}

void Multi_Piste_Perfiles(ba_form& form) {
    const ProfileRequest request = RequestOf(form);
    const std::vector<double> withoutAxis = ConvertTextPerfiles(request, form.ctx().state, form.ContadorVertices);
    if (withoutAxis.empty()) return;
    std::string list;
    for (std::size_t i = 0; i < withoutAxis.size() && i < 10; ++i) {
        if (i > 0) list += ", ";
        list += Num::Format(withoutAxis[i], "0.000", request.decimalSeparator);
    }
    if (withoutAxis.size() > 10) list += ", ...";
    form.ctx().desktop.MsgBox("Los perfiles sin línea de eje no se han escrito (P.K. " + list + ").", 48, "Aviso");
}
