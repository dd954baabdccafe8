// Which instruction set the vector kernels use: the widest the processor has
// among SSE2, AVX2 with FMA, and AVX-512, unless TARVELLE_SIMD in the
// environment caps it ("sse2" or "avx2": to hear or test an older path on a
// newer processor). Kernels without a wider path take the widest they have.
#pragma once

namespace dsp
{

class SimdChoice
{
public:
	enum class Isa
	{
		SSE2,
		AVX2,    // with FMA
		AVX512,  // foundation and 256-bit forms, with AVX2 and FMA
	};

	static bool has(Isa isa) noexcept;
	// The processor's widest, capped by the environment.
	static Isa by_default() noexcept;
	// isa, or the widest below it that the processor has.
	static Isa capped(Isa isa) noexcept;
};

}  // namespace dsp
