#pragma once
// A design reader's run in a test: the scripted desktop, a fresh state, the window
// stand-in and a work folder; and field-by-field checks of the elements it wrote.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/context.h"
#include "common/records.h"
#include "design_readers/reader_shape.h"
#include "platform/scripted_desktop.h"
#include "platform/settings_store.h"
#include "support/files.h"
#include "support/window_double.h"

namespace testing_support {

class ReaderRun : public ::testing::Test {
protected:
    platform::ScriptedDesktop desktop;
    platform::MemorySettingsStore store;
    State state;
    Context ctx{desktop, store, state};
    WindowDouble window;
    TempDir dir;

    // The input as given, the output in the work folder; the names the boxes show.
    design_readers::Ficheros Files(const std::string& input, const std::string& output,
                                   const std::string& nombreEntrada = "C:\\OBRA\\EJE.TXT",
                                   const std::string& nombreSalida = "C:\\OBRA\\EJE.PLA") {
        return {input, dir.File(output), nombreEntrada, nombreSalida, ""};
    }
};

inline std::string TestData(const std::string& name) {
    return std::string(TARSEL_TEST_DATA) + "/design_readers/data/" + name;
}

inline void ExpectPlanta(const std::vector<TPlanta>& got, const std::vector<TPlanta>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].N, want[i].N);
        EXPECT_DOUBLE_EQ(got[i].PK, want[i].PK);
        EXPECT_DOUBLE_EQ(got[i].X, want[i].X);
        EXPECT_DOUBLE_EQ(got[i].Y, want[i].Y);
        EXPECT_DOUBLE_EQ(got[i].Acimut, want[i].Acimut);
        EXPECT_DOUBLE_EQ(got[i].Radio, want[i].Radio);
        EXPECT_DOUBLE_EQ(got[i].Parametro, want[i].Parametro);
        EXPECT_DOUBLE_EQ(got[i].Longitud, want[i].Longitud);
    }
}

// Grades and Kv that the reader computes are compared within `tolerancia`.
inline void ExpectAlzado(const std::vector<TAlzado>& got, const std::vector<TAlzado>& want, double tolerancia = 0) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].N, want[i].N);
        EXPECT_DOUBLE_EQ(got[i].PK, want[i].PK);
        EXPECT_DOUBLE_EQ(got[i].Z, want[i].Z);
        EXPECT_NEAR(got[i].Pendiente, want[i].Pendiente, tolerancia + 1e-15);
        EXPECT_NEAR(got[i].Kv, want[i].Kv, tolerancia * 1e6);
        EXPECT_DOUBLE_EQ(got[i].Longitud, want[i].Longitud);
    }
}

}  // namespace testing_support
