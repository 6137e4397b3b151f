#include "app/calc_coordenadas.h"

#include "common/gm_base.h"
#include "common/gm_clothoid.h"
#include "common/gm_plane.h"
#include "common/numbers.h"
#include "common/records.h"

CalcCoordenadas::CalcCoordenadas(Context& ctx)
    : platform::Form("CalcCoordenadas", "Calculo de Coordenadas"),
      Label1(Add<platform::Label>("Label1", "Coordenada X")),
      X(Add<platform::TextBox>("X")),
      Label2(Add<platform::Label>("Label2", "Coordenada Y")),
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

void CalcCoordenadas::Calcular_Click() {
    // The window's own value of pi, for grads to radians and back.
    constexpr double kPiVentana = 3.14159265359;
    TPlanta element;
    element.X = Num::Val(X.Text());
    element.Y = Num::Val(Y.Text());
    element.Acimut = Num::Val(Azimut.Text()) * kPiVentana / 200;
    element.Radio = Num::Val(Radio.Text());
    element.Parametro = Num::Val(Parametro.Text());
    double length = Num::Val(Longitud.Text());
    element.Longitud = length;

    GM::TPuntoEje point;
    try {
        if (element.Radio == 0) {
            point = GM::Punto_En_Recta(length, element);
        } else if (element.Parametro == 0) {
            point = GM::Punto_En_Curva(length, element);
        } else {
            point = GM::Punto_En_Espiral(length, element);
        }
    } catch (const std::exception& error) {
        ctx_.desktop.MsgBox(std::string("No se puede calcular el punto: ") + error.what(), platform::mb::Critical,
                            "Calculo de Coordenadas");
        return;
    }
    const char sep = ctx_.desktop.DecimalSeparator();
    X.SetText(Num::Format(point.X, "0.000", sep));
    Y.SetText(Num::Format(point.Y, "0.000", sep));
    Azimut.SetText(Num::Format(point.Acimut * 200 / kPiVentana, "0.0000", sep));
}
