#pragma once
// Progress texts for the window's help line during a long run. Each text shown costs
// a repaint, so counters that change for every record are shown only when some time
// has passed since the last text; the caller shows the final count itself.

#include <chrono>
#include <string>

#include "design_readers/window_services.h"

namespace design_readers {

class ProgressLine {
public:
    explicit ProgressLine(WindowServices& window,
                          std::chrono::milliseconds interval = std::chrono::milliseconds(200))
        : window_(window), interval_(interval), last_(std::chrono::steady_clock::now()) {}

    // Shows the text now.
    void Show(const std::string& text) {
        window_.Progreso(text);
        last_ = std::chrono::steady_clock::now();
    }
    // Whether a changing counter is due to be shown again.
    bool Due() const { return std::chrono::steady_clock::now() - last_ >= interval_; }

private:
    WindowServices& window_;
    std::chrono::milliseconds interval_;
    std::chrono::steady_clock::time_point last_;
};

}  // namespace design_readers
