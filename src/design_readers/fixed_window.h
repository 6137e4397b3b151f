#pragma once
// The window services with fixed answers, for running a converter without the
// window (tests, fuzzing harnesses, benchmarks): a program text and a layer; no
// section job, no RTF text, every save dialog cancelled, progress texts dropped.

#include <optional>
#include <string>
#include <utility>

#include "design_readers/window_services.h"

namespace design_readers {

class FixedWindow : public WindowServices {
public:
    explicit FixedWindow(std::string programa = {}, std::string capa = {})
        : programa_(std::move(programa)), capa_(std::move(capa)) {}
    bool SeccionTipo() const override { return false; }
    std::string Programa() const override { return programa_; }
    void Progreso(const std::string&) override {}
    std::string TextoRTF(const std::string&) override { return {}; }
    std::optional<std::string> GuardarComo(const std::string&, const std::string&) override { return {}; }
    std::string Capa() const override { return capa_; }

private:
    std::string programa_;
    std::string capa_;
};

}  // namespace design_readers
