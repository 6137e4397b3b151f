#pragma once
// The coordinate window: a point and its tangent azimuth at a length along one
// alignment element given by its start point, azimuth, radius and clothoid parameter.

#include "app/context.h"
#include "platform/form.h"

class CalcCoordenadas : public platform::Form {
public:
    explicit CalcCoordenadas(Context& ctx);

    platform::Label& Label1;
    platform::TextBox& X;
    platform::Label& Label2;
    platform::TextBox& Y;
    platform::Label& Label3;
    platform::TextBox& Azimut;
    platform::Label& Label4;
    platform::TextBox& Radio;
    platform::Label& Label5;
    platform::TextBox& Parametro;
    platform::Label& Label6;
    platform::TextBox& Longitud;
    platform::CommandButton& Calcular;

    void Form_Load() override;
    void Calcular_Click();

private:
    Context& ctx_;
};
