#include "app/calc_coordenadas.h"

#include "common/numbers.h"

CalcCoordenadas::CalcCoordenadas(Context& ctx)
    : platform::Form("CalcCoordenadas", "Calculo de Coordenadas"),
      Label1(Add<platform::Label>("Label1", "Coordenada X")),
      X(Add<platform::TextBox>("X")),
      Label2(Add<platform::Label>("Label2", "Coordenada X")),
      Y(Add<platform::TextBox>("Y")),
      Label3(Add<platform::Label>("Label3", "Azimut")),
      Azimut(Add<platform::TextBox>("Azimut")),
      Label4(Add<platform::Label>("Label4", "Radio")),
      Radio(Add<platform::TextBox>("Radio")),
      Label5(Add<platform::Label>("Label5", "Parametro")),
      Parametro(Add<platform::TextBox>("Parametro")),
      Label6(Add<platform::Label>("Label6", "Longitud")),
      Longitud(Add<platform::TextBox>("Longitud")),
      Calcular(Add<platform::CommandButton>("Calcular", "CALCULAR")),
      ctx_(ctx) {
    Width = 360;
    Height = 420;
    Calcular.Click = [this] { Calcular_Click(); };
}

void CalcCoordenadas::Form_Load() { Centre(ctx_.desktop.ScreenWidth(), ctx_.desktop.ScreenHeight()); }

void CalcCoordenadas::Calcular_Click() {}
