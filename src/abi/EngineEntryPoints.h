#pragma once

// The engine's entry points as function pointers, bound by name from a loaded DVDEncoder.so. The
// program's binder, the engine tests and the benchmarks all bind through this, so the list of
// entry points lives only in DVDEncoder.h.

#include "abi/DVDEncoder.h"

#include <dlfcn.h>

struct EngineEntryPoints {
#define POCKETREEL_ENTRY_SLOT(name) decltype(&::name) name = nullptr;
    DVDENCODER_ENTRY_POINTS(POCKETREEL_ENTRY_SLOT)
#undef POCKETREEL_ENTRY_SLOT
};

// Each entry point's place in the list; a set of entry points is a mask of their bits.
enum class EngineEntry : unsigned {
#define POCKETREEL_ENTRY_INDEX(name) name,
    DVDENCODER_ENTRY_POINTS(POCKETREEL_ENTRY_INDEX)
#undef POCKETREEL_ENTRY_INDEX
    Count
};
using EngineEntries = unsigned;

constexpr EngineEntries entryBit(EngineEntry entry)
{
    return 1u << unsigned(entry);
}
inline constexpr EngineEntries AllEngineEntries = entryBit(EngineEntry::Count) - 1;

// Binds the entry points in `wanted` from `handle` (from dlopen) and clears the others. Returns
// the name of the first wanted entry point the library lacks, or nullptr when it has them all.
inline const char *bindEngineEntries(void *handle, EngineEntries wanted, EngineEntryPoints &bound)
{
    const char *missing = nullptr;
#define POCKETREEL_ENTRY_BIND(name)                                                      \
    bound.name = nullptr;                                                                \
    if (!missing && (wanted & entryBit(EngineEntry::name))) {                            \
        bound.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));          \
        if (!bound.name)                                                                 \
            missing = #name;                                                             \
    }
    DVDENCODER_ENTRY_POINTS(POCKETREEL_ENTRY_BIND)
#undef POCKETREEL_ENTRY_BIND
    return missing;
}
