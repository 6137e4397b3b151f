#include "app/register_forms.h"

#include <memory>

#include "app/bin_ktw.h"
#include "app/calc_coordenadas.h"
#include "app/help_windows.h"
#include "app/tarsel_pc.h"
#include "design_readers/form_seccion_tipo.h"
#include "design_readers/sierrasoft_dialogs.h"
#include "office_to_field/ab_form.h"
#include "office_to_field/form_dirlist.h"

#include "field_to_office/ba_form.h"
#include "field_to_office/comments_form.h"
#include "field_to_office/fil_form.h"
#include "field_to_office/form_dxf.h"
#include "field_to_office/form_fdw_options.h"
#include "field_to_office/form_observaciones.h"

namespace app {

namespace {

template <class F>
void Register(Context& ctx, const std::string& name) {
    ctx.desktop.Forms().Register(name, [&ctx] { return std::make_unique<F>(ctx); });
}

}  // namespace

std::vector<std::string> FormNames() {
    std::vector<std::string> names = {"TarselPC", "Bin_KTW", "ayuda_ba", "ayuda_filtro", "ayuda_ab",
                                      "CalcCoordenadas", "ab_form", "ba_form", "Form_DXF", "FormFDWOptions",
                                      "Form_Observaciones", "fil_form", "Comments", "Form_DirList",
                                      "Form_Seccion_Tipo", "frmClipOptions", "Form_Alzados", "Form_Offset_Alzado"};
    return names;
}

void RegisterForms(Context& ctx) {
    Register<TarselPC>(ctx, "TarselPC");
    Register<Bin_KTW>(ctx, "Bin_KTW");
    Register<ayuda_ba>(ctx, "ayuda_ba");
    Register<ayuda_filtro>(ctx, "ayuda_filtro");
    Register<ayuda_ab>(ctx, "ayuda_ab");
    Register<CalcCoordenadas>(ctx, "CalcCoordenadas");
    Register<ab_form>(ctx, "ab_form");
    Register<ba_form>(ctx, "ba_form");
    Register<Form_DXF>(ctx, "Form_DXF");
    Register<FormFDWOptions>(ctx, "FormFDWOptions");
    Register<Form_Observaciones>(ctx, "Form_Observaciones");
    Register<fil_form>(ctx, "fil_form");
    Register<Comments>(ctx, "Comments");
    Register<Form_DirList>(ctx, "Form_DirList");
    Register<design_readers::Form_Seccion_Tipo>(ctx, "Form_Seccion_Tipo");
    Register<design_readers::frmClipOptions>(ctx, "frmClipOptions");
    Register<design_readers::Form_Alzados>(ctx, "Form_Alzados");
    Register<design_readers::Form_Offset_Alzado>(ctx, "Form_Offset_Alzado");
}

void Start(Context& ctx) {
    platform::Form& startup = ctx.desktop.Forms().Get("TarselPC");
    ctx.desktop.Show(startup);
}

}  // namespace app
