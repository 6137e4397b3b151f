#include "office_to_field/ascii_ktw.h"

#include <array>
#include <stdexcept>
#include <string>

#include "common/buffered_output.h"
#include "common/errors.h"
#include "common/line_input.h"
#include "common/numbers.h"
#include "common/string_helpers.h"
#include "office_to_field/ktw_point_words.h"
#include "office_to_field/point_fields.h"

namespace office_to_field {

namespace {

// The state of one list: the words are built per line, the code carries over.
class KtwPointList {
public:
    KtwPointList(const State& state, bool dosD)
        : wide_(state.KtwFormat != "KTW 8"),
          width_(wide_ ? 16 : 8),
          dosD_(dosD),
          constanteX_(state.ConstanteX),
          constanteY_(state.ConstanteY) {}

    void Line(std::string_view linea, BufferedOutput& out) {
        std::array<std::string_view, 5> fields;
        const std::size_t count = PointFields(linea, fields);
        if (count == 0) return;
        ++lineNumber_;
        std::string line = wide_ ? "*" : "";
        line += ab_form_ktw::PointNumberWord(fields[0], lineNumber_, width_);
        // A coordinate the line leaves out reads as 0, like a field that holds no number.
        line += ab_form_ktw::CoordinateWord(Value(fields[1], count > 1) - constanteX_, 'X', width_);
        line += ab_form_ktw::CoordinateWord(Value(fields[2], count > 2) - constanteY_, 'Y', width_);
        if (!dosD_) {
            line += ab_form_ktw::CoordinateWord(Value(fields[3], count > 3), 'Z', width_);
            if (count >= 5 && fields[4] != lastCode_) {
                codeWord_ = ab_form_ktw::CodeWord(fields[4], width_);
                lastCode_.assign(fields[4]);
                lineNumber_ = 1;
                pendingCode_ = true;
            } else if (count == 4 && !lastCode_.empty()) {
                // A point without a code after coded points: the default code, and
                // the line count goes on.
                codeWord_ = ab_form_ktw::DefaultCodeWord(width_);
                lastCode_.clear();
                pendingCode_ = true;
            }
        }
        if (pendingCode_) {
            out.WriteLine((wide_ ? "*" : "") + codeWord_);
            pendingCode_ = false;
        }
        line += codeWord_;
        out.WriteLine(line);
    }

private:
    static double Value(std::string_view field, bool present) { return present ? Num::Val(field) : 0.0; }

    bool wide_;
    std::int32_t width_;
    bool dosD_;
    double constanteX_;
    double constanteY_;
    std::int64_t lineNumber_ = 0;
    std::string codeWord_;
    std::string lastCode_;
    bool pendingCode_ = false;
};

}  // namespace

bool ASCII_KTW(Context& ctx, design_readers::WindowServices& window, const AbRequest& request) {
    const State& state = ctx.state;
    LineInput input(request.InPath);
    BufferedOutput out(request.OutPath);
    const bool dosD = state.Dimensiones == "2" || request.kind == Kind::SeccionExcavacion;
    KtwPointList list(state, dosD);
    std::string_view linea;
    std::int64_t numero = 0;
    if (Strings::IsOneOf(window.Programa(), {"SDR", "Clip Ferrocarril", "Clip"}) && input.Next(linea)) ++numero;
    while (input.Next(linea)) {
        ++numero;
        if (linea.empty()) continue;
        try {
            list.Line(linea, out);
        } catch (const std::overflow_error&) {
            throw ConversionError("Línea " + std::to_string(numero) + ": un valor es demasiado grande.");
        }
    }
    out.Commit();
    return true;
}

}  // namespace office_to_field
