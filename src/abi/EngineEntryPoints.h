#pragma once

// The engine's entry points as function pointers, bound by name from a loaded DVDEncoder.so. The
// program's binder, the engine tests and the benchmarks all bind through this, so the list of
// entry points lives only in DVDEncoder.h.

#include "abi/DVDEncoder.h"

#include <dlfcn.h>

#define POCKETREEL_ALL_ENTRY_POINTS(X) DVDENCODER_ENTRY_POINTS(X) DVDENCODER_OPTIONAL_ENTRY_POINTS(X)

struct EngineEntryPoints {
#define POCKETREEL_ENTRY_SLOT(name) decltype(&::name) name = nullptr;
    POCKETREEL_ALL_ENTRY_POINTS(POCKETREEL_ENTRY_SLOT)
#undef POCKETREEL_ENTRY_SLOT
};

// Each entry point's place in the lists; a set of entry points is a mask of their bits.
enum class EngineEntry : unsigned {
#define POCKETREEL_ENTRY_INDEX(name) name,
    POCKETREEL_ALL_ENTRY_POINTS(POCKETREEL_ENTRY_INDEX)
#undef POCKETREEL_ENTRY_INDEX
    Count
};
using EngineEntries = unsigned;

constexpr EngineEntries entryBit(EngineEntry entry)
{
    return 1u << unsigned(entry);
}
// The nine every engine has, and the optional ones after them.
inline constexpr EngineEntries AllEngineEntries = entryBit(EngineEntry::Count) - 1;
inline constexpr EngineEntries RequiredEngineEntries = entryBit(EngineEntry::X_Get_Last_Error) - 1;
inline constexpr EngineEntries OptionalEngineEntries = AllEngineEntries & ~RequiredEngineEntries;

// Binds the entry points in `wanted` from `handle` (from dlopen) and clears the others; an optional
// one that the library lacks stays null. Returns the name of the first wanted required entry point
// the library lacks, or nullptr when it has them all.
inline const char *bindEngineEntries(void *handle, EngineEntries wanted, EngineEntryPoints &bound)
{
    const char *missing = nullptr;
#define POCKETREEL_ENTRY_BIND(name)                                                      \
    bound.name = nullptr;                                                                \
    if (!missing && (wanted & entryBit(EngineEntry::name))) {                            \
        bound.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));          \
        if (!bound.name && (RequiredEngineEntries & entryBit(EngineEntry::name)))        \
            missing = #name;                                                             \
    }
    POCKETREEL_ALL_ENTRY_POINTS(POCKETREEL_ENTRY_BIND)
#undef POCKETREEL_ENTRY_BIND
    return missing;
}
