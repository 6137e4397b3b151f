// Files named in UTF-8, "Ñ" and accents included, reached under exactly those names.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/files.h"
#include "support/files.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

TEST(Files, AccentedNamesAreWrittenFoundRenamedAndRemovedUnderThoseNames) {
    TempDir dir;
    std::filesystem::create_directory(platform::PathOf(dir.File("Año")));
    const std::string nombre = dir.File("Año/Obra_Ñandú.ktw");
    const std::string otro = dir.File("Año/Salida_Ñ.txt");
    std::FILE* file = platform::OpenFile(nombre, "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("12345", file);
    std::fclose(file);
    // The folder lists the name as it was given, not as some code page spells it.
    std::vector<std::string> listed;
    for (const auto& entry : std::filesystem::directory_iterator(platform::PathOf(dir.File("Año")))) {
        listed.push_back(platform::NameOf(entry.path().filename()));
    }
    EXPECT_EQ(listed, std::vector<std::string>{"Obra_Ñandú.ktw"});
    EXPECT_TRUE(platform::IsFolder(dir.File("Año")));
    EXPECT_EQ(platform::FileSize(nombre), 5u);
    EXPECT_EQ(platform::ReadFile(nombre), "12345");

    WriteBytes(otro, "anterior");
    EXPECT_TRUE(platform::RenameFile(nombre, otro));  // over the old one
    EXPECT_FALSE(platform::FileExists(nombre));
    EXPECT_EQ(ReadBytes(otro), "12345");
    EXPECT_TRUE(platform::SameFileOnDisk(otro, dir.File("Año/../Año/Salida_Ñ.txt")));
    EXPECT_FALSE(platform::SameFileOnDisk(otro, nombre));
    EXPECT_TRUE(platform::RemoveFile(otro));
    EXPECT_FALSE(platform::RemoveFile(otro));
    EXPECT_FALSE(platform::FileSize(otro).has_value());
}

// "x" takes no file that exists, and says so with EEXIST, on every system.
TEST(Files, ExclusiveCreationRefusesAnExistingName) {
    TempDir dir;
    const std::string nombre = dir.File("Señal.~tarsel0");
    std::FILE* first = platform::OpenFile(nombre, "wbx");
    ASSERT_NE(first, nullptr);
    std::fputs("primero", first);
    std::fclose(first);
    errno = 0;
    EXPECT_EQ(platform::OpenFile(nombre, "wbx"), nullptr);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(ReadBytes(nombre), "primero");
}

}  // namespace
