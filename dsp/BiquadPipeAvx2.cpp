// The biquad pipe compiled for AVX2 with fused multiply-adds.
#include "dsp/BiquadPipeBody.h"
#include "dsp/SimdAvx2.h"

namespace dsp
{

void BiquadPipe::run_avx2(Data &d, float *ch0_ptr, float *ch1_ptr, long nbr_spl) noexcept
{
	PipeBody<SimdAvx2>::run(d, ch0_ptr, ch1_ptr, nbr_spl);
}

}  // namespace dsp
