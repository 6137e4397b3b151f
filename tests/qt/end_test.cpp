#include <gtest/gtest.h>

#include <filesystem>

#include "platform/qt/qt_desktop.h"
#include "qt_app.h"
#include "support/files.h"

namespace {

// "Salir" from any depth: the settings are saved, then the process ends at once
// with success, whatever handlers were still under way.
TEST(QtDesktopEnd, SavesThenEndsTheProcessAtOnce) {
    qt_testing::App();
    testing_support::TempDir dir;
    const std::string marker = dir.File("guardado");
    // The default death test forks: the child writes where the parent looks.
    EXPECT_EXIT(
        {
            platform::qt::QtDesktop desktop([&marker] { testing_support::WriteBytes(marker, "ok"); });
            desktop.End();
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_TRUE(std::filesystem::exists(marker));
}

}  // namespace
