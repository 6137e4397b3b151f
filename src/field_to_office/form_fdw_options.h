#pragma once
// The dialog "Formato Fichero FieldWork": a FieldWorks file of observations only, or
// of observations and coordinates. "Aceptar" sets OpcionFieldWorks; closing the
// dialog by its close box keeps the value of the previous conversion.

#include "app/context.h"
#include "platform/control.h"
#include "platform/form.h"

class FormFDWOptions : public platform::Form {
public:
    explicit FormFDWOptions(Context& ctx);

    platform::Frame& Frame1;
    platform::OptionButton& OB_Observaciones;
    platform::OptionButton& OB_Coordenadas;
    platform::CommandButton& CB_Aceptar;

    void Form_Load() override;
    void CB_Aceptar_Click();

private:
    Context& ctx_;
};
