// An owner for registry keys: closed exactly once, when the owner goes.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

struct RegistryKeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueRegistryKey = std::unique_ptr<std::remove_pointer_t<HKEY>, RegistryKeyCloser>;
