// User filters: the definition text, its place in the settings store, the editor
// that writes it, and the lines a filter lays out. Expected texts are worked out by
// hand from the definition layout and the column rules.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "app/state.h"
#include "common/errors.h"
#include "field_to_office/ba_fixture.h"
#include "field_to_office/binary_bytes.h"
#include "field_to_office/fil_form.h"
#include "field_to_office/user_filter.h"
#include "field_to_office/user_filter_converters.h"
#include "field_to_office/user_filter_lines.h"
#include "field_to_office/user_filter_store.h"
#include "support/files.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

OpcionesDefinicion Campos(std::vector<int> campos, Separador separador) {
    OpcionesDefinicion o;
    o.campos = std::move(campos);
    o.separador = separador;
    return o;
}

// Every separator kind: the boxes, the stored text, and what stands between columns.
TEST(UserFilterDefinition, EncodesAndDecodesEverySeparator) {
    struct Case {
        Separador separador;
        const char* count;
        const char* otro;
        const char* stored;
        const char* between;
    };
    const Case cases[] = {
        {Separador::Tabulador, "", "", "4,T000$&", "   "},
        {Separador::PuntoYComa, "", "", "4,PC00$&", ";"},
        {Separador::Coma, "", "", "4,C000$&", ","},
        {Separador::Espacio, " 12 ", "", "4,E012$&", "            "},
        {Separador::Espacio, "", "", "4,E000$&", ""},
        {Separador::Espacio, "5", "", "4,E005$&", "     "},
        {Separador::Otro, "", "|", "4,O  |$&", "|"},
        {Separador::Otro, "", ", ", "4,O \x7f~$&", ", "},
        {Separador::Otro, "", "~", "4,O  ~$&", " "},
        {Separador::Otro, "", "", "4,O   $&", ""},
        {Separador::Otro, "", " ab", "4,O~ab$&", " ab"},
        {Separador::Otro, "", "abcd", "4,Oabc$&", "abc"},
        {Separador::Justificado, "", "", "4,J000$&", ""},
    };
    for (const Case& c : cases) {
        OpcionesDefinicion o = Campos({4}, c.separador);
        o.espacios = c.count;
        o.otro = c.otro;
        EXPECT_EQ(BuildDefinition(o), c.stored) << c.stored;
        const auto decoded = DecodeDefinition(c.stored);
        ASSERT_TRUE(decoded) << c.stored;
        EXPECT_EQ(decoded->SeparadorTexto(), c.between) << c.stored;
        EXPECT_EQ(decoded->Justificado(), c.separador == Separador::Justificado) << c.stored;
    }

    OpcionesDefinicion full = Campos({4, 17, 18, 19, 12}, Separador::PuntoYComa);
    full.encabezamiento = true;
    EXPECT_EQ(BuildDefinition(full), "4,17,18,19,12,PC00*&");
    full.comentarios = true;
    const auto decoded = DecodeDefinition(BuildDefinition(full));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->campos, (std::vector<int>{4, 17, 18, 19, 12}));
    EXPECT_TRUE(decoded->encabezamiento);
    EXPECT_TRUE(decoded->comentarios);
    // A letter the editor never writes lays out right-justified.
    EXPECT_TRUE(DecodeDefinition("4,X000$&")->Justificado());
}

TEST(UserFilterDefinition, RefusesWhatCannotBeRead) {
    for (const char* stored : {"", "4,T000", "T000$&", "4T000$&", "4,17", "a,T000$&", "27,T000$&", "4;T000$&",
                               "4,,T000$&", "4,5T000$&", "1234,T000$&", "\xc3\x91,T000$&"}) {
        EXPECT_FALSE(DecodeDefinition(stored)) << stored;
    }
    EXPECT_TRUE(DecodeDefinition(" 4,26,T000$&"));
    for (const char* count : {"1a", "1,", "1234", "-1"}) EXPECT_FALSE(EspaciosValidos(count)) << count;
    for (const char* count : {"", " 12 ", "999"}) EXPECT_TRUE(EspaciosValidos(count)) << count;
}

// Columns are cut to 20 characters and trimmed; right-justified ones are 21 wide.
TEST(UserFilterLines, HeaderAndColumns) {
    TempDir dir;
    const std::string file = dir.File("out.txt");
    {
        BufferedOutput out(file);
        UserLayout justified = UserLayout::From(*DecodeDefinition("4,21,24,J000*!"));
        WritePreamble(justified, std::string("Obra Año"), out);
        UserLineBuilder lines(justified);
        lines.Write(
            [](int item, std::string& text) {
                text = item == 4 ? "  abcdefghijklmnopqrstuvwxy" : item == 21 ? " 1.25" : "0.000";
            },
            out);
        UserLayout separated = UserLayout::From(*DecodeDefinition("4,21,PC00*&"));
        WritePreamble(separated, std::nullopt, out);
        UserLineBuilder semicolons(separated);
        semicolons.Write([](int item, std::string& text) { text = item == 4 ? "P1        " : ""; }, out);
        out.Commit();
    }
    EXPECT_EQ(ReadBytes(file),
              "Obra A\xF1o\r\n\r\n"
              "      N\xFAmero de punto             Desnivel Distancia Secci\xF3n T\xFAnel\r\n\r\n"
              "   abcdefghijklmnopqr                 1.25                0.000\r\n"
              " N\xFAmero de punto; Desnivel;\r\n\r\n"
              "P1;\r\n");
}

// The store: 49 filters at most, deletion moves the later ones down.
class UserFilterStore : public ba_test::BaFormTest {
protected:
    void Fill(int n) {
        for (int k = 1; k <= n; ++k) StoreUserFilter(ctx, k, "F" + std::to_string(k), std::to_string(k) + ",T000$&");
    }
};

TEST_F(UserFilterStore, DeleteFirstMiddleAndLastOf49) {
    for (int gone : {1, 25, 49}) {
        Fill(49);
        EXPECT_FALSE(FreeUserFilter(ctx));
        DeleteUserFilter(ctx, gone, 49);
        for (int k = 1; k <= 48; ++k) {
            const int was = k < gone ? k : k + 1;
            EXPECT_EQ(ctx.GetSetting("filtros", FilterKey(50 + k)), "F" + std::to_string(was)) << gone << " " << k;
            EXPECT_EQ(UserFilterDefinition(ctx, k), std::to_string(was) + ",T000$&");
        }
        EXPECT_EQ(ctx.GetSetting("filtros", "filtro99"), "");
        EXPECT_TRUE(store.Exists(platform::kApp, "user_filters", "filtro99"));
        EXPECT_EQ(UserFilterDefinition(ctx, 49), "");
        EXPECT_EQ(FreeUserFilter(ctx), 49);
        EXPECT_EQ(FindUserFilter(ctx, "F" + std::to_string(gone)), std::nullopt);
    }
}

// The editor over a field-to-office window.
class FilterEditor : public UserFilterStore {
protected:
    FilterEditor() {
        desktop.Forms().Register("fil_form", [this] { return std::make_unique<fil_form>(ctx); });
        RegisterStub("ayuda_filtro", nullptr);
    }
    fil_form& Editor() { return desktop.Forms().Get<fil_form>("fil_form"); }
    void Then(std::function<void()> action) { desktop.QueueAction(std::move(action)); }
};

// Opening a stored filter and pressing "&Modificar" without a change stores the
// same bytes again, whatever the separator.
TEST_F(FilterEditor, ModifyWithoutChangesKeepsEveryByte) {
    for (const char* stored : {"4,17,T000$&", "4,PC00*&", "0,4,C000$!", "4,26,E012*!", "4,E000$&", "4,E005$&",
                               "4,O  |$&", "4,O \x7f~*&", "4,O  ~$&", "4,O   $&", "4,Oa~b$&", "4,22,J000*!"}) {
        StoreUserFilter(ctx, 1, "Mio", stored);
        Open(0);
        SelectFilter("Mio");
        Then([this] {
            EXPECT_EQ(Editor().Command1.Caption(), "&Modificar");
            desktop.AnswerBox(6);
            Editor().Command1.UserClick();
        });
        form->Command1.UserClick();
        EXPECT_EQ(UserFilterDefinition(ctx, 1), stored);
        EXPECT_EQ(desktop.Boxes().back().text, "El filtro ya existe ¿Quiere reemplazarlo?");
        EXPECT_EQ(desktop.Boxes().back().style, 324);
        EXPECT_EQ(desktop.Boxes().back().title, "¡AVISO!");
        EXPECT_EQ(state.NumFiltrosUsuario, 1);
        desktop.ClearTranscript();
    }
}

// Every refusal leaves the store as it was and the editor open.
TEST_F(FilterEditor, RefusalsLeaveTheStoreUntouched) {
    Fill(49);
    Open(0);
    struct Case {
        std::function<void(fil_form&)> fill;
        const char* text;
    };
    const auto field = [](fil_form& e) {
        e.List1.UserSelectText("Coordenada X");
        e.cmdAdd.UserClick();
    };
    const Case cases[] = {
        {[&](fil_form& e) { field(e); }, "Introducir el nombre del filtro"},
        {[&](fil_form& e) { field(e), e.Text1.UserType("Topcal"); }, "No se puede usar el nombre de un filtro estándar"},
        {[&](fil_form& e) { e.Text1.UserType("Nuevo"); }, "Seleccionar los datos del filtro"},
        {[&](fil_form& e) { field(e), e.Text1.UserType("Nuevo"), e.Check6.UserClick(), e.Text3.UserType("1,"); },
         "El número de espacios tiene que ser un número entero de 0 a 999"},
        {[&](fil_form& e) { field(e), e.Text1.UserType("Nuevo"); },
         "¡Ya existen 49 filtros de usuario! Borrar un filtro antes de crear otro nuevo"},
    };
    for (const Case& c : cases) {
        const int writes = store.WriteCount();
        desktop.ClearTranscript();
        Then([&] {
            c.fill(Editor());
            Editor().Command1.UserClick();
            EXPECT_TRUE(Editor().Loaded());
            Editor().Command2.UserClick();
        });
        form->Command5.UserClick();
        ASSERT_EQ(desktop.Boxes().size(), 1u) << c.text;
        EXPECT_EQ(desktop.Boxes()[0].text, c.text);
        EXPECT_EQ(desktop.Boxes()[0].title, "¡Aviso!");
        EXPECT_EQ(store.WriteCount(), writes) << c.text;
    }
    // No to the replace question stores nothing; pressing again builds afresh.
    desktop.ClearTranscript();
    const int writes = store.WriteCount();
    Then([&] {
        fil_form& e = Editor();
        e.List1.UserSelectText("Número de punto");
        e.cmdAdd.UserClick();
        e.Text1.UserType("F3");
        desktop.AnswerBox(7);
        e.Command1.UserClick();
        EXPECT_EQ(store.WriteCount(), writes);
        desktop.AnswerBox(6);
        e.Command1.UserClick();
    });
    form->Command5.UserClick();
    EXPECT_EQ(UserFilterDefinition(ctx, 3), "4,T000$&");
    EXPECT_EQ(state.NombreFiltro, "F3");
    EXPECT_EQ(state.ModoFiltro, 0);
}

// One binary record through every field, with a trailing part of a record.
TEST(UserFilterConverters, BinaryRecordThroughEveryField) {
    TempDir dir;
    binary_test::Observation o;
    o.estacion = binary_test::Text("E1");
    o.xe = 1000.0004;
    o.ye = 2000.0625;
    o.ze = 100.25;
    o.punto = binary_test::Text("P1");
    o.hz = 0.5;
    o.v = 1.570796326795;  // 100 gon
    o.dist = 10;
    o.ai = 1.5554;
    o.ap = 0.5;
    o.constante = -30;
    o.ppm = 12;
    o.codigos[0] = binary_test::Text("TREE");
    o.codigos[1] = binary_test::Text("0");
    o.codigos[2] = std::string("A\0B", 3) + std::string(7, '\0');
    o.codigos[3] = binary_test::Text("");
    o.codigos[4] = binary_test::Text("", ' ');
    o.x = 1000.123;
    o.y = 2000.456;
    o.z = 101.5;
    const std::string bytes = o.Bytes();
    WriteBytes(dir.File("obs.fic"), bytes + bytes.substr(0, 100));

    UserFilterRequest request;
    request.entrada = dir.File("obs.fic");
    request.salida = dir.File("out.txt");
    request.filtro = "Todo";
    request.definicion = "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,C000$&";
    State state;
    std::int32_t vertices = 0;
    ConvertBinaryUser(request, [] { return std::optional<std::string>(); }, state, vertices);
    EXPECT_EQ(ReadBytes(request.salida),
              "E1,1000,2000.063,100.25,P1,31.831,100,10,1.555,.5,-30,12,TREE,,A B,,,1000.123,2000.456,101.5,10,"
              "1.25,0.000,0.000,0.000,,\r\n");

    // Comment and header asked for, the comment dialog closed: no comment line.
    request.definicion = "4,21,J000*!";
    int asked = 0;
    ConvertBinaryUser(request, [&asked] { ++asked; return std::optional<std::string>(); }, state, vertices);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(ReadBytes(request.salida), "      N\xFAmero de punto             Desnivel\r\n\r\n" +
                                             std::string(19, ' ') + "P1" + std::string(17, ' ') + "1.25\r\n");

    // Nothing stored, or a definition that cannot be read: refused, the old output kept.
    for (const char* stored : {"", "4,T0"}) {
        request.definicion = stored;
        EXPECT_THROW(ConvertBinaryUser(request, {}, state, vertices), ConversionError) << stored;
        EXPECT_EQ(ReadBytes(request.salida).substr(0, 6), "      ");
    }
}

// KTW lines: a station set-up, a code block, a line that starts with a blank, a
// line without a point name, an empty line.
const char* const kKTW =
    "11...0+0000ST01 84...0+01000000 85...0+02000500 86...0+00100250 88...0+00001550 \r\n"
    "41...0+0000TREE \r\n"
    "11...0+000000P1 21...2+12345678 22...2+09876543 31...0+00012345 87...0+00001300 81...0+01000123 "
    "82...0+02000456 83...0-00001234 77...0+00012345 \r\n"
    " 11...0+000000XX \r\n"
    "87...0+00002000 \r\n"
    "\r\n";

TEST(UserFilterConverters, KTWLinesThroughFiltersAndFixedLayouts) {
    TempDir dir;
    WriteBytes(dir.File("obs.ktw"), kKTW);
    UserFilterRequest request;
    request.entrada = dir.File("obs.ktw");
    request.salida = dir.File("out.txt");
    request.filtro = "Mio";
    request.formatoCampo = 1;
    State state;
    std::int32_t vertices = 0;
    const auto comment = [] { return std::optional<std::string>("Obra 1"); };
    struct Case {
        const char* definicion;
        std::int16_t formato;
        bool puntos, bases;
        std::string expected;
    };
    const std::string pad17(17, ' ');
    const Case cases[] = {
        // No station column: the station line writes nothing. Code 2 "0" is empty.
        {"4,17,19,22,13,0,25,10,11,PC00*!", 1, false, false,
         "Obra 1\r\n\r\n N\xFAmero de punto; Coordenada X; Coordenada Z; Pk; C\xF3" "digo 2; N\xFAmero de "
         "estaci\xF3n; Fecha; Constante prisma; ppm;\r\n\r\nP1;1000.123;-1.234;12.345;;ST01;;0;0\r\n"},
        // A station column: the station line too.
        {"4,1,7,J000$&", 1, false, false,
         pad17 + "ST01" + pad17 + "1000" + std::string(20, ' ') + "0\r\n" + std::string(19, ' ') + "P1" + pad17 +
             "1000" + std::string(15, ' ') + "12.345\r\n"},
        {"4,5,E003$&", 1, false, false, "P1   123.4567\r\n"},
        {"4,6,O \x7f~$&", 1, false, false, "P1, 98.7654\r\n"},
        // Points and bases files of format 2: the fixed layouts, whatever the filter.
        {"", 2, true, false,
         std::string(19, ' ') + "P1" + std::string(13, ' ') + "1000.123" + std::string(13, ' ') + "2000.456" +
             std::string(15, ' ') + "-1.234" + pad17 + "TREE\r\n"},
        {"", 2, false, true,
         pad17 + "ST01" + pad17 + "1000" + std::string(15, ' ') + "2000.5" + std::string(15, ' ') + "100.25" +
             std::string(20, ' ') + "0\r\n"},
    };
    for (const Case& c : cases) {
        request.definicion = c.definicion;
        request.formatoCampo = c.formato;
        request.puntos = c.puntos;
        request.bases = c.bases;
        ConvertKTWUser(request, comment, state, vertices);
        EXPECT_EQ(ReadBytes(request.salida), c.expected) << c.definicion;
    }

    // Topcal and Brennsoft of KTW data: the reflector height before the instrument's.
    request.formatoCampo = 1;
    request.puntos = request.bases = false;
    request.filtro = "Topcal";
    ConvertKTWUser(request, comment, state, vertices);
    EXPECT_EQ(ReadBytes(request.salida), "0                ST01       0.0000 0.0000 0.000 0.000 1.550\r\n"
                                         "TREE             P1         123.4567 98.7654 12.345 1.300 0.000\r\n");
    request.filtro = "Brennsoft";
    ConvertKTWUser(request, comment, state, vertices);
    EXPECT_EQ(ReadBytes(request.salida), "ST01       , 0.000 , 0.000 , 0.000 , 0                \r\n"
                                         "P1         , 1000.123 , 2000.456 , -1.234 , TREE             \r\n");

    // A file without one observation writes nothing.
    WriteBytes(request.entrada, "87...0+00002000 \r\n 11...0+000000XX \r\n");
    request.filtro = "Mio";
    request.definicion = "4,T000$&";
    EXPECT_THROW(ConvertKTWUser(request, comment, state, vertices), ConversionError);
}

// The number mask of these Topcal and Brennsoft lines comes from the last of the
// words 58, 59, 76 to 78 and 81 to 86: the unit digits of the distances and
// heights (31, 87, 88) divide their values but leave the mask alone.
TEST(UserFilterConverters, KTWTopcalAndBrennsoftMask) {
    TempDir dir;
    UserFilterRequest request;
    request.entrada = dir.File("obs.ktw");
    request.salida = dir.File("out.txt");
    request.formatoCampo = 1;
    State state;
    std::int32_t vertices = 0;
    const std::string alturas = "11...0+000000P1 81...0+00001000 31...8+00123456 87...8+00150000 88...8+00160000 ";
    struct Case {
        const char* filtro;
        std::string line;
        const char* expected;
    };
    const Case cases[] = {
        {"Topcal", alturas, "0                P1         0.0000 0.0000 1.235 1.500 1.600"},
        // None of those words yet: the unit digit of the last distance or height.
        {"Topcal", "11...0+000000P1 31...6+00015000 87...0+00001500 ",
         "0                P1         0.0000 0.0000 1.500 1.500 0.000"},
        {"Topcal", alturas + "58...8+00000012 ", "0                P1         0.0000 0.0000 1.23456 1.50000 1.60000"},
        {"Brennsoft", "11...0+000000P1 81...8-99999999 82...8+00000001 83...0-00000000 58...8+00000012 ",
         "P1         , -999.99999 , 0.00001 , 0.00000 , 0                "},
        // 59 with 6 sets four decimals; an unknown digit on 86 keeps them.
        {"Brennsoft", "11...0+000000P1 81...0+00012345 59...6+00000000 86...2+00000000 ",
         "P1         , 12.3450 , 0.0000 , 0.0000 , 0                "},
    };
    for (const Case& c : cases) {
        WriteBytes(request.entrada, c.line + "\r\n");
        request.filtro = c.filtro;
        ConvertKTWUser(request, {}, state, vertices);
        EXPECT_EQ(ReadBytes(request.salida), std::string(c.expected) + "\r\n") << c.line;
    }
}

}  // namespace
