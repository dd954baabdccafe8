// The lanes for processors without AVX2.
#include "dsp/SimdSse2.h"
#include "engine/VoiceLanesBody.h"

void VoiceLanes::run_sse2(Data &d, const float *in_ptr, float *left_ptr, float *right_ptr, long first,
                          long nbr_spl) noexcept
{
	LanesBody<dsp::SimdSse2>::run<>(d, in_ptr, left_ptr, right_ptr, first, nbr_spl);
}
