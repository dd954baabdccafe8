// Which instruction set the vector kernels use: AVX2 with FMA where the
// processor has them, unless TARVELLE_SIMD=sse2 is set in the environment
// (to hear or test the older path on a newer processor).
#pragma once

namespace dsp
{

class SimdChoice
{
public:
	static bool has_avx2() noexcept;
	// The processor's choice, overridden by the environment.
	static bool use_avx2_by_default() noexcept;
};

}  // namespace dsp
