#pragma once
// The field-to-office window "Cambio de formato: Campo => Oficina": the filter list,
// the file types, the input and output files, and the dispatcher that runs one
// converter per press of "&Transformación".

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "app/context.h"
#include "field_to_office/ba_dispatch.h"
#include "platform/desktop.h"
#include "platform/form.h"

class ba_form : public platform::Form {
public:
    // A converter reads state().InFilePath, writes state().OutFilePath (through
    // BufferedOutput: the old output stays until the new one is complete), reads the filter and the options from the window
    // and shows its own messages. It reports a failure by throwing (ConversionError
    // with a Spanish text, which the window shows with the input file's name) or by
    // setting state().ErrorFichero to 1 after saying so itself. Either way the end
    // box "Transformación finalizada" is not shown.
    using ConverterFn = std::function<void(ba_form&)>;

    explicit ba_form(Context& ctx);

    Context& ctx() { return ctx_; }

    platform::Frame& Frame1;
    platform::ComboBox& Combo1;
    platform::CommandButton& Command1;
    platform::CommandButton& Command5;
    platform::CommandButton& Command6;
    platform::Frame& Frame4;
    platform::OptionButton& Option1;
    platform::OptionButton& Option2;
    platform::OptionButton& Option4;
    platform::OptionButton& Option5;
    platform::OptionButton& Option6;
    platform::Frame& Frame2;
    platform::Label& fic_ent;
    platform::CommandButton& camb_ent;
    platform::Frame& Frame3;
    platform::Label& fic_sal;
    platform::CommandButton& camb_sal;
    platform::CommandButton& B_A_Transform;
    platform::CommandButton& Command3;
    platform::CommandButton& Command4;
    platform::TextBox& Text1;

    platform::FileDialog abrir;
    platform::FileDialog guardar;

    // Vertex handles of DXF polylines; counts on across conversions while the window is open.
    std::int32_t ContadorVertices = 0;

    void Form_Load() override;

    void B_A_Transform_Click();
    void Combo1_Click();
    void camb_ent_Click();
    void camb_sal_Click();
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();

    // The selected file type, first in the order points, bases, observations,
    // analysis, profiles.
    FileType SelectedFileType() const;

    // The converter table. Entries that are not installed answer that the
    // conversion is not available yet.
    void SetConverter(Converter converter, ConverterFn run);
    void ClearConverter(Converter converter);
    bool HasConverter(Converter converter) const;

private:
    // Runs the converter; false when it failed (the failure has been shown).
    bool RunConverter(Converter converter);
    void Refuse(const std::string& text, int style, const std::string& title);

    Context& ctx_;
    std::map<Converter, ConverterFn> converters_;
};
