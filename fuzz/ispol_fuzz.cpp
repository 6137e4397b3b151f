// A KTW file through the ISPOL field book: the first input byte chooses the base
// rule and its value; the rest is the file.

#include <cstdint>
#include <filesystem>
#include <iterator>

#include "common/errors.h"
#include "field_to_office/entry_ispol.h"
#include "support/fuzz_support.h"

namespace {

const char* const kValores[] = {"BR", "", "br", "Ñ", "30000", "-1", "30000,5", "1e999"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    EntryISPOL::IspolRequest request;
    const unsigned rule = choices.Pick(2 * std::size(kValores));
    request.identBasesNumerico = rule % 2 == 1;
    request.identBasesValor = kValores[rule / 2];
    request.fecha = "07/12/2026";
    request.hora = "10:30:00";
    request.entrada = fuzz::WriteScratch("entrada.ktw", choices.Rest());
    request.salida = fuzz::ScratchFolder() + "libreta.txt";
    try {
        EntryISPOL::WriteFieldBook(request);
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    }
    std::filesystem::remove(request.salida);
    return 0;
}
