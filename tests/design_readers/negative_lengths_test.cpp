// An element of negative length, from any reader, is refused in a box that names its
// line (or the element, when the reader does not know the line); the old output stays.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "design_readers/clip_plt.h"
#include "design_readers/estandar.h"
#include "design_readers/inroads.h"
#include "support/reader_run.h"

namespace {

using testing_support::ReadBytes;
using testing_support::WriteBytes;
using LongitudNegativa = testing_support::ReaderRun;

TEST_F(LongitudNegativa, RefusedNamingTheLine) {
    using namespace design_readers;
    std::vector<TAlzado> alzado;
    const struct {
        std::function<bool(const Ficheros&)> leer;
        const char* texto;
        const char* motivo;
    } casos[] = {
        {[&](const Ficheros& f) { return Leer_Planta(ctx, f, EntryClipWindows::LeerPlantaPLT); },
         "*PLT\r\n0+100,0,0,100,0,0\r\n0+050,0,0,100,0,0\r\n", "Línea 3: el elemento"},
        {[&](const Ficheros& f) { return Estandar_Planta(ctx, f); }, "1 0 0 0 100 0 0 -5\r\n", "Línea 1: el elemento"},
        {[&](const Ficheros& f) { return InRoads_Alzado(ctx, window, f, alzado); },
         "LIN 0+100 100 0.01 0\nLIN 0+050 100.5 0.01 0\n", "Línea 2: el elemento"},
        {[&](const Ficheros& f) { return Leer_Planta(ctx, f, [](auto&, auto& p) { p.push_back({1, 0, 0, 0, 0, 0, 0, -1}); }); },
         "", "El elemento 1 de la planta"}};
    for (const auto& caso : casos) {
        WriteBytes(dir.File("eje.txt"), caso.texto);
        WriteBytes(dir.File("salida"), "antiguo");
        EXPECT_FALSE(caso.leer(Files(dir.File("eje.txt"), "salida")));
        EXPECT_EQ(desktop.Boxes().back().text, std::string("El fichero C:\\OBRA\\EJE.TXT no se ha transformado.\r\r") +
                                                   caso.motivo + " tiene longitud negativa.");
        EXPECT_EQ(ReadBytes(dir.File("salida")), "antiguo");
    }
}

}  // namespace
