#include "office_to_field/form_dirlist.h"

#include <filesystem>

#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/files.h"

namespace {

// The entry of the folder list that climbs one level.
constexpr const char* kParent = "..";

}  // namespace

Form_DirList::Form_DirList(Context& ctx)
    : platform::Form("Form_DirList", "Seleccionar Directorio"),
      Frame_DriveListBox(Add<platform::Frame>("Frame_DriveListBox", "Seleccionar Directorio")),
      Drive(Add<platform::ComboBox>("Drive", "", &Frame_DriveListBox)),
      Dir(Add<platform::ListBox>("Dir", "", &Frame_DriveListBox)),
      Label_Dir(Add<platform::Label>("Label_Dir", "Directorio")),
      Text_Dir(Add<platform::TextBox>("Text_Dir")),
      Command_Aceptar_Dir(Add<platform::CommandButton>("Command_Aceptar_Dir", "Aceptar")),
      Command_Cancelar_Dir(Add<platform::CommandButton>("Command_Cancelar_Dir", "Cancelar")),
      ctx_(ctx) {
    Width = 360;
    Height = 320;
    Drive.Click = [this] { Drive_Change(); };
    Dir.Click = [this] { Dir_Change(); };
    Command_Aceptar_Dir.Click = [this] { Command_Aceptar_Dir_Click(); };
    Command_Cancelar_Dir.Click = [this] { Command_Cancelar_Dir_Click(); };
}

void Form_DirList::Form_Load() {
    Centre(ctx_.desktop.ScreenWidth(), ctx_.desktop.ScreenHeight());
    chosen_.clear();
    Drive.Clear();
    for (std::string root : platform::FileSystemRoots()) Drive.AddItem(std::move(root));
    // An unusable initial folder (none stored yet) is ignored: the list opens on the
    // user's home folder, not wherever the program was started.
    std::string folder = platform::UsableFolder(InitialFolder);
    if (folder.empty()) folder = platform::HomeFolder();
    if (folder.empty()) folder = platform::UsableFolder(platform::NameOf(std::filesystem::current_path()));
    ShowFolder(folder);
}

void Form_DirList::ShowFolder(std::string folder) {
    folder_ = std::move(folder);
    Dir.Clear();
    const std::filesystem::path path = platform::PathOf(folder_);
    if (!folder_.empty() && path.has_relative_path()) Dir.AddItem(kParent);
    for (std::string name : platform::SubFolders(folder_)) {
        // Hidden folders stay hidden, as in the desktop's own file dialogs.
        if (!name.starts_with('.')) Dir.AddItem(std::move(name));
    }
    Text_Dir.SetText(folder_);
}

void Form_DirList::Drive_Change() {
    const std::string root = Drive.Text();
    if (!root.empty()) ShowFolder(platform::UsableFolder(root));
}

void Form_DirList::Dir_Change() {
    const std::string entry = Dir.Text();
    if (entry.empty() || folder_.empty()) return;
    std::filesystem::path path = platform::PathOf(folder_);
    if (entry == kParent) {
        path = path.parent_path().parent_path();
    } else {
        path /= entry;
    }
    const std::string folder = platform::UsableFolder(platform::NameOf(path));
    if (!folder.empty()) ShowFolder(folder);
}

void Form_DirList::Command_Aceptar_Dir_Click() {
    chosen_ = folder_;
    ctx_.desktop.Unload(*this);
}

void Form_DirList::Command_Cancelar_Dir_Click() {
    chosen_.clear();
    ctx_.desktop.Unload(*this);
}

std::string ChooseFolder(Context& ctx, const std::string& initialFolder) {
    auto& chooser = ctx.desktop.Forms().Get<Form_DirList>("Form_DirList");
    chooser.InitialFolder = initialFolder;
    ctx.desktop.ShowModal(chooser);
    // The window object outlives its unload (the registry keeps it), so its answer can be read.
    const std::string chosen = chooser.Chosen();
    if (chooser.Loaded()) ctx.desktop.Unload(chooser);
    return chosen;
}
