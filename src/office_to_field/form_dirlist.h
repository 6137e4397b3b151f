#pragma once
// "Seleccionar Directorio": the folder chooser of the office-to-field window, for
// the outputs that are folders (one file per axis).

#include <optional>
#include <string>

#include "app/context.h"
#include "platform/form.h"

class Form_DirList : public platform::Form {
public:
    explicit Form_DirList(Context& ctx);

    platform::Frame& Frame_DriveListBox;
    platform::ComboBox& Drive;
    platform::ListBox& Dir;
    platform::Label& Label_Dir;
    platform::TextBox& Text_Dir;
    platform::CommandButton& Command_Aceptar_Dir;
    platform::CommandButton& Command_Cancelar_Dir;

    // The folder the list opens on; set before the window is shown.
    std::string InitialFolder;

    void Form_Load() override;
    void Drive_Change();
    void Dir_Change();
    void Command_Aceptar_Dir_Click();
    void Command_Cancelar_Dir_Click();

    // The folder accepted, ending with the separator; "" after "Cancelar" or when
    // the window was closed without an answer.
    const std::string& Chosen() const { return chosen_; }
    // The folder the list shows.
    const std::string& Folder() const { return folder_; }

private:
    void ShowFolder(std::string folder);

    Context& ctx_;
    std::string folder_;
    std::string chosen_;
};

// Shows the chooser modally on a folder and returns the folder accepted, or "".
std::string ChooseFolder(Context& ctx, const std::string& initialFolder);
