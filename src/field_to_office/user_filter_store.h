#pragma once
// Where user filters live in the settings store: the k-th user filter (k from 1 to
// 49) has its name under "filtros" and its definition under "user_filters", both
// with the key "filtro" and the two digits of 50 + k. The filters fill the keys from
// "filtro51" on without a hole; a removed entry is written as an empty text.

#include <optional>
#include <string>

#include "app/context.h"

inline constexpr int kMaxFiltrosUsuario = 49;

// "filtro" and the number with two digits ("filtro01" ... "filtro99").
std::string FilterKey(int number);

// The number k (1 to 49) of the user filter with exactly this name; nullopt when
// there is none.
std::optional<int> FindUserFilter(const Context& ctx, const std::string& name);

// Stores a definition under the filter k: the definition first, then the name.
void StoreUserFilter(Context& ctx, int k, const std::string& name, const std::string& definition);

// The first k whose name is empty; nullopt when all 49 are taken.
std::optional<int> FreeUserFilter(const Context& ctx);

// Removes user filter k of n, moving every later filter one key down and leaving
// the key of the last one empty in both sections.
void DeleteUserFilter(Context& ctx, int k, int n);

// The stored definition of user filter k.
std::string UserFilterDefinition(const Context& ctx, int k);
