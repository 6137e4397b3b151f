#pragma once
// The office-to-field window as the design-reader harnesses need it: no dialogs,
// no progress, and a typical-section job when asked.

#include <optional>
#include <string>

#include "design_readers/window_services.h"

namespace fuzz {

class WindowStub : public design_readers::WindowServices {
public:
    bool seccionTipo = false;
    bool SeccionTipo() const override { return seccionTipo; }
    std::string Programa() const override { return "Estandar"; }
    void Progreso(const std::string&) override {}
    std::string TextoRTF(const std::string&) override { return {}; }
    std::optional<std::string> GuardarComo(const std::string&, const std::string&) override { return {}; }
    std::string Capa() const override { return {}; }
};

}  // namespace fuzz
