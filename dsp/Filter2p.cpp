// Prototypes of the four second-order filter types.
#include "dsp/Filter2p.h"

namespace dsp
{

const char *const Filter2p::TYPE_NAME[Type_NBR_ELT] = {"Low-pass", "High-pass", "Resonator", "Band-pass"};

void Filter2p::update_eq() noexcept
{
	// Q of 0 would divide by zero; a very small Q puts one pole so close to z = 1
	// that float coefficients make it unstable.
	const float q_min = 1e-2f;
	const float p1q = _p1 > q_min ? _p1 : q_min;
	const float p2q = _p2 > q_min ? _p2 : q_min;
	_a0s = 1;
	_a2s = 1;
	switch (_type)
	{
	case Type_LPF:
		_b0s = 1;
		_b1s = 0;
		_b2s = 0;
		_a1s = 1 / p1q;
		break;
	case Type_HPF:
		_b0s = 0;
		_b1s = 0;
		_b2s = 1;
		_a1s = 1 / p1q;
		break;
	case Type_RESO:
		_b0s = 1;
		_b1s = _p1 / p2q;
		_b2s = 1;
		_a1s = 1 / p2q;
		break;
	case Type_BPF:
		_b0s = 0;
		_b1s = _p1 / p2q;
		_b2s = 0;
		_a1s = 1 / p2q;
		break;
	default: break;
	}
	transform_s_to_z();
}

}  // namespace dsp
