#pragma once
// Reading a terrain-model file back and checking it against the faces it was made
// from, without any of the program's own stages: the oracle of the terrain-model tests.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "design_readers/window_services.h"

namespace mdt_check {

// The first three corners of one face: x1 y1 z1 x2 y2 z2 x3 y3 z3.
using Face = std::array<double, 9>;

struct Model {
    std::array<std::int32_t, 6> header{};
    struct Point {
        std::int32_t num, firstUse;
        double x, y, z;
    };
    std::vector<Point> points;                      // 0-based here
    std::vector<std::array<std::int32_t, 4>> triangles;
    std::vector<std::int32_t> uses;
};

// Decodes the bytes by the layout; a size that does not match the header fails the test.
Model Read(const std::string& bytes);

// Checks everything the file must satisfy for these faces (in drawing order): the
// header, the points distinct and ascending by X, Y, Z and each one a corner, the
// triangles naming the corners of their face, the uses of every point. Returns the
// model read.
Model ExpectModelOf(const std::string& bytes, const std::vector<Face>& faces);

// The window as a reader sees it: records the progress texts.
class WindowDouble : public design_readers::WindowServices {
public:
    bool SeccionTipo() const override { return false; }
    std::string Programa() const override { return "DXF"; }
    void Progreso(const std::string& text) override { texts.push_back(text); }
    std::string TextoRTF(const std::string&) override { return {}; }
    std::optional<std::string> GuardarComo(const std::string&, const std::string&) override { return {}; }
    std::string Capa() const override { return capa; }

    std::string capa = "Capa1";
    std::vector<std::string> texts;
};

// The faces of a layer (any letter case) of a drawing's model space, as ezdxf reads them.
std::vector<Face> EzdxfFaces(const std::string& python, const std::string& drawing, const std::string& layer);

}  // namespace mdt_check
