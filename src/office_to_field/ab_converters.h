#pragma once
// The converter table of the office-to-field window.
//
// A converter is a function
//
//     bool Run(Context& ctx, design_readers::WindowServices& window, const AbRequest& request);
//
// It reads request.InPath and writes request.OutPath (both as the user chose them:
// file names are case-sensitive here). ctx.state holds the upper-cased InFile,
// OutFile and OutFile2, AlzadoFile, AsignacionFile and the KTW point options; the
// window answers what a reader asks of it (Sección tipo, the program, progress,
// RTF text, per-axis save names, the layer).
//
// Its output goes through BufferedOutput: the old file is replaced only when the
// new one is complete. Nothing has been deleted before it runs. A Tunelix planta or
// alzado starts its output with request.Header (when not empty, as one CR LF line);
// a typical section commits its index file at request.StdPath together with it.
//
// It reports the outcome so:
//   - it returns true after a completed run; the window then shows its end box for
//     the kinds that have no summary of their own;
//   - it throws (ConversionError with a Spanish text, or any std::exception) when
//     it fails; the window shows a box naming the input file and the cause;
//   - it sets ctx.state.ErrorFichero to 1 after it has said itself why it rejected
//     the input (a reader with boxes of its own) and returns true;
//   - it returns false to end the request early after saying why (a refused DXF
//     layer): the window then keeps the chosen names so that the user can correct.
//
// Adding a converter is one line in InstallAbConverters (ab_converters.cpp):
//     table.Set(AbConverter::Estandar_Planta, design_readers::EstandarPlantaConverter);

#include <functional>
#include <map>
#include <string>

#include "app/context.h"
#include "design_readers/window_services.h"
#include "office_to_field/ab_dispatch.h"

namespace office_to_field {

struct AbRequest {
    std::string InPath;          // the input file as chosen
    std::string OutPath;         // the output file (a folder for SierraSoft planta, alzado, peraltes)
    std::string StdPath;         // the typical sections' index file; "" when none is written
    std::string AlzadoPath;      // the alzado file picked for this request, as chosen; "" when none
    std::string AsignacionPath;  // the Vextor assignment file picked for this request; "" when none
    std::string Header;          // the Tunelix header line without its line end; "" when none
    std::string Layer;           // the text of Text_Layer
    Kind kind = Kind::None;      // the kind of data selected
};

using AbConverterFn = std::function<bool(Context&, design_readers::WindowServices&, const AbRequest&)>;

class AbConverterTable {
public:
    void Set(AbConverter converter, AbConverterFn run);
    void Clear(AbConverter converter) { converters_.erase(converter); }
    bool Has(AbConverter converter) const;
    // Runs an installed converter (Has must be true).
    bool Run(AbConverter converter, Context& ctx, design_readers::WindowServices& window,
             const AbRequest& request) const;

private:
    std::map<AbConverter, AbConverterFn> converters_;
};

// Installs every converter that has been built.
void InstallAbConverters(AbConverterTable& table);

}  // namespace office_to_field
