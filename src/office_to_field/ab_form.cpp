#include "office_to_field/ab_form.h"

#include <exception>
#include <optional>
#include <utility>

#include "common/errors.h"
#include "common/file_names.h"
#include "common/numbers.h"
#include "office_to_field/form_dirlist.h"
#include "field_writers/tunelix_header.h"
#include "platform/rich_text.h"

using office_to_field::AbConverter;
using office_to_field::AbDecision;
using office_to_field::AbRequest;
using office_to_field::Kind;
using office_to_field::SectionQuestions;

namespace {

constexpr const char* kTitle = "Transformación";

// The list as the window is designed; the start dialog appends its own entries.
const char* const kDesignSources[16] = {
    "Estandar", "Istram", "DXF", "Modelo Digital", "Clip", "Clip Ferrocarril", "Ispol", "InRoads",
    "TCP", "TCP V4", "Cartomap V3.xx", "Cartomap V4.xx", "SDR", "Trazado", "SierraSoft", "Vextor",
};

// The index file of a typical section: the output name with "STD" in place of its
// last three characters. A name too short to have them gives none.
std::string StdName(const std::string& name) {
    if (name.size() < 3) return {};
    return name.substr(0, name.size() - 3) + "STD";
}

// A constant typed by the user: the integer part (toward minus infinity) of the
// leading number; 0 when there is none or it is beyond any range.
double WholeConstant(const std::string& text) {
    try {
        return Num::Int(Num::Val(text));
    } catch (const std::exception&) {
        return 0;
    }
}

// Clears the error flag of a request however it ends.
struct ClearErrorFichero {
    State& state;
    ~ClearErrorFichero() { state.ErrorFichero = 0; }
};

}  // namespace

ab_form::ab_form(Context& ctx)
    : platform::Form("ab_form", "Cambio de formato: Oficina => Campo"),
      Frame1(Add<platform::Frame>("Frame1", "Tipo de archivo:")),
      Option1(Add<platform::OptionButton>("Option1", "Puntos", &Frame1)),
      Option2(Add<platform::OptionButton>("Option2", "Bases", &Frame1)),
      Option3(Add<platform::OptionButton>("Option3", "Planta / Sec.Túnel", &Frame1)),
      Option4(Add<platform::OptionButton>("Option4", "Eje en alzado", &Frame1)),
      Option5(Add<platform::OptionButton>("Option5", "Sección de excavación", &Frame1)),
      Option10(Add<platform::OptionButton>("Option10", "Sección tipo", &Frame1)),
      Option11(Add<platform::OptionButton>("Option11", "Taludes", &Frame1)),
      Option12(Add<platform::OptionButton>("Option12", "Peraltes", &Frame1)),
      MDT(Add<platform::OptionButton>("MDT", "MDT Caras3D", &Frame1)),
      Frame4(Add<platform::Frame>("Frame4", "Formato:")),
      Combo1(Add<platform::ComboBox>("Combo1", "", &Frame4)),
      Frame2(Add<platform::Frame>("Frame2", "Fichero de entrada:")),
      fic_ent(Add<platform::Label>("fic_ent", "", &Frame2)),
      camb_ent(Add<platform::CommandButton>("camb_ent", "Cambiar", &Frame2)),
      Frame3(Add<platform::Frame>("Frame3", "Fichero de salida:")),
      fic_sal(Add<platform::Label>("fic_sal", "", &Frame3)),
      camb_sal(Add<platform::CommandButton>("camb_sal", "Cambiar", &Frame3)),
      Frame5(Add<platform::Frame>("Frame5", "Datos KTW")),
      Frame6(Add<platform::Frame>("Frame6", "Formato", &Frame5)),
      Option6(Add<platform::OptionButton>("Option6", " KTW-8", &Frame6)),
      Option7(Add<platform::OptionButton>("Option7", " KTW-16", &Frame6)),
      Frame7(Add<platform::Frame>("Frame7", "Dimensiones", &Frame5)),
      Option8(Add<platform::OptionButton>("Option8", " 2D (XY)", &Frame7)),
      Option9(Add<platform::OptionButton>("Option9", " 3D (XYZ)", &Frame7)),
      Check1(Add<platform::CheckBox>("Check1", "Restar constante", &Frame5)),
      Label1(Add<platform::Label>("Label1", "X", &Frame5)),
      Text2(Add<platform::TextBox>("Text2", "", &Frame5)),
      Label2(Add<platform::Label>("Label2", "Y", &Frame5)),
      Text3(Add<platform::TextBox>("Text3", "", &Frame5)),
      Frame_Layer(Add<platform::Frame>("Frame_Layer", "Nombre de la Capa")),
      Text_Layer(Add<platform::TextBox>("Text_Layer", "Capa1", &Frame_Layer)),
      Command4(Add<platform::CommandButton>("Command4", "&Transformación")),
      Command3(Add<platform::CommandButton>("Command3", "&Cancelar")),
      Command2(Add<platform::CommandButton>("Command2", "&Ayuda")),
      Text1(Add<platform::TextBox>("Text1")),
      ctx_(ctx) {
    Width = 560;
    Height = 480;
    for (const char* name : kDesignSources) Combo1.AddItem(name);
    Option10.SetValue(true);
    Option12.SetVisible(false);
    MDT.SetVisible(false);
    Frame5.SetVisible(false);
    Check1.SetVisible(false);
    Label1.SetVisible(false);
    Label2.SetVisible(false);
    Text2.SetEnabled(false);
    Text3.SetEnabled(false);
    Frame_Layer.SetVisible(false);
    Text_Layer.SetEnabled(false);
    Command2.SetVisible(false);
    Text1.SetLocked(true);
    abrir.DialogTitle = "Seleccionar fichero de entrada";
    guardar.DialogTitle = "Guardar como";

    Combo1.Click = [this] { Combo1_Click(); };
    camb_ent.Click = [this] { camb_ent_Click(); };
    camb_sal.Click = [this] { camb_sal_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    // Closing the window goes back to the start dialog, as "&Cancelar" does.
    CloseBoxClick = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Check1.Click = [this] { Check1_Click(); };
    Option6.Click = [this] { Option6_Click(); };
    Option7.Click = [this] { Option7_Click(); };
    Option8.Click = [this] { Option8_Click(); };
    Option9.Click = [this] { Option9_Click(); };
    Text2.Change = [this] { Text2_Change(); };
    Text3.Change = [this] { Text3_Change(); };
    MDT.Click = [this] { MDT_Click(); };

    MouseMove = [this] { Text1.SetText("Transformación ASCII -> Binario"); };
    platform::ShowHelpOnMouseMove(Frame1, Text1, "Seleccione el tipo de fichero a transformar");
    platform::ShowHelpOnMouseMove(Frame4, Text1, "Seleccione el formato de entrada");
    platform::ShowHelpOnMouseMove(camb_ent, Text1, "Introduzca el nombre del fichero a transformar");
    platform::ShowHelpOnMouseMove(camb_sal, Text1, "Introduzca el nombre del fichero que desee crear");
    platform::ShowHelpOnMouseMove(Command3, Text1, "Vuelve a la pantalla de inicio");

    office_to_field::InstallAbConverters(converters_);
}

void ab_form::Form_Load() {
    State& state = ctx_.state;
    Centre(ctx_.desktop.ScreenWidth(), ctx_.desktop.ScreenHeight());
    abrir.InitDir = ctx_.GetSetting("path", "path_ab_ent");
    guardar.InitDir = ctx_.GetSetting("path", "path_ab_sal");
    abrir.FileName.clear();
    guardar.FileName.clear();
    // Constants of an earlier window must never be subtracted by a later request.
    state.ConstanteX = 0;
    state.ConstanteY = 0;

    Combo1.SetListIndex(0);

    if (state.FormatoCampo == 1) {
        Combo1.SetVisible(false);
        Frame4.SetVisible(false);
        Option1.SetValue(true);
        for (platform::OptionButton* option : {&Option2, &Option3, &Option4, &Option5, &Option10, &Option11}) {
            option->SetEnabled(false);
        }
        Frame5.SetVisible(true);
        Option7.SetValue(true);
        Option9.SetValue(true);
        state.KtwFormat = "KTW16";
        state.RestarConstante = "N";
        state.Dimensiones = "3";
        state.AnchoPalabra = 16;
    } else {
        Frame5.SetVisible(false);
        if (state.FormatoCampo == 3) {
            Option3.SetValue(true);
            for (platform::OptionButton* option : {&Option3, &Option4, &Option10}) option->SetEnabled(true);
            for (platform::OptionButton* option : {&Option1, &Option2, &Option5, &Option11}) option->SetEnabled(false);
        }
    }
}

platform::OptionButton* ab_form::KindOption(Kind kind) {
    switch (kind) {
    case Kind::Puntos: return &Option1;
    case Kind::Bases: return &Option2;
    case Kind::Planta: return &Option3;
    case Kind::Alzado: return &Option4;
    case Kind::SeccionExcavacion: return &Option5;
    case Kind::SeccionTipo: return &Option10;
    case Kind::Taludes: return &Option11;
    case Kind::Peraltes: return &Option12;
    case Kind::MDT: return &MDT;
    case Kind::None: return nullptr;
    }
    return nullptr;
}

Kind ab_form::SelectedKind() const {
    const std::pair<const platform::OptionButton*, Kind> options[] = {
        {&Option1, Kind::Puntos},       {&Option2, Kind::Bases},          {&Option3, Kind::Planta},
        {&Option4, Kind::Alzado},       {&Option5, Kind::SeccionExcavacion}, {&Option10, Kind::SeccionTipo},
        {&Option11, Kind::Taludes},     {&Option12, Kind::Peraltes},      {&MDT, Kind::MDT}};
    for (const auto& [option, kind] : options) {
        if (option->Value()) return kind;
    }
    return Kind::None;
}

void ab_form::Combo1_Click() {
    MDT.SetVisible(false);
    Option12.SetVisible(false);
    const auto rule = office_to_field::ProgramRuleFor(Combo1.Text(), ctx_.state.FormatoCampo);
    for (std::size_t i = 0; i < office_to_field::kSwitchedKinds.size(); ++i) {
        if (rule.enable[i] == office_to_field::Switch::Unchanged) continue;
        KindOption(office_to_field::kSwitchedKinds[i])->SetEnabled(rule.enable[i] == office_to_field::Switch::On);
    }
    if (platform::OptionButton* option = KindOption(rule.option)) option->SetValue(rule.select);
    if (rule.showMdt) MDT.SetVisible(true);
    if (rule.showLayer) {
        Frame_Layer.SetVisible(true);
        Text_Layer.SetEnabled(true);
    }
    if (rule.showPeraltes) Option12.SetVisible(true);
}

void ab_form::camb_ent_Click() {
    abrir.Filter = office_to_field::InputFilter(Combo1.Text(), SelectedKind());
    if (ctx_.desktop.ShowOpen(abrir) == platform::DialogResult::Cancelled) return;
    if (abrir.FileName.empty()) ctx_.desktop.MsgBox("No se ha seleccionado ningún archivo.", 16, "Atención");
    fic_ent.SetCaption(abrir.FileName);
}

void ab_form::camb_sal_Click() {
    const std::string programa = Combo1.Text();
    const Kind kind = SelectedKind();
    if (auto defaults = office_to_field::SaveDialogDefaults(kind, ctx_.state.FormatoCampo)) {
        guardar.DefaultExt = defaults->DefaultExt;
        guardar.Filter = defaults->Filter;
    }
    // Ask before overwriting, hide read-only, extension differs.
    guardar.Flags = 1030;
    if (office_to_field::OutputIsFolder(programa, kind)) {
        guardar.FileName = ChooseFolder(ctx_, guardar.InitDir);
        if (!guardar.FileName.empty()) guardar.InitDir = guardar.FileName;
    } else if (ctx_.desktop.ShowSave(guardar) == platform::DialogResult::Cancelled) {
        return;
    }
    if (guardar.FileName.empty()) {
        ctx_.desktop.MsgBox(programa == "SierraSoft" ? "No se ha seleccionado ningún directorio."
                                                     : "No se ha seleccionado ningún archivo.",
                            16, "Atención");
    }
    fic_sal.SetCaption(guardar.FileName);
}

void ab_form::Command2_Click() { ctx_.desktop.ShowModal("ayuda_ab"); }

void ab_form::Command3_Click() {
    ctx_.desktop.SetMousePointer(platform::kDefaultPointer);
    ctx_.desktop.Unload(*this);
    ctx_.desktop.ShowModal("Bin_KTW");
}

void ab_form::Refuse(const std::string& text, int style, const std::string& title) {
    ctx_.desktop.SetMousePointer(platform::kDefaultPointer);
    if (!text.empty()) ctx_.desktop.MsgBox(text, style, title);
}

// Nothing is deleted here: every converter writes its output beside the old one
// and replaces it only when complete, so a refused, cancelled or failed request
// leaves the old files as they were.
void ab_form::Command4_Click() {
    State& state = ctx_.state;
    platform::Desktop& desktop = ctx_.desktop;
    const ClearErrorFichero clearAtEnd{state};
    desktop.SetMousePointer(platform::kHourglass);

    AbRequest request;
    request.InPath = abrir.FileName;
    request.OutPath = guardar.FileName;
    state.InFilePath = abrir.FileName;
    state.OutFilePath = guardar.FileName;
    state.InFile = UpperFileName(abrir.FileName);
    state.OutFile = UpperFileName(guardar.FileName);

    // A kind left selected while its program or format disables or hides it would run
    // the wrong converter or none at all.
    const Kind kind = SelectedKind();
    const platform::OptionButton* option = KindOption(kind);
    if (option == nullptr || !option->Enabled() || !option->Visible()) {
        return Refuse("El tipo de archivo seleccionado no está disponible con este programa y este formato de "
                      "campo. Seleccione uno de los tipos de archivo disponibles.",
                      48, kTitle);
    }
    const std::string programa = Combo1.Text();
    const AbDecision decision = office_to_field::DecideAbConversion(kind, programa, state.FormatoCampo);
    if (decision.converter == AbConverter::None) {
        return Refuse("Este tipo de archivo no se puede transformar con el programa y el formato de campo elegidos.",
                      48, kTitle);
    }
    if (!converters_.Has(decision.converter)) {
        return Refuse("Esta transformación todavía no está disponible.", 48, kTitle);
    }

    if (decision.stdIndex) {
        state.OutFile2 = StdName(state.OutFile);
        request.StdPath = StdName(request.OutPath);
    }
    if (!AskSectionFiles(decision.questions, request)) return;

    if (state.InFile.empty()) return Refuse("Introduzca el nombre del fichero de entrada", 64, kTitle);
    if (state.OutFile.empty()) return Refuse("Introduzca el nombre del fichero de salida", 64, kTitle);
    if (state.InFile == state.OutFile || SameFile(request.InPath, request.OutPath)) {
        return Refuse("Los ficheros de entrada y salida son idénticos", 16, kTitle);
    }
    const std::string extension = office_to_field::RequiredExtension(kind, programa, state.FormatoCampo);
    if (!extension.empty()) {
        const std::string& out = state.OutFile;
        if (out.size() < 3 || out.compare(out.size() - 3, 3, extension) != 0) {
            return Refuse("No es válida la extensión del fichero de salida.", 16, "Error");
        }
    }

    if (decision.forceKtw16) ForceKtw16();
    if (decision.tunelixHeader) {
        state.OutFile2 = field_writers::TunelixName(request.OutPath);
        request.Header = field_writers::TunelixHeader(request.OutPath, kind == Kind::Planta);
    }
    request.Layer = Text_Layer.Text();
    request.kind = kind;

    const std::optional<bool> completed = RunConverter(decision.converter, request);
    if (!completed) return Refuse({}, 0, {});

    const std::string inFolder = FolderOf(abrir.FileName);
    ctx_.SaveSetting("path", "path_ab_ent", inFolder);
    abrir.InitDir = inFolder;
    const std::string outFolder = FolderOf(guardar.FileName);
    ctx_.SaveSetting("path", "path_ab_sal", outFolder);
    guardar.InitDir = outFolder;
    fic_ent.SetCaption({});
    fic_sal.SetCaption({});
    // The alignment, section and superelevation readers end with a summary of their own.
    const bool endBox = kind == Kind::Puntos || kind == Kind::Bases || kind == Kind::SeccionExcavacion ||
                        kind == Kind::MDT;
    if (*completed && endBox) {
        desktop.MsgBox("\rFichero de entrada :  " + state.InFile + "\rFichero de salida    :  " + state.OutFile + "\r",
                       0, "Transformación finalizada");
    }
    desktop.SetMousePointer(platform::kDefaultPointer);
    abrir.FileName.clear();
    guardar.FileName.clear();
}

bool ab_form::AskSectionFiles(SectionQuestions questions, AbRequest& request) {
    platform::Desktop& desktop = ctx_.desktop;
    const std::string programa = Combo1.Text();
    const std::string alzadoQuestion = "A continuación se debe seleccionar el fichero de alzado de " + programa;
    switch (questions) {
    case SectionQuestions::None: return true;
    case SectionQuestions::Vextor:
        desktop.SetMousePointer(platform::kDefaultPointer);
        if (desktop.MsgBox(alzadoQuestion, platform::mb::OKCancel + platform::mb::Critical, "Atención") ==
            platform::answer::Cancel) {
            return false;
        }
        // A cancelled picker ends the request quietly: there is no file to read.
        request.AlzadoPath = Abrir_Fichero_Alzado();
        if (request.AlzadoPath.empty()) return false;
        if (desktop.MsgBox("A continuación se debe seleccionar el fichero de asignación de sección tipo de " + programa,
                           platform::mb::OKCancel + platform::mb::Critical, "Atención") == platform::answer::Cancel) {
            return false;
        }
        request.AsignacionPath = Abrir_Fichero_Asignacion();
        if (request.AsignacionPath.empty()) return false;
        desktop.SetMousePointer(platform::kHourglass);
        return true;
    case SectionQuestions::Alzado:
        desktop.SetMousePointer(platform::kDefaultPointer);
        desktop.MsgBox(alzadoQuestion, platform::mb::Critical, "Atención");
        request.AlzadoPath = Abrir_Fichero_Alzado();
        if (request.AlzadoPath.empty()) {
            desktop.MsgBox("No se ha seleccionado el archivo de alzado de " + programa +
                               " necesario para realizar esta transformación",
                           platform::mb::Critical, "Atención");
            return false;
        }
        desktop.SetMousePointer(platform::kHourglass);
        return true;
    }
    return true;
}

std::optional<bool> ab_form::RunConverter(AbConverter converter, const AbRequest& request) {
    State& state = ctx_.state;
    state.ErrorFichero = 0;
    bool went = false;
    try {
        went = converters_.Run(converter, ctx_, *this, request);
    } catch (const std::exception& failure) {
        ctx_.desktop.SetMousePointer(platform::kDefaultPointer);
        ctx_.desktop.MsgBox("Error al transformar el fichero " + request.InPath + ":\r" + failure.what(), 16, "Error");
        return false;
    }
    if (!went) return std::nullopt;
    // A reader that rejected its input has said so itself.
    return state.ErrorFichero == 0;
}

void ab_form::ForceKtw16() {
    State& state = ctx_.state;
    state.KtwFormat = "KTW16";
    state.AnchoPalabra = 16;
    state.RestarConstante = "N";
    state.ConstanteX = 0;
    state.ConstanteY = 0;
    state.Dimensiones = "3";
}

std::string ab_form::PickSecondFile(const std::string& title, const std::string& filter) {
    const std::string keptName = abrir.FileName;
    const std::string keptTitle = abrir.DialogTitle;
    abrir.FileName.clear();
    abrir.DialogTitle = title;
    abrir.Filter = filter;
    std::string chosen;
    if (ctx_.desktop.ShowOpen(abrir) != platform::DialogResult::Cancelled) chosen = abrir.FileName;
    abrir.FileName = keptName;
    abrir.DialogTitle = keptTitle;
    return chosen;
}

std::string ab_form::Abrir_Fichero_Alzado() {
    const std::string chosen = PickSecondFile(
        "Abrir fichero de Alzado",
        Combo1.Text() == "Vextor" ? "Fichero Alzado (prf*.KTW)|prf*.KTW" : "Todos los archivos|*.*");
    ctx_.state.AlzadoFile = UpperFileName(chosen);
    return chosen;
}

std::string ab_form::Abrir_Fichero_Asignacion() {
    const std::string chosen = PickSecondFile("Abrir fichero de Asignación de Sección Tipo",
                                              "Fichero Asignacion Sección Tipo (sta*.KTW)|sta*.KTW");
    ctx_.state.AsignacionFile = UpperFileName(chosen);
    return chosen;
}

void ab_form::Check1_Click() {
    State& state = ctx_.state;
    const bool ticked = Check1.Value() == 1;
    state.RestarConstante = ticked ? "Y" : "N";
    if (!ticked) {
        state.ConstanteX = 0;
        state.ConstanteY = 0;
    }
    Label1.SetVisible(ticked);
    Label2.SetVisible(ticked);
    Text2.SetEnabled(ticked);
    Text3.SetEnabled(ticked);
    if (ticked) {
        // Read both before writing: filling the X box runs its change handler.
        const double x = state.ConstanteX;
        const double y = state.ConstanteY;
        Text2.SetText(Num::StrTrim(x));
        Text3.SetText(Num::StrTrim(y));
    }
}

void ab_form::Option6_Click() {
    State& state = ctx_.state;
    state.KtwFormat = "KTW 8";
    state.AnchoPalabra = 8;
    Check1.SetValue(0);
    Check1.SetVisible(true);
    state.ConstanteX = 0;
    state.ConstanteY = 0;
}

void ab_form::Option7_Click() {
    State& state = ctx_.state;
    state.KtwFormat = "KTW16";
    state.AnchoPalabra = 16;
    Check1.SetVisible(false);
    Text2.SetEnabled(false);
    Text3.SetEnabled(false);
    Label1.SetVisible(false);
    Label2.SetVisible(false);
    state.ConstanteX = 0;
    state.ConstanteY = 0;
}

void ab_form::Option8_Click() { ctx_.state.Dimensiones = "2"; }
void ab_form::Option9_Click() { ctx_.state.Dimensiones = "3"; }

void ab_form::Text2_Change() { ctx_.state.ConstanteX = WholeConstant(Text2.Text()); }
void ab_form::Text3_Change() { ctx_.state.ConstanteY = WholeConstant(Text3.Text()); }

void ab_form::MDT_Click() {
    if (!MDT.Value()) return;
    Frame_Layer.SetVisible(true);
    Text_Layer.SetEnabled(true);
}

bool ab_form::SeccionTipo() const { return Option10.Value(); }

std::string ab_form::Programa() const { return Combo1.Text(); }

void ab_form::Progreso(const std::string& text) {
    Text1.SetText(text);
    ctx_.desktop.DoEvents();
}

std::string ab_form::TextoRTF(const std::string& path) {
    std::optional<std::string> text = platform::LoadRtfText(path);
    if (!text)
        throw ConversionError("El fichero no tiene el formato adecuado o está siendo utilizado por otra aplicación");
    return std::move(*text);
}

std::optional<std::string> ab_form::AskSaveName(const platform::FileDialog& settings) {
    const platform::FileDialog kept = guardar;
    guardar = settings;
    std::string chosen;
    if (ctx_.desktop.ShowSave(guardar) != platform::DialogResult::Cancelled) chosen = guardar.FileName;
    guardar = kept;
    if (chosen.empty()) return std::nullopt;
    return chosen;
}

std::optional<std::string> ab_form::GuardarComo(const std::string& title, const std::string& suggested) {
    platform::FileDialog settings = guardar;
    settings.DialogTitle = title;
    settings.FileName = suggested;
    return AskSaveName(settings);
}

std::optional<std::string> ab_form::GuardarEje(const std::string& suggested, const std::string& defaultExt,
                                               const std::string& filter) {
    platform::FileDialog settings = guardar;
    settings.FileName = suggested;
    settings.DefaultExt = defaultExt;
    settings.Filter = filter;
    return AskSaveName(settings);
}

std::string ab_form::Capa() const { return Text_Layer.Text(); }
