// The Istram alzado listing: rows typed by their token count, then the grade lines
// and vertical curves between the vertices.

#include <cmath>
#include <string_view>
#include <vector>

#include "common/line_input.h"
#include "common/numbers.h"
#include "design_readers/istram.h"
#include "design_readers/listing_lines.h"
#include "field_writers/rechazo.h"

namespace design_readers {
namespace {

constexpr std::string_view kRegla = "------------";

// One row of the listing. On a vertex PK and Z are where its vertical curve starts.
struct FilaAlzado {
    double PK = 0;
    double Z = 0;
    double Pendiente = 0;  // percent, arriving at the row's point
    double Kv = 0;
    double ZVertice = 0;
    double PKFin = 0;  // where the vertex's curve ends
    double ZFin = 0;
};

bool Numericos(const std::vector<std::string_view>& tokens, std::initializer_list<std::size_t> cuales) {
    for (std::size_t k : cuales) {
        if (!Num::IsNumber(tokens[k - 1])) return false;
    }
    return true;
}

// A row from its tokens; false for a line that is not one.
bool LeerFila(const std::vector<std::string_view>& t, std::int64_t numero, FilaAlzado& fila) {
    auto v = [&](std::size_t k) { return Numero(t[k - 1], numero); };
    fila = {};
    if (t.size() == 2 && Numericos(t, {1, 2})) {
        fila.PK = v(1);
        fila.Z = v(2);
    } else if (t.size() == 3 && Numericos(t, {1, 2, 3})) {
        fila.Pendiente = v(1);
        fila.PK = v(2);
        fila.Z = v(3);
    } else if (t.size() >= 9 && Numericos(t, {1, 3, 5, 6, 7, 8, 9})) {
        fila.Pendiente = v(1);
        fila.Kv = v(3);
        fila.ZVertice = v(5);
        fila.PK = v(6);
        fila.Z = v(7);
        fila.PKFin = v(8);
        fila.ZFin = v(9);
    } else {
        return false;
    }
    return true;
}

TAlzado Elemento(double pk, double z, double pendiente, double kv, double longitud) {
    TAlzado e;
    e.PK = pk;
    e.Z = z;
    e.Pendiente = pendiente;
    e.Kv = kv;
    e.Longitud = longitud;
    return e;
}

void Construir(const std::vector<FilaAlzado>& filas, std::vector<TAlzado>& Alzado) {
    const std::size_t n = filas.size();
    if (n < 2) return;
    auto anadir = [&Alzado](TAlzado e) {
        e.N = static_cast<std::int32_t>(Alzado.size());
        Alzado.push_back(e);
    };
    anadir(Elemento(filas[0].PK, filas[0].Z, filas[1].Pendiente / 100, 0, std::fabs(filas[1].PK - filas[0].PK)));
    for (std::size_t j = 1; j + 1 < n; ++j) {
        const FilaAlzado& v = filas[j];
        const double L = std::fabs(v.PKFin - v.PK);
        if (L > 0) {
            double kv = v.Kv;
            // The grade falls across the curve: a crest.
            if ((v.ZVertice - v.Z) / (L / 2) - (v.ZFin - v.ZVertice) / (L / 2) > 0) kv = -std::fabs(kv);
            anadir(Elemento(v.PK, v.Z, v.Pendiente / 100, kv, L));
        }
        anadir(Elemento(v.PKFin, v.ZFin, filas[j + 1].Pendiente / 100, 0, std::fabs(filas[j + 1].PK - v.PKFin)));
    }
    anadir(Elemento(filas[n - 1].PK, filas[n - 1].Z, 0, 0, 0.01));
}

}  // namespace

void LeerAlzadoIstram(const std::string& entrada, std::vector<TAlzado>& Alzado) {
    LineInput input(entrada);
    std::vector<FilaAlzado> filas;
    std::vector<std::string_view> tokens;
    bool enFilas = false;
    std::string_view linea;
    std::int64_t numero = 0;
    while (input.Next(linea)) {
        ++numero;
        if (SaltoDePagina(linea)) {
            enFilas = false;
            continue;
        }
        Tokens(linea, 100, tokens);
        if (tokens.empty()) continue;
        if (tokens.size() >= 9 && tokens[0] == kRegla) {
            enFilas = true;
            continue;
        }
        FilaAlzado fila;
        if (enFilas && LeerFila(tokens, numero, fila)) filas.push_back(fila);
    }
    if (numero == 0) throw Rechazo("El fichero no es de tipo Istram");
    Construir(filas, Alzado);
}

bool Istram_Alzado(Context& ctx, WindowServices& window, const Ficheros& ficheros, std::vector<TAlzado>& Alzado) {
    return Leer_Alzado(ctx, window, ficheros, LeerAlzadoIstram, Alzado);
}

}  // namespace design_readers
