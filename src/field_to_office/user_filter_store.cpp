#include "field_to_office/user_filter_store.h"

namespace {

constexpr const char* kNombres = "filtros";
constexpr const char* kDefiniciones = "user_filters";

}  // namespace

std::string FilterKey(int number) {
    std::string key = "filtro";
    key.push_back(static_cast<char>('0' + number / 10 % 10));
    key.push_back(static_cast<char>('0' + number % 10));
    return key;
}

std::optional<int> FindUserFilter(const Context& ctx, const std::string& name) {
    for (int k = 1; k <= kMaxFiltrosUsuario; ++k) {
        if (ctx.GetSetting(kNombres, FilterKey(50 + k)) == name) return k;
    }
    return std::nullopt;
}

std::optional<int> FreeUserFilter(const Context& ctx) {
    for (int k = 1; k <= kMaxFiltrosUsuario; ++k) {
        if (ctx.GetSetting(kNombres, FilterKey(50 + k)).empty()) return k;
    }
    return std::nullopt;
}

void StoreUserFilter(Context& ctx, int k, const std::string& name, const std::string& definition) {
    ctx.SaveSetting(kDefiniciones, FilterKey(50 + k), definition);
    ctx.SaveSetting(kNombres, FilterKey(50 + k), name);
}

std::string UserFilterDefinition(const Context& ctx, int k) {
    return ctx.GetSetting(kDefiniciones, FilterKey(50 + k));
}

void DeleteUserFilter(Context& ctx, int k, int n) {
    // Key 99 has no key after it: the last filter's place is emptied below.
    for (int i = k; i < n && i < kMaxFiltrosUsuario; ++i) {
        StoreUserFilter(ctx, i, ctx.GetSetting(kNombres, FilterKey(51 + i)),
                        ctx.GetSetting(kDefiniciones, FilterKey(51 + i)));
    }
    StoreUserFilter(ctx, n, {}, {});
}
