#pragma once
// A stand-in for the office-to-field window, answering what a design reader asks.

#include <optional>
#include <string>
#include <vector>

#include "design_readers/window_services.h"

namespace testing_support {

class WindowDouble : public design_readers::WindowServices {
public:
    bool seccionTipo = false;
    std::string programa = "Estandar";
    std::string capa;
    std::vector<std::string> progreso;                    // every progress text shown
    std::vector<std::optional<std::string>> respuestas;  // the save dialog's answers, in order

    bool SeccionTipo() const override { return seccionTipo; }
    std::string Programa() const override { return programa; }
    void Progreso(const std::string& text) override { progreso.push_back(text); }
    std::string TextoRTF(const std::string&) override { return {}; }
    std::optional<std::string> GuardarComo(const std::string&, const std::string&) override {
        if (respuestas.empty()) return std::nullopt;
        auto answer = respuestas.front();
        respuestas.erase(respuestas.begin());
        return answer;
    }
    std::string Capa() const override { return capa; }
};

}  // namespace testing_support
