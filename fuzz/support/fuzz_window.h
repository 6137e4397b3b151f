#pragma once
// A stand-in for the office-to-field window, for the harnesses of the design
// readers: it answers the kind and the program it is given, and gives the plain text
// of an RTF file as the window's rich-text control does; nothing else.

#include <optional>
#include <string>
#include <utility>

#include "common/errors.h"
#include "design_readers/window_services.h"
#include "platform/rich_text.h"

namespace fuzz {

class Window : public design_readers::WindowServices {
public:
    explicit Window(std::string programa, bool seccionTipo = false)
        : programa_(std::move(programa)), seccionTipo_(seccionTipo) {}
    bool SeccionTipo() const override { return seccionTipo_; }
    std::string Programa() const override { return programa_; }
    void Progreso(const std::string&) override {}
    std::string TextoRTF(const std::string& path) override {
        std::optional<std::string> text = platform::LoadRtfText(path);
        if (!text) throw ConversionError("El fichero no tiene el formato adecuado");
        return std::move(*text);
    }
    std::optional<std::string> GuardarComo(const std::string&, const std::string&) override { return {}; }
    std::string Capa() const override { return {}; }

private:
    std::string programa_;
    bool seccionTipo_;
};

}  // namespace fuzz
