// Text lists of points, bases and excavation sections to their record files: the
// first input byte chooses the record and whether a title line is dropped; the
// rest is the list.

#include <cstdint>
#include <filesystem>

#include "common/errors.h"
#include "office_to_field/a_b_estandar.h"
#include "support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Choices choices(data, size);
    const unsigned choice = choices.Pick(4);
    const std::string in = fuzz::WriteScratch("lista.txt", choices.Rest());
    const std::string out = fuzz::ScratchFolder() + "salida.rec";
    try {
        if (choice < 2) {
            office_to_field::PuntosBasesToRecords(in, out, choice == 1);
        } else {
            office_to_field::SeccionesToRecords(in, out, choice == 3);
        }
    } catch (const ConversionError&) {
        // Refused with a message for the user: a correct answer to bad input.
    }
    std::filesystem::remove(out);
    return 0;
}
