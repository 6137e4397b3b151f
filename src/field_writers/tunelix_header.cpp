#include "field_writers/tunelix_header.h"

#include "common/cp1252.h"
#include "common/file_names.h"
#include "common/ktw_word.h"
#include "common/utf8_columns.h"
#include "platform/files.h"

namespace field_writers {

std::string TunelixName(std::string_view outPath) {
    std::string_view name = outPath;
    const std::size_t slash = platform::LastFolderSeparator(name);
    if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
    const std::string upper = UpperFileName(name);
    return std::string(Utf8::Columns(upper).Mid(1, 16));
}

std::string TunelixHeader(std::string_view outPath, bool planta) {
    std::string first;
    std::string second;
    GM::Palabra_KTW_Texto(true, "41....", TunelixName(outPath), first);
    GM::Palabra_KTW_Texto(false, "42....", planta ? "SITUATION" : "LONGPROF", second);
    return Cp1252::FromUtf8(first + second);
}

}  // namespace field_writers
