// Instruction set choice.
#include "dsp/SimdChoice.h"

#include <cstdlib>
#include <cstring>

namespace dsp
{

bool SimdChoice::has_avx2() noexcept
{
	__builtin_cpu_init();
	return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
}

bool SimdChoice::use_avx2_by_default() noexcept
{
	const char *env = std::getenv("TARVELLE_SIMD");
	return has_avx2() && !(env != nullptr && std::strcmp(env, "sse2") == 0);
}

}  // namespace dsp
