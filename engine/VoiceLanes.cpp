// Lane set-up and the choice of instruction set.
#include "engine/VoiceLanes.h"


#include <algorithm>
#include <cstddef>
#include <iterator>
#include <cstring>

VoiceLanes::VoiceLanes() noexcept
{
	std::memset(&_data, 0, sizeof(_data));
	std::fill(std::begin(_data.coef_of), std::end(_data.coef_of), nullptr);
	clear_slots();
	_isa = dsp::SimdChoice::by_default();
}

void VoiceLanes::force_isa(dsp::SimdChoice::Isa isa) noexcept
{
	_isa = dsp::SimdChoice::capped(isa);
}

void VoiceLanes::clear_slots() noexcept
{
	Data &d = _data;
	d.nbr_units = 1;
	d.width = 2;
	d.cell = 0;
	d.fdbk = false;
	d.band = false;
	// All zero but the identity band filter and unit phasors: nothing reaches
	// the outputs. A slot left out keeps its coefficients, all finite.
	const size_t lanes_begin = offsetof(Data, prod);
	const size_t lanes_end = offsetof(Data, fdbk_tab);
	std::memset(reinterpret_cast<char *>(&d) + lanes_begin, 0, lanes_end - lanes_begin);
	for (int lane = 0; lane < NBR_LANES; ++lane)
	{
		d.b0[lane] = 1;
		d.osc_c[lane] = 1;
		d.osc_step_c[lane] = 1;
		d.col_c[lane] = 1;
		d.col_rot_c[lane] = 1;
	}
}

void VoiceLanes::run(const float *in_ptr, float *left_ptr, float *right_ptr, long first, long nbr_spl) noexcept
{
	if (nbr_spl <= 0 || nbr_spl > MAX_LEN)
	{
		return;
	}
	switch (_isa)
	{
	case dsp::SimdChoice::Isa::AVX512: run_avx512(_data, in_ptr, left_ptr, right_ptr, first, nbr_spl); break;
	case dsp::SimdChoice::Isa::AVX2: run_avx2(_data, in_ptr, left_ptr, right_ptr, first, nbr_spl); break;
	default: run_sse2(_data, in_ptr, left_ptr, right_ptr, first, nbr_spl); break;
	}
}
