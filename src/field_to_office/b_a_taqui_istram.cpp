// Binary observations (.FIC) to "Istram Estandar", "Istram (EPSA)" and "InRoads":
// the name ending in column 6, the code-sequence value, code 2 and the
// coordinates in fixed-width fields.

#include <stdexcept>
#include <string>

#include "app/state.h"
#include "common/cp1252.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "field_to_office/binary_conversion.h"
#include "field_to_office/binary_converters.h"
#include "field_to_office/convert_fields.h"
#include "field_to_office/office_writers.h"
#include "field_to_office/tarsel_binary_records.h"

namespace {

constexpr std::size_t kNombreIstram = 6;

// A code whose first byte is NUL was never typed: it reads as "0".
void EmptyCodeAsZero(std::string& codigo) {
    if (!codigo.empty() && codigo[0] == '\0') {
        codigo.assign(kTextoBINBytes, ' ');
        codigo[0] = '0';
    }
}

// The number a code starts with; blanks, letters and NULs give 0.
double CodeValue(const std::string& codigo, std::int64_t record) {
    try {
        return Num::Val(codigo);
    } catch (const std::overflow_error&) {
        std::string blanked;
        throw ConversionError("El registro " + std::to_string(record) +
                              " tiene un código fuera de rango: " + Cp1252::ToUtf8(BlankedText(codigo, blanked)));
    }
}

// The name as written: without the blanks and NULs that pad it, any other NUL as
// a blank.
std::string_view IstramName(const std::string& punto, std::string& buffer) {
    const std::size_t last = punto.find_last_not_of(std::string_view(" \0", 2));
    const std::string_view name =
        last == std::string::npos ? std::string_view{} : std::string_view(punto).substr(0, last + 1);
    return BlankedText(name, buffer);
}

}  // namespace

void ConvertBinaryTaquiIstram(const BinaryRequest& request, const Aviso& aviso) {
    State noDrawing;
    std::int32_t noVertices = 0;
    BinaryConversion c(request, kDatoCampoBINBytes, noDrawing, noVertices, false);
    const OfficeFilter filter = OfficeFilterOf(request.filtro);
    TDatoCampoBIN d;
    std::string codigoAnterior(kTextoBINBytes, ' ');
    // Wide enough never to wrap within a file.
    std::int64_t contadorIstram = 0;
    std::int64_t puntosEscritos = 0;
    bool avisado = false;
    std::string nameBuffer, line, field;
    while (const unsigned char* bytes = c.Next()) {
        DecodeDatoCampoBIN(bytes, d);
        for (std::string* codigo : {&d.Codigo1, &d.Codigo2, &d.Codigo3, &d.Codigo4, &d.Codigo5}) {
            EmptyCodeAsZero(*codigo);
        }
        const bool sameCode = d.Codigo1 == codigoAnterior;
        double codigo2 = CodeValue(d.Codigo2, puntosEscritos + 1);
        if (filter == OfficeFilter::IstramEPSA) {
            if (puntosEscritos == 0 || sameCode) {
                if (puntosEscritos != 0) ++contadorIstram;
                if (codigo2 == 68 || codigo2 == 645) contadorIstram = 0;
                if (codigo2 == 0) {
                    contadorIstram = 0;
                    codigo2 = 68;
                }
            } else {
                contadorIstram = 0;
            }
        } else if (sameCode) {
            contadorIstram = CodeValue(d.Codigo3, puntosEscritos + 1) == 1 ? contadorIstram + 1 : 0;
        } else {
            contadorIstram = 0;
        }

        std::string_view name = IstramName(d.Punto, nameBuffer);
        if (name.size() > kNombreIstram) {
            const std::string_view cut = name.substr(0, kNombreIstram);
            if (!avisado) {
                // Once a conversion: a file of long names would otherwise ask for a
                // box on every point.
                avisado = true;
                aviso("El punto : " + Cp1252::ToUtf8(name) +
                      " tiene más de 6 caracteres. El nombre del punto será cambiado a: " + Cp1252::ToUtf8(cut));
            }
            name = cut;
        }
        line.assign(kNombreIstram - name.size(), ' ');
        line += name;
        FixedTextField(Num::Str(static_cast<double>(contadorIstram)), 6, field);
        line += field;
        FixedTextField(Num::Str(codigo2), 5, field);
        line += field;
        for (const auto& [value, campo] : {std::pair{d.X, "X"}, std::pair{d.Y, "Y"}, std::pair{d.Z, "Z"}}) {
            FixedNumberField(c.Finite(value, campo), "0.000", 13, field);
            line += field;
        }
        c.Out().WriteLine(line);
        codigoAnterior = d.Codigo1;
        ++puntosEscritos;
    }
    c.Finish();
}
