#include "field_to_office/converters.h"

#include "field_to_office/ba_form.h"
#include "field_to_office/binary_converters.h"
#include "field_to_office/entry_ispol.h"
#include "field_to_office/ktw_tarsel_taqui.h"
#include "field_to_office/profile_converters.h"
#include "field_to_office/user_filter_converters.h"

void InstallConverters(ba_form& form) {
    // One line per built converter, e.g.
    //   form.SetConverter(Converter::KTW_Tarsel_Taqui, KTW_Tarsel_Taqui);
    form.SetConverter(Converter::KTW_Tarsel_Taqui, KTW_Tarsel_Taqui);
    form.SetConverter(Converter::B_A_Taqui, B_A_Taqui);
    form.SetConverter(Converter::B_A_Taqui_Istram, B_A_Taqui_Istram);
    form.SetConverter(Converter::B_A_Analysis, B_A_Analysis);
    form.SetConverter(Converter::B_A_Bases_Puntos, B_A_Bases_Puntos);
    form.SetConverter(Converter::B_A_Perfiles, B_A_Perfiles);
    form.SetConverter(Converter::KTW_A_Perfiles, KTW_A_Perfiles);
    form.SetConverter(Converter::Multi_Piste_Perfiles, Multi_Piste_Perfiles);
    form.SetConverter(Converter::KTW_A_Ispol, KTW_A_Ispol);
    form.SetConverter(Converter::B_A_Taqui_User, B_A_Taqui_User);
    form.SetConverter(Converter::KTW_A_Taqui_User, KTW_A_Taqui_User);
    (void)form;
}
