#include "field_to_office/ba_form.h"

#include <exception>

#include "common/file_names.h"
#include "field_to_office/ba_file_types.h"
#include "field_to_office/calco_writer.h"
#include "field_to_office/converters.h"
#include "field_to_office/dxf_writer.h"
#include "field_to_office/user_filter_store.h"

namespace {

constexpr const char* kTitle = "Transformación";

}  // namespace

ba_form::ba_form(Context& ctx)
    : platform::Form("ba_form", "Cambio de formato: Campo => Oficina"),
      Frame1(Add<platform::Frame>("Frame1", "Filtro de datos:")),
      Combo1(Add<platform::ComboBox>("Combo1", "", &Frame1)),
      Command1(Add<platform::CommandButton>("Command1", "&Editar", &Frame1)),
      Command5(Add<platform::CommandButton>("Command5", "&Nuevo", &Frame1)),
      Command6(Add<platform::CommandButton>("Command6", "&Borrar", &Frame1)),
      Frame4(Add<platform::Frame>("Frame4", "Tipo de archivo:")),
      Option1(Add<platform::OptionButton>("Option1", "Fichero de puntos", &Frame4)),
      Option2(Add<platform::OptionButton>("Option2", "Fichero de bases", &Frame4)),
      Option4(Add<platform::OptionButton>("Option4", "Fichero de taquimetría", &Frame4)),
      Option5(Add<platform::OptionButton>("Option5", "Fichero de análisis", &Frame4)),
      Option6(Add<platform::OptionButton>("Option6", "Fichero de perfiles", &Frame4)),
      Frame2(Add<platform::Frame>("Frame2", "Fichero de entrada:")),
      fic_ent(Add<platform::Label>("fic_ent", "", &Frame2)),
      camb_ent(Add<platform::CommandButton>("camb_ent", "Ca&mbiar", &Frame2)),
      Frame3(Add<platform::Frame>("Frame3", "Fichero de salida:")),
      fic_sal(Add<platform::Label>("fic_sal", "", &Frame3)),
      camb_sal(Add<platform::CommandButton>("camb_sal", "Camb&iar", &Frame3)),
      // "&Transformación" and "&Cancelar" side by side at the bottom, as in the
      // office-to-field window.
      B_A_Transform(Add<platform::CommandButton>("B_A_Transform", "&Transformación")),
      Command3(Add<platform::CommandButton>("Command3", "&Cancelar")),
      Command4(Add<platform::CommandButton>("Command4", "&Ayuda")),
      Text1(Add<platform::TextBox>("Text1")),
      ctx_(ctx) {
    Command4.SetVisible(false);
    Text1.SetLocked(true);
    abrir.DialogTitle = "Seleccionar fichero de entrada";
    guardar.DialogTitle = "Guardar como";

    B_A_Transform.Click = [this] { B_A_Transform_Click(); };
    Combo1.Click = [this] { Combo1_Click(); };
    camb_ent.Click = [this] { camb_ent_Click(); };
    camb_sal.Click = [this] { camb_sal_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    // Closing the window goes back to the start dialog: the start-up window alone
    // offers the user nothing to do.
    CloseBoxClick = [this] { Command3_Click(); };

    platform::ShowHelpOnMouseMove(camb_ent, Text1, "Introduzca el nombre del fichero a transformar");
    platform::ShowHelpOnMouseMove(camb_sal, Text1, "Introduzca el nombre del fichero que desee crear");
    platform::ShowHelpOnMouseMove(Command1, Text1, "Editar un filtro de datos existente");
    platform::ShowHelpOnMouseMove(Command3, Text1, "Vuelve a la pantalla de inicio");
    platform::ShowHelpOnMouseMove(Command4, Text1, "Ayuda Binario -> ASCII");
    platform::ShowHelpOnMouseMove(Command5, Text1, "Crear un filtro de datos nuevo");
    platform::ShowHelpOnMouseMove(Command6, Text1, "Borrar un filtro de datos existente");
    platform::ShowHelpOnMouseMove(Frame1, Text1, "Seleccione el filtro de datos");
    MouseMove = [this] { Text1.SetText("Transformación Binario -> ASCII"); };

    InstallConverters(*this);
}

void ba_form::Form_Load() {
    Left = (ctx_.desktop.ScreenWidth() - Width) / 2;
    Top = (ctx_.desktop.ScreenHeight() - Height) * 2 / 3;

    State& state = ctx_.state;
    Combo1.Clear();
    // Filter names from the first key on, up to the first empty one; returns how many.
    const auto addFilters = [this](int first, int last) {
        std::int16_t added = 0;
        for (int n = first; n <= last; ++n) {
            std::string name = ctx_.GetSetting("filtros", FilterKey(n));
            if (name.empty()) break;
            Combo1.AddItem(std::move(name));
            ++added;
        }
        return added;
    };
    state.NumFiltrosEstandar = addFilters(1, 50);
    state.NumFiltrosUsuario = addFilters(51, 99);

    Combo1.SetListIndex(0);

    abrir.InitDir = ctx_.GetSetting("path", "path_ba_ent");
    guardar.InitDir = ctx_.GetSetting("path", "path_ba_sal");

    if (state.FormatoCampo == 1) {
        Option1.SetEnabled(false);
        Option2.SetEnabled(false);
        Option5.SetEnabled(false);
        Option6.SetEnabled(false);
        Option4.SetEnabled(true);
        Option4.SetValue(true);
    } else if (state.FormatoCampo == 3) {
        Option1.SetEnabled(false);
        Option2.SetEnabled(false);
        Option4.SetEnabled(false);
        Option5.SetEnabled(false);
        Option6.SetEnabled(true);
        Option6.SetValue(true);
    }
}

FileType ba_form::SelectedFileType() const {
    if (Option1.Value()) return FileType::Points;
    if (Option2.Value()) return FileType::Bases;
    if (Option4.Value()) return FileType::Observations;
    if (Option5.Value()) return FileType::Analysis;
    if (Option6.Value()) return FileType::Profiles;
    return FileType::None;
}

void ba_form::Combo1_Click() {
    const State& state = ctx_.state;
    const bool userFilter = Combo1.ListIndex() + 1 > state.NumFiltrosEstandar;
    Command1.SetEnabled(userFilter || state.FormatoCampo == 1);
    Command6.SetEnabled(userFilter || state.FormatoCampo == 1);

    const std::string filtro = Combo1.Text();
    Option1.SetCaption(FirstOptionCaption(filtro));

    const auto rule = FileTypeRuleFor(state.FormatoCampo, filtro);
    if (!rule) return;
    platform::OptionButton* options[] = {&Option1, &Option2, &Option4, &Option5, &Option6};
    platform::OptionButton* target = nullptr;
    for (size_t i = 0; i < kFileTypes.size(); ++i) {
        options[i]->SetEnabled(rule->enabled[i]);
        if (kFileTypes[i] == rule->option) target = options[i];
    }
    if (target) target->SetValue(rule->select);
}

void ba_form::camb_ent_Click() {
    if (auto defaults = OpenDialogDefaults(ctx_.state.FormatoCampo, SelectedFileType(), Combo1.Text())) {
        abrir.DefaultExt = defaults->DefaultExt;
        abrir.Filter = defaults->Filter;
    }
    if (ctx_.desktop.ShowOpen(abrir) == platform::DialogResult::Cancelled) return;
    if (abrir.FileName.empty()) ctx_.desktop.MsgBox("No se ha seleccionado ningún archivo.", 16, "Atención");
    fic_ent.SetCaption(abrir.FileName);
}

void ba_form::camb_sal_Click() {
    guardar.Flags = 0x406;
    const DialogDefaults defaults = SaveDialogDefaults(Combo1.Text());
    guardar.Filter = defaults.Filter;
    guardar.DefaultExt = defaults.DefaultExt;
    if (ctx_.desktop.ShowSave(guardar) == platform::DialogResult::Cancelled) return;
    if (guardar.FileName.empty()) ctx_.desktop.MsgBox("No se ha seleccionado ningún archivo.", 16, "Atención");
    fic_sal.SetCaption(guardar.FileName);
}

void ba_form::Refuse(const std::string& text, int style, const std::string& title) {
    ctx_.desktop.SetMousePointer(platform::kDefaultPointer);
    ctx_.desktop.MsgBox(text, style, title);
}

// The request is checked, and every question asked, before the converter runs.
void ba_form::B_A_Transform_Click() {
    State& state = ctx_.state;
    platform::Desktop& desktop = ctx_.desktop;
    state.CancelarDXF = 0;
    desktop.SetMousePointer(platform::kHourglass);

    state.InFilePath = abrir.FileName;
    state.OutFilePath = guardar.FileName;
    state.InFile = UpperFileName(abrir.FileName);
    state.OutFile = UpperFileName(guardar.FileName);

    if (state.InFile.empty()) return Refuse("Introduzca el nombre del fichero de entrada", 64, kTitle);
    if (state.OutFile.empty()) return Refuse("Introduzca el nombre del fichero de salida", 64, kTitle);
    if (state.InFile == state.OutFile || SameFile(state.InFilePath, state.OutFilePath)) {
        return Refuse("Los ficheros de entrada y salida son idénticos", 16, kTitle);
    }

    const std::string filtro = Combo1.Text();
    const DispatchDecision decision =
        DecideConversion(state.FormatoCampo, SelectedFileType(), filtro, Combo1.ListIndex(), state.NumFiltrosEstandar);
    if (decision.needsUserFilter) {
        return Refuse("Tiene que usar un filtro de usuario para crear un fichero ASCII desde un fichero KTW", 0, {});
    }
    if (decision.converter == Converter::None) {
        return Refuse(
            "Este tipo de fichero no se puede transformar con el filtro de datos y el formato de campo elegidos.", 48,
            kTitle);
    }
    if (!HasConverter(decision.converter)) {
        return Refuse("Esta transformación todavía no está disponible.", 48, kTitle);
    }

    if (filtro == "DXF") {
        desktop.SetMousePointer(platform::kDefaultPointer);
        desktop.ShowModal("Form_DXF");
        if (state.CancelarDXF == 1) {
            state.CancelarDXF = 0;
            return;
        }
        // Known before anything is deleted: only KTW profile files are drawn as
        // tunnel sections (a Tarsel profile file draws its points).
        if (state.DosTresD == 4 && decision.converter != Converter::KTW_A_Perfiles) {
            return Refuse(kTunelSoloPerfiles, 48, kTitle);
        }
        desktop.SetMousePointer(platform::kHourglass);
    }

    // The Calco station file takes the output's name with the extension SUB.
    if (decision.converter == Converter::KTW_Tarsel_Taqui && filtro == "Calco") {
        if (auto problem = CalcoOutputProblem(state.InFilePath, state.OutFilePath)) {
            return Refuse(*problem, 48, kTitle);
        }
    }

    // The old output is not deleted first: the converter writes a temporary file and
    // puts it in the old one's place only when it has completed, so a failure leaves
    // the old output as it was.
    const bool completed = RunConverter(decision.converter);

    const std::string inFolder = FolderOf(abrir.FileName);
    ctx_.SaveSetting("path", "path_ba_ent", inFolder);
    abrir.InitDir = inFolder;
    const std::string outFolder = FolderOf(guardar.FileName);
    ctx_.SaveSetting("path", "path_ba_sal", outFolder);
    guardar.InitDir = outFolder;
    fic_ent.SetCaption({});
    fic_sal.SetCaption({});
    if (completed) {
        desktop.MsgBox("\rFichero de entrada :  " + abrir.FileName + "\rFichero de salida    :  " + guardar.FileName, 0,
                       "Transformación finalizada");
    }
    desktop.SetMousePointer(platform::kDefaultPointer);
    abrir.FileName.clear();
    guardar.FileName.clear();
}

bool ba_form::RunConverter(Converter converter) {
    State& state = ctx_.state;
    // The ISPOL field book may ask the user things; it runs with the normal pointer.
    if (converter == Converter::KTW_A_Ispol) ctx_.desktop.SetMousePointer(platform::kDefaultPointer);
    state.ErrorFichero = 0;
    try {
        converters_.at(converter)(*this);
    } catch (const std::exception& failure) {
        ctx_.desktop.SetMousePointer(platform::kDefaultPointer);
        ctx_.desktop.MsgBox("Error al transformar el fichero " + abrir.FileName + ":\r" + failure.what(), 16, "Error");
        state.ErrorFichero = 0;
        return false;
    }
    if (state.ErrorFichero != 0) {
        // The converter has already said what went wrong.
        state.ErrorFichero = 0;
        return false;
    }
    return true;
}

void ba_form::Command3_Click() {
    ctx_.desktop.Unload(*this);
    ctx_.desktop.ShowModal("Bin_KTW");
}

void ba_form::Command4_Click() { ctx_.desktop.ShowModal("ayuda_ba"); }

void ba_form::SetConverter(Converter converter, ConverterFn run) {
    if (converter == Converter::None) return;
    converters_[converter] = std::move(run);
}

void ba_form::ClearConverter(Converter converter) { converters_.erase(converter); }

bool ba_form::HasConverter(Converter converter) const {
    auto found = converters_.find(converter);
    return found != converters_.end() && static_cast<bool>(found->second);
}
