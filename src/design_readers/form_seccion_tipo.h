#pragma once
// The two dialogs "Opciones Sección Tipo" that ask which layer the points of a
// typical section are, when the source holds a single layer. Both set the layer
// flags of the state (OpcionTaludes, OpcionSubRasante, OpcionRasante) on "Aceptar";
// closing one from its title bar cancels the request (EstadoDialogo.Number is not 0
// then) and leaves the flags as they were.
//
//   Form_Seccion_Tipo  three option buttons, "Fichero de Subrasante" selected; a
//                      caller may hide "Fichero de Taludes" before showing it
//   frmClipOptions     three check boxes, at most one ticked, "Rasante" ticked at
//                      opening; "Taludes" not shown for Corvana

#include "app/context.h"
#include "platform/control.h"
#include "platform/form.h"

namespace design_readers {

class Form_Seccion_Tipo : public platform::Form {
public:
    explicit Form_Seccion_Tipo(Context& ctx);

    platform::Frame& Frame1;
    platform::OptionButton& Option_Taludes;
    platform::OptionButton& Option_SubRasante;
    platform::OptionButton& Option_Rasante;
    platform::CommandButton& Command_Aceptar;

    void Form_Load() override;
    void Command_Aceptar_Click();

private:
    Context& ctx_;
};

class frmClipOptions : public platform::Form {
public:
    explicit frmClipOptions(Context& ctx);

    platform::Label& Label1;
    platform::CheckBox& Check1;  // Taludes
    platform::CheckBox& Check4;  // Subrasante
    platform::CheckBox& Check3;  // Rasante
    platform::CommandButton& btnAceptar;

    void Form_Load() override;
    void Check1_Click();
    void Check3_Click();
    void Check4_Click();
    void btnAceptar_Click();

private:
    Context& ctx_;
};

// Shows Form_Seccion_Tipo modally (without its taludes option when conTaludes is
// false). False when the user closed it without choosing: the request ends.
bool PedirCapaSeccion(Context& ctx, bool conTaludes = true);

// Shows frmClipOptions modally. False when the user closed it without choosing.
bool PedirCapasClip(Context& ctx);

// The block the flags choose for a single-layer source: "T" for taludes, else "S"
// for subrasante, otherwise "R".
char BloqueElegido(const State& state);

}  // namespace design_readers
