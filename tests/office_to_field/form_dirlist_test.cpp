// The folder chooser with no usable folder stored opens on the user's home folder,
// and its close box chooses nothing, as "Cancelar" does.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "app/context.h"
#include "app/register_forms.h"
#include "app/state.h"
#include "office_to_field/form_dirlist.h"
#include "platform/file_system.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/files.h"

namespace {

// Points HOME at a folder for the life of the object.
class HomeAt {
public:
    explicit HomeAt(const std::string& folder) {
        if (const char* old = std::getenv("HOME")) old_ = old;
        setenv("HOME", folder.c_str(), 1);
    }
    ~HomeAt() {
        if (old_) {
            setenv("HOME", old_->c_str(), 1);
        } else {
            unsetenv("HOME");
        }
    }

private:
    std::optional<std::string> old_;
};

TEST(HomeFolder, FromTheEnvironment) {
    testing_support::TempDir home;
    {
        HomeAt at(home.Path().string());
        EXPECT_EQ(platform::HomeFolder(), platform::UsableFolder(home.Path().string()));
        EXPECT_EQ(platform::HomeFolder().back(), '/');
    }
    HomeAt gone(home.File("no_existe"));
    EXPECT_EQ(platform::HomeFolder(), "");
}

TEST(FormDirList, NoStoredFolderOpensOnHomeAndTheCloseBoxChoosesNothing) {
    testing_support::TempDir home;
    std::filesystem::create_directories(home.Path() / "obras");
    HomeAt at(home.Path().string());
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
    EXPECT_EQ(shown, platform::UsableFolder(home.Path().string()));
    EXPECT_TRUE(desktop.ShownForms().empty());
}

}  // namespace
