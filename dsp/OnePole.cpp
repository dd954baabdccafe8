// First-order section.
#include "dsp/OnePole.h"

#include <emmintrin.h>

namespace dsp
{

void OnePole::set_z_eq(const float b[2], const float a[2]) noexcept
{
	_b0 = b[0];
	_b1 = b[1];
	_a0 = 1;
	_a1 = a[1];
}

void OnePole::get_z_eq(float b[2], float a[2]) const noexcept
{
	b[0] = _b0;
	b[1] = _b1;
	a[0] = _a0;
	a[1] = _a1;
}

// Samples go in pairs laid on the filter's own sample count, whatever the
// blocks: the second of a pair comes from the output before the first,
// y_b = (v_b - a1 v_a) + a1^2 y0 with v = b0 x + b1 x1, so the recursion
// waits on one multiply-add per two samples instead of per sample. A block
// that ends inside a pair keeps v_a and y0 for the next one.
struct OnePole::Steps
{
	float b0;
	float b1;
	float a1;
	float a1_sq;
	float x1;
	float y1;
	float pend_v;
	float pend_y;

	float first(float x) noexcept
	{
		pend_v = b0 * x + b1 * x1;
		pend_y = y1;
		x1 = x;
		y1 = pend_v - a1 * pend_y;
		return y1;
	}
	float second(float x) noexcept
	{
		const float v = b0 * x + b1 * x1;
		x1 = x;
		y1 = (v - a1 * pend_v) + a1_sq * pend_y;
		return y1;
	}
	void two(float *ptr) noexcept
	{
		ptr[0] = first(ptr[0]);
		ptr[1] = second(ptr[1]);
	}
};

OnePole::Steps OnePole::make_steps() const noexcept
{
	return {_b0, _b1, _a1, _a1 * _a1, _x1, _y1, _pend_v, _pend_y};
}

void OnePole::end_steps(const Steps &st, long nbr_spl) noexcept
{
	_x1 = st.x1;
	_y1 = st.y1;
	_pend_v = st.pend_v;
	_pend_y = st.pend_y;
	_odd = (_odd != ((nbr_spl & 1) != 0));
}

void OnePole::process_block(float *out_ptr, const float *in_ptr, long nbr_spl) noexcept
{
	if (nbr_spl <= 0)
	{
		return;
	}
	if (out_ptr != in_ptr)
	{
		for (long pos = 0; pos < nbr_spl; ++pos)
		{
			out_ptr[pos] = in_ptr[pos];
		}
	}
	Steps st = make_steps();
	long pos = 0;
	if (_odd)
	{
		out_ptr[0] = st.second(out_ptr[0]);
		pos = 1;
	}
	for (; pos + 2 <= nbr_spl; pos += 2)
	{
		st.two(out_ptr + pos);
	}
	if (pos < nbr_spl)
	{
		out_ptr[pos] = st.first(out_ptr[pos]);
	}
	end_steps(st, nbr_spl);
}

// Both filters' pairs side by side in one register, lanes (first of f1,
// first of f2, second of f1, second of f2), with the scalar steps'
// operations in their order: the very same samples, in about half the
// instructions. Only the copy of each pair's last output into both halves
// lies on the recursion's path.
void OnePole::run_pairs(Steps &s1, Steps &s2, float *data1_ptr, float *data2_ptr, long nbr_pairs) noexcept
{
	const __m128 b0 = _mm_setr_ps(s1.b0, s2.b0, s1.b0, s2.b0);
	const __m128 b1 = _mm_setr_ps(s1.b1, s2.b1, s1.b1, s2.b1);
	const __m128 a1_hi = _mm_setr_ps(0, 0, s1.a1, s2.a1);
	const __m128 c = _mm_setr_ps(-s1.a1, -s2.a1, s1.a1_sq, s2.a1_sq);
	__m128 x_prev = _mm_setr_ps(0, 0, s1.x1, s2.x1);
	__m128 y0 = _mm_setr_ps(s1.y1, s2.y1, s1.y1, s2.y1);
	__m128 v = _mm_setzero_ps();
	__m128 y0_last = y0;  // the last pair's y0
	for (long p = 0; p < nbr_pairs; ++p)
	{
		float *const p1 = data1_ptr + 2 * p;
		float *const p2 = data2_ptr + 2 * p;
		const __m128 x = _mm_unpacklo_ps(_mm_loadl_pi(_mm_setzero_ps(), reinterpret_cast<const __m64 *>(p1)),
		                                 _mm_loadl_pi(_mm_setzero_ps(), reinterpret_cast<const __m64 *>(p2)));
		const __m128 x1 = _mm_shuffle_ps(x_prev, x, _MM_SHUFFLE(1, 0, 3, 2));
		v = _mm_add_ps(_mm_mul_ps(b0, x), _mm_mul_ps(b1, x1));
		// (v_a, v_b - a1 v_a), then + (-a1, a1^2) y0.
		const __m128 t = _mm_sub_ps(v, _mm_mul_ps(a1_hi, _mm_movelh_ps(v, v)));
		const __m128 w = _mm_shuffle_ps(v, t, _MM_SHUFFLE(3, 2, 1, 0));
		const __m128 y = _mm_add_ps(w, _mm_mul_ps(c, y0));
		_mm_storel_pi(reinterpret_cast<__m64 *>(p1), _mm_shuffle_ps(y, y, _MM_SHUFFLE(2, 0, 2, 0)));
		_mm_storel_pi(reinterpret_cast<__m64 *>(p2), _mm_shuffle_ps(y, y, _MM_SHUFFLE(3, 1, 3, 1)));
		x_prev = x;
		y0_last = y0;
		y0 = _mm_movehl_ps(y, y);  // (y_b of f1, of f2) in both halves
	}
	if (nbr_pairs <= 0)
	{
		return;
	}
	// What the scalar steps would hold after the last pair.
	alignas(16) float lanes[4][4];
	_mm_store_ps(lanes[0], x_prev);
	_mm_store_ps(lanes[1], y0);
	_mm_store_ps(lanes[2], v);
	_mm_store_ps(lanes[3], y0_last);
	s1.x1 = lanes[0][2];
	s2.x1 = lanes[0][3];
	s1.y1 = lanes[1][0];
	s2.y1 = lanes[1][1];
	s1.pend_v = lanes[2][0];
	s2.pend_v = lanes[2][1];
	s1.pend_y = lanes[3][0];
	s2.pend_y = lanes[3][1];
}

void OnePole::process_block_pair(OnePole &f1, OnePole &f2, float *data1_ptr, float *data2_ptr,
                                 long nbr_spl) noexcept
{
	if (f1._odd != f2._odd || nbr_spl <= 0)
	{
		f1.process_block(data1_ptr, data1_ptr, nbr_spl);
		f2.process_block(data2_ptr, data2_ptr, nbr_spl);
		return;
	}
	Steps s1 = f1.make_steps();
	Steps s2 = f2.make_steps();
	long pos = 0;
	if (f1._odd)
	{
		data1_ptr[0] = s1.second(data1_ptr[0]);
		data2_ptr[0] = s2.second(data2_ptr[0]);
		pos = 1;
	}
	const long nbr_pairs = (nbr_spl - pos) / 2;
	run_pairs(s1, s2, data1_ptr + pos, data2_ptr + pos, nbr_pairs);
	pos += 2 * nbr_pairs;
	if (pos < nbr_spl)
	{
		data1_ptr[pos] = s1.first(data1_ptr[pos]);
		data2_ptr[pos] = s2.first(data2_ptr[pos]);
	}
	f1.end_steps(s1, nbr_spl);
	f2.end_steps(s2, nbr_spl);
}

float OnePole::process_sample(float x) noexcept
{
	Steps st = make_steps();
	const float y = _odd ? st.second(x) : st.first(x);
	end_steps(st, 1);
	return y;
}

void OnePole::clear_buffers() noexcept
{
	_x1 = 0;
	_y1 = 0;
	_pend_v = 0;
	_pend_y = 0;
	_odd = false;
}

}  // namespace dsp
