#pragma once
// The office-to-field window "Cambio de formato: Oficina => Campo": the kind of data,
// the source program, the input and output files, the KTW point options and the
// DXF layer, and the dispatcher that runs one converter per press of
// "&Transformación". The readers consult it through design_readers::WindowServices.

#include <optional>
#include <string>

#include "app/context.h"
#include "design_readers/window_services.h"
#include "office_to_field/ab_converters.h"
#include "office_to_field/ab_kinds.h"
#include "platform/desktop.h"
#include "platform/form.h"

class ab_form : public platform::Form, public design_readers::WindowServices {
public:
    explicit ab_form(Context& ctx);

    platform::Frame& Frame1;
    platform::OptionButton& Option1;
    platform::OptionButton& Option2;
    platform::OptionButton& Option3;
    platform::OptionButton& Option4;
    platform::OptionButton& Option5;
    platform::OptionButton& Option10;
    platform::OptionButton& Option11;
    platform::OptionButton& Option12;
    platform::OptionButton& MDT;
    platform::Frame& Frame4;
    platform::ComboBox& Combo1;
    platform::Frame& Frame2;
    platform::Label& fic_ent;
    platform::CommandButton& camb_ent;
    platform::Frame& Frame3;
    platform::Label& fic_sal;
    platform::CommandButton& camb_sal;
    platform::Frame& Frame5;
    platform::Frame& Frame6;
    platform::OptionButton& Option6;
    platform::OptionButton& Option7;
    platform::Frame& Frame7;
    platform::OptionButton& Option8;
    platform::OptionButton& Option9;
    platform::CheckBox& Check1;
    platform::Label& Label1;
    platform::TextBox& Text2;
    platform::Label& Label2;
    platform::TextBox& Text3;
    platform::Frame& Frame_Layer;
    platform::TextBox& Text_Layer;
    platform::CommandButton& Command4;
    platform::CommandButton& Command3;
    platform::CommandButton& Command2;
    platform::TextBox& Text1;

    platform::FileDialog abrir;
    platform::FileDialog guardar;

    void Form_Load() override;

    void Combo1_Click();
    void camb_ent_Click();
    void camb_sal_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Check1_Click();
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();
    void Option9_Click();
    void Text2_Change();
    void Text3_Change();
    void MDT_Click();

    // The pickers of the second input files of a typical-section request. Each
    // returns the name chosen ("" when cancelled) and keeps its upper-cased copy in
    // AlzadoFile / AsignacionFile.
    std::string Abrir_Fichero_Alzado();
    std::string Abrir_Fichero_Asignacion();

    // The selected kind; None when no option is selected.
    office_to_field::Kind SelectedKind() const;
    // The option of a kind (nullptr for None).
    platform::OptionButton* KindOption(office_to_field::Kind kind);

    // The converter table; tests install doubles in it.
    office_to_field::AbConverterTable& Converters() { return converters_; }

    // What the readers consult while a request runs.
    bool SeccionTipo() const override;
    std::string Programa() const override;
    void Progreso(const std::string& text) override;
    std::string TextoRTF(const std::string& path) override;
    std::optional<std::string> GuardarComo(const std::string& title, const std::string& suggested) override;
    std::optional<std::string> GuardarEje(const std::string& suggested, const std::string& defaultExt,
                                          const std::string& filter) override;
    std::string Capa() const override;

private:
    // Ends a request early with a box; the chosen names stay for a correction.
    void Refuse(const std::string& text, int style, const std::string& title);
    // The typical-section questions; false when the request ends there.
    bool AskSectionFiles(office_to_field::SectionQuestions questions, office_to_field::AbRequest& request);
    // Runs the converter; nullopt when the request ends early (the converter said why),
    // otherwise whether it completed.
    std::optional<bool> RunConverter(office_to_field::AbConverter converter, const office_to_field::AbRequest& request);
    void ForceKtw16();
    std::string PickSecondFile(const std::string& title, const std::string& filter);
    // Shows guardar with these settings and puts the window's own back afterwards.
    std::optional<std::string> AskSaveName(const platform::FileDialog& settings);

    Context& ctx_;
    office_to_field::AbConverterTable converters_;
};
