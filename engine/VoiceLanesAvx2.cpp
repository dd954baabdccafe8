// The lanes compiled for AVX2 with fused multiply-adds.
#include "dsp/SimdAvx2.h"
#include "engine/VoiceLanesBody.h"

void VoiceLanes::run_avx2(Data &d, const float *in_ptr, float *left_ptr, float *right_ptr, long first,
                          long nbr_spl) noexcept
{
	LanesBody<dsp::SimdAvx2>::run<>(d, in_ptr, left_ptr, right_ptr, first, nbr_spl);
}
