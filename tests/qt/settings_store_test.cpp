#include <gtest/gtest.h>

#include "platform/qt/qt_settings_store.h"
#include "qt_app.h"
#include "support/files.h"

namespace {

class QtSettings : public ::testing::Test {
protected:
    QApplication& app = qt_testing::App();
    testing_support::TempDir dir;
};

// Values as the program writes them: blanks kept, separators and accents kept.
TEST_F(QtSettings, ValuesComeBackAsWrittenAfterAFreshStart) {
    const std::pair<const char*, std::string> values[] = {
        {"transformacion", " 1"},
        {"vacio", ""},
        {"carpeta", "/home/usuario/datos con blancos/"},
        {"lista", "1,2;3|4 ,5"},
        {"arroba", "@Variant(x)"},
        {"acentos", "Fichero de taquimetría ñ"},
        {"comillas", "\"entre\" comillas\\"},
    };
    {
        platform::qt::QtSettingsStore store(dir.Path().string());
        for (const auto& [key, value] : values) store.SaveSetting("tarsel", "INI", key, value);
        store.Flush();
    }
    platform::qt::QtSettingsStore again(dir.Path().string());
    for (const auto& [key, value] : values) {
        SCOPED_TRACE(key);
        EXPECT_EQ(again.GetSetting("tarsel", "INI", key), value);
        EXPECT_TRUE(again.Exists("tarsel", "INI", key));
    }
}

TEST_F(QtSettings, SectionsAndApplicationsAreApart) {
    platform::qt::QtSettingsStore store(dir.Path().string());
    store.SaveSetting("tarsel", "path", "path_ab_ent", "/a/");
    store.SaveSetting("tarsel", "DXF", "path_ab_ent", "otro");
    store.SaveSetting("otra", "path", "path_ab_ent", "/b/");
    EXPECT_EQ(store.GetSetting("tarsel", "path", "path_ab_ent"), "/a/");
    EXPECT_EQ(store.GetSetting("tarsel", "DXF", "path_ab_ent"), "otro");
    EXPECT_EQ(store.GetSetting("otra", "path", "path_ab_ent"), "/b/");
}

TEST_F(QtSettings, MissingAndDeletedKeysReadEmptyAndNeighboursStay) {
    platform::qt::QtSettingsStore store(dir.Path().string());
    store.SaveSetting("tarsel", "user_filters", "filtro51", "a");
    store.SaveSetting("tarsel", "user_filters", "filtro52", "b");
    store.DeleteSetting("tarsel", "user_filters", "filtro51");
    store.DeleteSetting("tarsel", "user_filters", "filtro99");
    store.Flush();
    platform::qt::QtSettingsStore again(dir.Path().string());
    EXPECT_EQ(again.GetSetting("tarsel", "filtros", "filtro01"), "");
    EXPECT_FALSE(again.Exists("tarsel", "filtros", "filtro01"));
    EXPECT_FALSE(again.Exists("tarsel", "user_filters", "filtro51"));
    EXPECT_EQ(again.GetSetting("tarsel", "user_filters", "filtro51"), "");
    EXPECT_EQ(again.GetSetting("tarsel", "user_filters", "filtro52"), "b");
}

}  // namespace
