// Where a name is split into its folder and its own name: at "/", and on Windows at
// "\" as well (its own separator; its file dialogs may give either).

#include <gtest/gtest.h>

#include <string>

#include "common/file_names.h"
#include "design_readers/sdr.h"
#include "field_writers/tunelix_header.h"

namespace {

struct Split {
    const char* name;
    const char* folder;         // FolderOf
    const char* windowsFolder;  // FolderOf on Windows
    const char* tunelix;        // the name in a Tunelix header
    const char* windowsTunelix;
    const char* sdr;            // the SDR alzado beside a Tunelix-format output
    const char* windowsSdr;
};

TEST(FileNames, FoldersEndAtTheSeparatorsOfTheSystem) {
    const Split cases[] = {
        {"/obras/eje.ktw", "/obras/", "/obras/", "EJE", "EJE", "/obras/eje_ALZ.ktw", "/obras/eje_ALZ.ktw"},
        {"C:/Obras/Año/eje.ktw", "C:/Obras/Año/", "C:/Obras/Año/", "EJE", "EJE", "C:/Obras/Año/eje_ALZ.ktw",
         "C:/Obras/Año/eje_ALZ.ktw"},
        {"C:\\Obra.1\\eje", "", "C:\\Obra.1\\", "C:\\OBRA", "EJE", "C:\\Obra_ALZ.1\\eje", "C:\\Obra.1\\eje_ALZ"},
        {"C:\\Ñu/b\\eje.ktw", "C:\\Ñu/", "C:\\Ñu/b\\", "B\\EJE", "EJE", "C:\\Ñu/b\\eje_ALZ.ktw",
         "C:\\Ñu/b\\eje_ALZ.ktw"},
        {"eje.ktw", "", "", "EJE", "EJE", "eje_ALZ.ktw", "eje_ALZ.ktw"},
    };
    for (const Split& c : cases) {
        SCOPED_TRACE(c.name);
#ifdef _WIN32
        EXPECT_EQ(FolderOf(c.name), c.windowsFolder);
        EXPECT_EQ(field_writers::TunelixName(c.name), c.windowsTunelix);
        EXPECT_EQ(design_readers::SegundoFicheroSDR(c.name, 4), c.windowsSdr);
#else
        EXPECT_EQ(FolderOf(c.name), c.folder);
        EXPECT_EQ(field_writers::TunelixName(c.name), c.tunelix);
        EXPECT_EQ(design_readers::SegundoFicheroSDR(c.name, 4), c.sdr);
#endif
    }
}

}  // namespace
