#pragma once
// What a design reader consults in the office-to-field window while it runs. The
// window implements it; tests give a double, so a reader runs without the window.
// A reader that needs more of the window adds it here, never by including the window.

#include <optional>
#include <string>

namespace design_readers {

class WindowServices {
public:
    virtual ~WindowServices() = default;

    // The kind "Sección tipo" is selected: a vertical-alignment reader then only
    // fills the array it is given and writes nothing.
    virtual bool SeccionTipo() const = 0;
    // The text of Combo1: the source program and its variant ("Clip Ferrocarril").
    virtual std::string Programa() const = 0;
    // Shows a progress text in the help line Text1 and lets the window repaint
    // (repaint only: no click can start a second request meanwhile).
    virtual void Progreso(const std::string& text) = 0;
    // The plain text of an RTF file as the window's rich-text control gives it
    // back. Throws ConversionError when the file cannot be loaded.
    virtual std::string TextoRTF(const std::string& path) = 0;
    // Asks for an output name in the window's save dialog (the title and the name
    // proposed); nothing when the user cancels.
    virtual std::optional<std::string> GuardarComo(const std::string& title,
                                                   const std::string& suggested) = 0;
    // Asks for the output name of one axis in the window's save dialog, which
    // proposes `suggested` with a default extension and a filter; nothing when the
    // user cancels. A window without those settings asks as GuardarComo does.
    virtual std::optional<std::string> GuardarEje(const std::string& suggested, const std::string& defaultExt,
                                                  const std::string& filter) {
        (void)defaultExt;
        (void)filter;
        return GuardarComo("Guardar como", suggested);
    }
    // The layer typed in Text_Layer.
    virtual std::string Capa() const = 0;
};

}  // namespace design_readers
