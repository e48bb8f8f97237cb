// AddressSanitizer's defaults for a suite built with FULL_STACKS; ASAN_OPTIONS still overrides them.
extern "C" const char *__asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}
