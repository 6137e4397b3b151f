#pragma once
// The two small dialogs of the SierraSoft readers. Each answers through its return
// value: what the user accepted, or nothing when the dialog was left otherwise.
//
//   Form_Alzados        "Listado de ficheros de alzado": the axis whose vertical
//                       alignment a Corvana section run takes
//   Form_Offset_Alzado  "Desplazamiento del eje en Alzado": the transversal offset
//                       of an axis for its superelevation file

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/context.h"
#include "platform/control.h"
#include "platform/form.h"

namespace design_readers {

class Form_Alzados : public platform::Form {
public:
    explicit Form_Alzados(Context& ctx);

    platform::Frame& Frame1;
    platform::ListBox& List;
    platform::CommandButton& Command_Aceptar;
    platform::CommandButton& Command_Cancelar;

    void Form_Load() override;
    void Command_Aceptar_Click();
    void Command_Cancelar_Click();

    // After a button: the List position chosen (0-based, -1 for none or after
    // "Cancelar"); nothing when the window was closed otherwise.
    std::optional<int> Respuesta() const { return respuesta_; }

private:
    Context& ctx_;
    std::optional<int> respuesta_;
};

class Form_Offset_Alzado : public platform::Form {
public:
    explicit Form_Offset_Alzado(Context& ctx);

    platform::Label& Label1;
    platform::Label& Label2;
    platform::Label& Label3;
    platform::Label& Label_Eje_Seleccionado;
    platform::Label& Label4;
    platform::TextBox& Text1;
    platform::Label& Label5;
    platform::CommandButton& Command_Aceptar;

    // The axis the dialog asks about; set before it is shown.
    std::string Eje;

    void Form_Load() override;
    void Command_Aceptar_Click();

    // The offset accepted; nothing while the dialog has not been accepted.
    std::optional<double> Respuesta() const { return respuesta_; }

private:
    Context& ctx_;
    std::optional<double> respuesta_;
};

// Shows the axis names in Form_Alzados; the position of the axis chosen, or nothing
// when the user cancelled, chose none or closed the dialog.
std::optional<std::size_t> ElegirEjeAlzado(Context& ctx, const std::vector<std::string>& ejes);

// Asks the offset of an axis in Form_Offset_Alzado; the offset (also kept in
// OffsetAlzado), or nothing when the dialog was closed without "Aceptar".
std::optional<double> PedirOffsetAlzado(Context& ctx, const std::string& eje);

}  // namespace design_readers
