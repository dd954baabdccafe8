// The biquad pipe for processors without AVX2.
#include "dsp/BiquadPipeBody.h"
#include "dsp/SimdSse2.h"

namespace dsp
{

void BiquadPipe::run_sse2(Data &d, float *ch0_ptr, float *ch1_ptr, long nbr_spl) noexcept
{
	PipeBody<SimdSse2>::run(d, ch0_ptr, ch1_ptr, nbr_spl);
}

}  // namespace dsp
