// The folder chooser with no usable folder stored opens on the user's home folder,
// and its close box chooses nothing, as "Cancelar" does.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/context.h"
#include "app/register_forms.h"
#include "app/state.h"
#include "office_to_field/form_dirlist.h"
#include "platform/file_system.h"
#include "platform/files.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/files.h"

namespace {

#ifdef _WIN32
constexpr const char* kHomeVariable = "USERPROFILE";
constexpr char kSeparator = '\\';
#else
constexpr const char* kHomeVariable = "HOME";
constexpr char kSeparator = '/';
#endif

TEST(HomeFolder, FromTheEnvironment) {
    const char* home = std::getenv(kHomeVariable);
    EXPECT_EQ(platform::HomeFolder(), home ? platform::UsableFolder(home) : "");
}

// Folders named in UTF-8 are found, accents and "Ñ" included, and come back absolute
// with the system's separator at the end; anything else is no folder.
TEST(UsableFolder, ExistingFoldersOnly) {
    testing_support::TempDir dir;
    const std::string folder = dir.File("Obra Ñandú");
    std::filesystem::create_directories(platform::PathOf(folder) / platform::PathOf("Año"));
    testing_support::WriteBytes(dir.File("fichero.txt"), "x");
    EXPECT_EQ(platform::UsableFolder(folder), folder + kSeparator);
    EXPECT_EQ(platform::UsableFolder(folder + kSeparator), folder + kSeparator);
    EXPECT_EQ(platform::SubFolders(folder), std::vector<std::string>{"Año"});
    for (const std::string& no : {std::string(), dir.File("no_existe"), dir.File("fichero.txt")}) {
        EXPECT_EQ(platform::UsableFolder(no), "") << no;
    }
}

TEST(FormDirList, NoStoredFolderOpensOnHomeAndTheCloseBoxChoosesNothing) {
    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore settings;
    State state;
    Context ctx{desktop, settings, state};
    app::RegisterForms(ctx);

    std::string shown;
    desktop.QueueAction([&] {
        auto& chooser = desktop.Forms().Get<Form_DirList>("Form_DirList");
        shown = chooser.Text_Dir.Text();
        desktop.UserClose(chooser);
    });
    EXPECT_EQ(ChooseFolder(ctx, ""), "");
    const std::string home = platform::HomeFolder();
    EXPECT_EQ(shown, home.empty() ? platform::UsableFolder(platform::NameOf(std::filesystem::current_path())) : home);
    EXPECT_TRUE(desktop.ShownForms().empty());
}

}  // namespace
