#pragma once
// The typical sections of the Clip programs, in the three forms they export. Every
// reader writes all four layers and shows no layer dialog.
//
// Printed listing: a "P.K." line gives the chainage of a section; within the six
// lines after it a ruler of "=====" runs under the column heads; then one line a
// point, each pair (offset, elevation) going to the layer whose ruler columns it
// stands under:
//
//   rulers 1-3  taludes (T)     rulers 4-6  rasante (R)     rulers 7-8  subrasante (S)
//
// An empty line, a page break or the next "P.K." line ends the section's points.
//
// RTF listing (the plain text of the rich-text control, cells separated by TABs):
// an "Estación" row starts a section and gives its chainage (km+m); a row of
// exactly 11 cells is a point row: cells 1-2 taludes, 5-6 rasante, 9-10
// subrasante, a pair 0, 0 being no point.
//
// "*TRV" file (comma-separated): a header "*TRV" and one line not read; then
// blocks "PK,n" followed by n lines "offset,elevation,code", the code's first letter
// choosing the layer (Codigo_Valido_TRV); a block whose chainage ends in "E" is
// "PK E,n" and its n lines are skipped; "FIN" ends the file.

#include <string>
#include <string_view>

#include "app/context.h"
#include "design_readers/section_shape.h"
#include "design_readers/window_services.h"

namespace EntryClipWindows {

// The parsings: every section of the input, in order.
void LeerSeccionesListado(const std::string& entrada, const design_readers::EscribirSeccion& escribir);
void LeerSeccionesTRV(const std::string& entrada, const design_readers::EscribirSeccion& escribir);
// The RTF listing from its plain text; progress shown in the window as it goes.
void LeerSeccionesRTF(std::string_view texto, design_readers::WindowServices& window,
                      const design_readers::EscribirSeccion& escribir);

// Whether a "*TRV" point code (its first letter) belongs to a group: 0 taludes
// "T", "D", "M"; 1 ditch "C"; 2 subrasante "E", "S"; 3 rasante "P". Exact, one
// character, case-sensitive.
bool Codigo_Valido_TRV(int Grupo, std::string_view Codigo);

// The readers: parsing and the section shape. In a Corvana run the vertical
// alignment is read from ficheros.alzado in Clip form.
bool ClipWin_Seccion_Tipo_Listado(Context& ctx, design_readers::WindowServices& window,
                                  const design_readers::FicherosSeccion& ficheros);
bool ClipWin_Seccion_Tipo_RTF(Context& ctx, design_readers::WindowServices& window,
                              const design_readers::FicherosSeccion& ficheros);
bool ClipWin_Seccion_Tipo_TRV(Context& ctx, design_readers::WindowServices& window,
                              const design_readers::FicherosSeccion& ficheros);

// The reader the input asks for: an RTF listing by its extension (any letter case),
// a "*TRV" file by its first line that holds text, a printed listing otherwise.
bool ClipWin_Seccion_Tipo(Context& ctx, design_readers::WindowServices& window,
                          const design_readers::FicherosSeccion& ficheros);

}  // namespace EntryClipWindows
