// Instruction set choice.
#include "dsp/SimdChoice.h"

#include <cstdlib>
#include <cstring>

namespace dsp
{

bool SimdChoice::has(Isa isa) noexcept
{
	__builtin_cpu_init();
	switch (isa)
	{
	case Isa::AVX512:
		return has(Isa::AVX2) && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl");
	case Isa::AVX2:
		return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
	default:
		return true;  // every x86_64 processor
	}
}

SimdChoice::Isa SimdChoice::capped(Isa isa) noexcept
{
	while (isa != Isa::SSE2 && !has(isa))
	{
		isa = Isa(int(isa) - 1);
	}
	return isa;
}

SimdChoice::Isa SimdChoice::by_default() noexcept
{
	const char *env = std::getenv("TARVELLE_SIMD");
	Isa cap = Isa::AVX512;
	if (env != nullptr && std::strcmp(env, "sse2") == 0)
	{
		cap = Isa::SSE2;
	}
	else if (env != nullptr && std::strcmp(env, "avx2") == 0)
	{
		cap = Isa::AVX2;
	}
	return capped(cap);
}

}  // namespace dsp
